#include "persona/velmora_group_list.h"

#include "persona/velmora_text_rules.h"

#include <cassert>

namespace {

// Event keys in identifier order from 2; the help topics follow "help".
const char* const base_keys[] = {
    "nogame",
    "sitdown",
    "standup",
    "game_start",
    "game_continue",
    "game_end",
    "general_behavior",
    "player_winning1",
    "player_winning2",
    "velmora_winning1",
    "velmora_winning2",
    "velmora_thinking",
    "nickname_taunt",
    "resign_taunt",
    "webcam_off",
    "webcam_on",
    "undo_taunt",
    "flip_board",
    "credits",
    "draw",
    "stalemate",
    "player_resigns",
    "player_wins",
    "velmora_wins",
    "player_checks",
    "player_captures_queen",
    "player_captures_rook",
    "player_captures_bishop",
    "player_captures_knight",
    "player_captures_pawn",
    "player_castles",
    "player_promotes",
    "player_ep_captures",
    "player_moves",
    "velmora_checks",
    "velmora_captures_queen",
    "velmora_captures_rook",
    "velmora_captures_bishop",
    "velmora_captures_knight",
    "velmora_captures_pawn",
    "velmora_castles",
    "velmora_promotes",
    "velmora_ep_captures",
    "velmora_moves",
    "start_help",
    "save_game",
    "save_error",
    "load_game",
    "load_error",
    "resign_confirmation",
    "statistics",
    "change_nickname",
    "request_hint",
    "issue_hint",
    "about",
    "help",
};

} // namespace

const VELMORA_GROUP_LIST& VELMORA_GROUP_LIST::instance() {
    static const VELMORA_GROUP_LIST list;
    return list;
}

VELMORA_GROUP_LIST::VELMORA_GROUP_LIST() {
    keys_.assign(std::begin(base_keys), std::end(base_keys));
    for (int32_t topic = 1; topic <= help_topic_count; ++topic) {
        keys_.push_back("help" + std::to_string(topic));
    }
    keys_.push_back("ee");
    assert(static_cast<int32_t>(keys_.size()) == group_last - group_first + 1);
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        const auto id = static_cast<int32_t>(i) + group_first;
        std::string name(1, '@');
        name += VELMORA_TEXT_RULES::to_upper(keys_[i]);
        items_.emplace_back(std::move(name), requires_text(id), id);
    }
}

const VELMORA_GROUP_INFO& VELMORA_GROUP_LIST::item(int32_t group_id) const {
    assert(group_id >= group_first && group_id <= group_last);
    return items_[static_cast<std::size_t>(group_id - group_first)];
}

const std::string& VELMORA_GROUP_LIST::key(int32_t group_id) const {
    assert(group_id >= group_first && group_id <= group_last);
    return keys_[static_cast<std::size_t>(group_id - group_first)];
}
