#include "engine/chess_opening_book.h"

#include "engine/chess_opening_lines.h"
#include "rules/chess_game.h"

#include <algorithm>
#include <sstream>

const CHESS_OPENING_BOOK& CHESS_OPENING_BOOK::instance() {
    static const CHESS_OPENING_BOOK book;
    return book;
}

CHESS_OPENING_BOOK::CHESS_OPENING_BOOK() {
    for (const CHESS_OPENING_LINE& line : chess_opening_lines()) {
        add_line(line.name, line.moves);
    }
}

// Each position of the line counts the move the line plays from it; the last position takes the
// line's name unless an earlier line already named it.
void CHESS_OPENING_BOOK::add_line(const char* name, const char* moves) {
    CHESS_GAME game;
    std::istringstream words(moves);
    std::string word;
    while (words >> word) {
        const std::vector<CHESS_MOVE> legal = game.legal_moves();
        const auto found = std::find_if(legal.begin(), legal.end(),
                                        [&](const CHESS_MOVE& m) { return m.uci_text() == word; });
        if (found == legal.end()) {
            return; // the table is checked when it is made; a stray line is left out whole
        }
        std::vector<CONTINUATION>& here = nodes_[key(game.board())].continuations;
        const auto known = std::find_if(here.begin(), here.end(),
                                        [&](const CONTINUATION& c) { return c.move == *found; });
        if (known == here.end()) {
            here.push_back(CONTINUATION{*found, 1});
        } else {
            ++known->weight;
        }
        game.make_move(*found);
    }
    NODE& last = nodes_[key(game.board())];
    if (last.name == nullptr) {
        last.name = name;
    }
    ++line_count_;
}

// The position's hash key and lock without the pawns that have just made a double step: a pawn
// that moved two squares a few moves ago would otherwise keep apart two move orders that reach
// the same position.
uint64_t CHESS_OPENING_BOOK::key(const CHESS_POSITION& board) {
    CHESS_STATE settled = board.state;
    settled.clear_double_move(CHESS_GENERAL_CONSTANTS::white);
    settled.clear_double_move(CHESS_GENERAL_CONSTANTS::black);
    const auto without_double_moves = [&](int32_t full) {
        return static_cast<uint32_t>(full) - static_cast<uint32_t>(board.state.hash()) +
               static_cast<uint32_t>(settled.hash());
    };
    return (uint64_t{without_double_moves(board.full_key())} << 32) |
           without_double_moves(board.full_lock());
}

const std::vector<CHESS_OPENING_BOOK::CONTINUATION>&
CHESS_OPENING_BOOK::continuations(const CHESS_POSITION& board) const {
    static const std::vector<CONTINUATION> none;
    const auto found = nodes_.find(key(board));
    return found == nodes_.end() ? none : found->second.continuations;
}

std::optional<std::string> CHESS_OPENING_BOOK::name(const CHESS_POSITION& board) const {
    const auto found = nodes_.find(key(board));
    if (found == nodes_.end() || found->second.name == nullptr) {
        return std::nullopt;
    }
    return std::string(found->second.name);
}

// Only moves legal here are drawn: a position the book knows may differ in an en-passant
// capture that one of its lines plays.
std::optional<CHESS_MOVE> CHESS_OPENING_BOOK::choose(const CHESS_POSITION& board,
                                                     KWO_RANDOM& random) const {
    const std::vector<CHESS_MOVE> legal = CHESS_GAME(board).legal_moves();
    std::vector<CONTINUATION> offered;
    int32_t total = 0;
    for (const CONTINUATION& c : continuations(board)) {
        if (std::find(legal.begin(), legal.end(), c.move) != legal.end()) {
            offered.push_back(c);
            total += c.weight;
        }
    }
    if (total == 0) {
        return std::nullopt;
    }
    random.forth();
    int32_t pick = random.item_in_range(1, total);
    for (std::size_t i = 0; i + 1 < offered.size(); ++i) {
        pick -= offered[i].weight;
        if (pick <= 0) {
            return offered[i].move;
        }
    }
    return offered.back().move;
}
