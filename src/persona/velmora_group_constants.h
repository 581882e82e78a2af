// The identifiers of the pre-defined persona groups, 2 to 83, one per event key. The data file
// group of a key is "@" and the upper-cased key: the key "sitdown" is the group [@SITDOWN].
// Classes that name groups inherit these constants; the keys themselves are in VELMORA_GROUP_LIST.
#pragma once

#include <cstdint>

struct VELMORA_GROUP_CONSTANTS {
    static constexpr int32_t group_first = 2;
    static constexpr int32_t group_nogame = 2;
    static constexpr int32_t group_sitdown = 3;
    static constexpr int32_t group_standup = 4;
    static constexpr int32_t group_game_start = 5;
    static constexpr int32_t group_game_continue = 6;
    static constexpr int32_t group_game_end = 7;
    static constexpr int32_t group_general_behavior = 8;
    static constexpr int32_t group_player_winning1 = 9;
    static constexpr int32_t group_player_winning2 = 10;
    static constexpr int32_t group_velmora_winning1 = 11;
    static constexpr int32_t group_velmora_winning2 = 12;
    static constexpr int32_t group_velmora_thinking = 13;
    static constexpr int32_t group_nickname_taunt = 14;
    static constexpr int32_t group_resign_taunt = 15;
    static constexpr int32_t group_webcam_off = 16;
    static constexpr int32_t group_webcam_on = 17;
    static constexpr int32_t group_undo_taunt = 18;
    static constexpr int32_t group_flip_board = 19;
    static constexpr int32_t group_credits = 20;
    static constexpr int32_t group_draw = 21;
    static constexpr int32_t group_stalemate = 22;
    static constexpr int32_t group_player_resigns = 23;
    static constexpr int32_t group_player_wins = 24;
    static constexpr int32_t group_velmora_wins = 25;
    static constexpr int32_t group_player_checks = 26;
    static constexpr int32_t group_player_captures_queen = 27;
    static constexpr int32_t group_player_captures_rook = 28;
    static constexpr int32_t group_player_captures_bishop = 29;
    static constexpr int32_t group_player_captures_knight = 30;
    static constexpr int32_t group_player_captures_pawn = 31;
    static constexpr int32_t group_player_castles = 32;
    static constexpr int32_t group_player_promotes = 33;
    static constexpr int32_t group_player_ep_captures = 34;
    static constexpr int32_t group_player_moves = 35;
    static constexpr int32_t group_velmora_checks = 36;
    static constexpr int32_t group_velmora_captures_queen = 37;
    static constexpr int32_t group_velmora_captures_rook = 38;
    static constexpr int32_t group_velmora_captures_bishop = 39;
    static constexpr int32_t group_velmora_captures_knight = 40;
    static constexpr int32_t group_velmora_captures_pawn = 41;
    static constexpr int32_t group_velmora_castles = 42;
    static constexpr int32_t group_velmora_promotes = 43;
    static constexpr int32_t group_velmora_ep_captures = 44;
    static constexpr int32_t group_velmora_moves = 45;
    static constexpr int32_t group_start_help = 46;
    static constexpr int32_t group_save_game = 47;
    static constexpr int32_t group_save_error = 48;
    static constexpr int32_t group_load_game = 49;
    static constexpr int32_t group_load_error = 50;
    static constexpr int32_t group_resign_confirmation = 51;
    static constexpr int32_t group_statistics = 52;
    static constexpr int32_t group_change_nickname = 53;
    static constexpr int32_t group_request_hint = 54;
    static constexpr int32_t group_issue_hint = 55;
    static constexpr int32_t group_about = 56;
    static constexpr int32_t group_help = 57;
    // "help1" to "help25" are 58 to 82.
    static constexpr int32_t help_topic_count = 25;
    static constexpr int32_t group_ee = 83;
    static constexpr int32_t group_last = 83;

    // The group of a help topic: "help"n for n in 1..25, "help" for any other n.
    static constexpr int32_t group_help_topic(int32_t topic) {
        return topic >= 1 && topic <= help_topic_count ? group_help + topic : group_help;
    }
    // Groups 46 to 82 must hold text, all others clips.
    static constexpr bool requires_text(int32_t id) {
        return id >= group_start_help && id < group_ee;
    }
};
