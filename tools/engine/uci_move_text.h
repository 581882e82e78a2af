// Moves as UCI writes them ("e2e4", "e7e8q"), read in a game's position. Programs differ in the
// case of the promotion letter, so both cases are accepted.
#pragma once

#include "rules/chess_game.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

inline std::optional<CHESS_MOVE> find_uci_move(const CHESS_GAME& game, std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const CHESS_MOVE& m : game.legal_moves()) {
        if (m.uci_text() == text) {
            return m;
        }
    }
    return std::nullopt;
}
