#include "persona/velmora.h"
#include "persona/velmora_debug_events.h"
#include "persona/velmora_event_table.h"
#include "persona/velmora_group_list.h"
#include "persona_test_files.h"
#include "rules/chess_constants.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

enum class KIND { text, clip, seated, move };

struct ROW {
    std::string name;
    VELMORA_EVENT event;
    int32_t priority;
    bool always;
    int32_t group; // the group drawn from while the character is seated
    KIND kind;
};

// The groups of the rows, named by key.
struct G {
    static constexpr int32_t group_about = VELMORA_EVENT_TABLE::id("about");
    static constexpr int32_t group_change_nickname = VELMORA_EVENT_TABLE::id("change_nickname");
    static constexpr int32_t group_credits = VELMORA_EVENT_TABLE::id("credits");
    static constexpr int32_t group_draw = VELMORA_EVENT_TABLE::id("draw");
    static constexpr int32_t group_ee = VELMORA_EVENT_TABLE::id("ee");
    static constexpr int32_t group_flip_board = VELMORA_EVENT_TABLE::id("flip_board");
    static constexpr int32_t group_game_continue = VELMORA_EVENT_TABLE::id("game_continue");
    static constexpr int32_t group_game_end = VELMORA_EVENT_TABLE::id("game_end");
    static constexpr int32_t group_game_start = VELMORA_EVENT_TABLE::id("game_start");
    static constexpr int32_t group_general_behavior = VELMORA_EVENT_TABLE::id("general_behavior");
    static constexpr int32_t group_help = VELMORA_EVENT_TABLE::id("help");
    static constexpr int32_t group_issue_hint = VELMORA_EVENT_TABLE::id("issue_hint");
    static constexpr int32_t group_load_error = VELMORA_EVENT_TABLE::id("load_error");
    static constexpr int32_t group_load_game = VELMORA_EVENT_TABLE::id("load_game");
    static constexpr int32_t group_nickname_taunt = VELMORA_EVENT_TABLE::id("nickname_taunt");
    static constexpr int32_t group_nogame = VELMORA_EVENT_TABLE::id("nogame");
    static constexpr int32_t group_player_captures_bishop =
        VELMORA_EVENT_TABLE::id("player_captures_bishop");
    static constexpr int32_t group_player_captures_knight =
        VELMORA_EVENT_TABLE::id("player_captures_knight");
    static constexpr int32_t group_player_captures_pawn =
        VELMORA_EVENT_TABLE::id("player_captures_pawn");
    static constexpr int32_t group_player_captures_queen =
        VELMORA_EVENT_TABLE::id("player_captures_queen");
    static constexpr int32_t group_player_captures_rook =
        VELMORA_EVENT_TABLE::id("player_captures_rook");
    static constexpr int32_t group_player_castles = VELMORA_EVENT_TABLE::id("player_castles");
    static constexpr int32_t group_player_checks = VELMORA_EVENT_TABLE::id("player_checks");
    static constexpr int32_t group_player_ep_captures =
        VELMORA_EVENT_TABLE::id("player_ep_captures");
    static constexpr int32_t group_player_moves = VELMORA_EVENT_TABLE::id("player_moves");
    static constexpr int32_t group_player_promotes = VELMORA_EVENT_TABLE::id("player_promotes");
    static constexpr int32_t group_player_resigns = VELMORA_EVENT_TABLE::id("player_resigns");
    static constexpr int32_t group_player_wins = VELMORA_EVENT_TABLE::id("player_wins");
    static constexpr int32_t group_request_hint = VELMORA_EVENT_TABLE::id("request_hint");
    static constexpr int32_t group_resign_confirmation =
        VELMORA_EVENT_TABLE::id("resign_confirmation");
    static constexpr int32_t group_resign_taunt = VELMORA_EVENT_TABLE::id("resign_taunt");
    static constexpr int32_t group_save_error = VELMORA_EVENT_TABLE::id("save_error");
    static constexpr int32_t group_save_game = VELMORA_EVENT_TABLE::id("save_game");
    static constexpr int32_t group_sitdown = VELMORA_EVENT_TABLE::id("sitdown");
    static constexpr int32_t group_stalemate = VELMORA_EVENT_TABLE::id("stalemate");
    static constexpr int32_t group_standup = VELMORA_EVENT_TABLE::id("standup");
    static constexpr int32_t group_start_help = VELMORA_EVENT_TABLE::id("start_help");
    static constexpr int32_t group_statistics = VELMORA_EVENT_TABLE::id("statistics");
    static constexpr int32_t group_undo_taunt = VELMORA_EVENT_TABLE::id("undo_taunt");
    static constexpr int32_t group_velmora_captures_bishop =
        VELMORA_EVENT_TABLE::id("velmora_captures_bishop");
    static constexpr int32_t group_velmora_captures_knight =
        VELMORA_EVENT_TABLE::id("velmora_captures_knight");
    static constexpr int32_t group_velmora_captures_pawn =
        VELMORA_EVENT_TABLE::id("velmora_captures_pawn");
    static constexpr int32_t group_velmora_captures_queen =
        VELMORA_EVENT_TABLE::id("velmora_captures_queen");
    static constexpr int32_t group_velmora_captures_rook =
        VELMORA_EVENT_TABLE::id("velmora_captures_rook");
    static constexpr int32_t group_velmora_castles = VELMORA_EVENT_TABLE::id("velmora_castles");
    static constexpr int32_t group_velmora_checks = VELMORA_EVENT_TABLE::id("velmora_checks");
    static constexpr int32_t group_velmora_ep_captures =
        VELMORA_EVENT_TABLE::id("velmora_ep_captures");
    static constexpr int32_t group_velmora_moves = VELMORA_EVENT_TABLE::id("velmora_moves");
    static constexpr int32_t group_velmora_promotes = VELMORA_EVENT_TABLE::id("velmora_promotes");
    static constexpr int32_t group_velmora_thinking = VELMORA_EVENT_TABLE::id("velmora_thinking");
    static constexpr int32_t group_velmora_wins = VELMORA_EVENT_TABLE::id("velmora_wins");
    static constexpr int32_t group_webcam_off = VELMORA_EVENT_TABLE::id("webcam_off");
    static constexpr int32_t group_webcam_on = VELMORA_EVENT_TABLE::id("webcam_on");
};

const std::vector<ROW> rows = {
    {"STATISTICS", VELMORA_EVENT("statistics"), 1, true, G::group_statistics, KIND::text},
    {"START", VELMORA_EVENT("start_help"), 1, true, G::group_start_help, KIND::text},
    {"SAVE_ERROR", VELMORA_EVENT("save_error"), 1, true, G::group_save_error, KIND::text},
    {"SAVE", VELMORA_EVENT("save_game"), 1, true, G::group_save_game, KIND::text},
    {"RESIGN_CONFIRM", VELMORA_EVENT("resign_confirmation"), 1, true, G::group_resign_confirmation,
     KIND::text},
    {"LOAD_ERROR", VELMORA_EVENT("load_error"), 1, true, G::group_load_error, KIND::text},
    {"LOAD", VELMORA_EVENT("load_game"), 1, true, G::group_load_game, KIND::text},
    {"HINT_BEFORE", VELMORA_EVENT("request_hint"), 1, true, G::group_request_hint, KIND::text},
    {"HINT_AFTER", VELMORA_EVENT("issue_hint"), 1, true, G::group_issue_hint, KIND::text},
    {"HELP 0", VELMORA_EVENT::help(0), 1, true, G::group_help, KIND::text},
    {"HELP 1", VELMORA_EVENT::help(1), 1, true, 58, KIND::text},
    {"HELP 25", VELMORA_EVENT::help(25), 1, true, 82, KIND::text},
    {"HELP 26", VELMORA_EVENT::help(26), 1, true, G::group_help, KIND::text},
    {"HELP -3", VELMORA_EVENT::help(-3), 1, true, G::group_help, KIND::text},
    {"CHANGE_NICKNAME", VELMORA_EVENT("change_nickname"), 1, true, G::group_change_nickname,
     KIND::text},
    {"ABOUT", VELMORA_EVENT("about"), 1, true, G::group_about, KIND::text},
    {"DEFAULT", VELMORA_EVENT("general_behavior"), 1, true, G::group_general_behavior,
     KIND::seated},
    {"WEBCAM on", VELMORA_EVENT("webcam_on"), 5, false, G::group_webcam_on, KIND::seated},
    {"WEBCAM off", VELMORA_EVENT("webcam_off"), 5, false, G::group_webcam_off, KIND::seated},
    {"UNDO_TAUNT", VELMORA_EVENT("undo_taunt"), 4, false, G::group_undo_taunt, KIND::clip},
    {"THINKING", VELMORA_EVENT("velmora_thinking"), 101, true, G::group_velmora_thinking,
     KIND::clip},
    {"STANDUP", VELMORA_EVENT("standup"), 1, true, G::group_standup, KIND::clip},
    {"STALE_MATE", VELMORA_EVENT("stalemate"), 1, true, G::group_stalemate, KIND::clip},
    {"SITDOWN", VELMORA_EVENT("sitdown"), 1, true, G::group_sitdown, KIND::clip},
    {"RESIGN_TAUNT", VELMORA_EVENT("resign_taunt"), 4, false, G::group_resign_taunt, KIND::clip},
    {"PLAYER_WINS", VELMORA_EVENT("player_wins"), 1, true, G::group_player_wins, KIND::clip},
    {"PLAYER_RESIGNS", VELMORA_EVENT("player_resigns"), 1, true, G::group_player_resigns,
     KIND::clip},
    {"NICKNAME_TAUNT", VELMORA_EVENT("nickname_taunt"), 4, false, G::group_nickname_taunt,
     KIND::seated},
    {"VELMORA_WINS", VELMORA_EVENT("velmora_wins"), 1, true, G::group_velmora_wins, KIND::clip},
    {"GAME_START", VELMORA_EVENT("game_start"), 1, true, G::group_game_start, KIND::clip},
    {"GAME_END", VELMORA_EVENT("game_end"), 1, true, G::group_game_end, KIND::clip},
    {"GAME_CONTINUE", VELMORA_EVENT("game_continue"), 1, true, G::group_game_continue, KIND::clip},
    {"FLIP_BOARD", VELMORA_EVENT("flip_board"), 5, false, G::group_flip_board, KIND::seated},
    {"EASTER_EGG", VELMORA_EVENT("ee"), 1, false, G::group_ee, KIND::clip},
    {"DRAW", VELMORA_EVENT("draw"), 1, true, G::group_draw, KIND::clip},
    {"CREDITS", VELMORA_EVENT("credits"), 1, false, G::group_credits, KIND::clip},
    {"vPROMOTES", VELMORA_EVENT("velmora_promotes"), 10, false, G::group_velmora_promotes,
     KIND::move},
    {"pPROMOTES", VELMORA_EVENT("player_promotes"), 10, false, G::group_player_promotes,
     KIND::move},
    {"vNORMAL", VELMORA_EVENT("velmora_moves"), 100, true, G::group_velmora_moves, KIND::move},
    {"pNORMAL", VELMORA_EVENT("player_moves"), 99, true, G::group_player_moves, KIND::move},
    {"vEP_CAPTURES", VELMORA_EVENT("velmora_ep_captures"), 40, false, G::group_velmora_ep_captures,
     KIND::move},
    {"pEP_CAPTURES", VELMORA_EVENT("player_ep_captures"), 40, false, G::group_player_ep_captures,
     KIND::move},
    {"vCHECKS", VELMORA_EVENT("velmora_checks"), 95, false, G::group_velmora_checks, KIND::move},
    {"pCHECKS", VELMORA_EVENT("player_checks"), 95, false, G::group_player_checks, KIND::move},
    {"vCASTLES", VELMORA_EVENT("velmora_castles"), 80, false, G::group_velmora_castles, KIND::move},
    {"pCASTLES", VELMORA_EVENT("player_castles"), 80, false, G::group_player_castles, KIND::move},
    {"vCAPTURES_ROOK", VELMORA_EVENT("velmora_captures_rook"), 30, false,
     G::group_velmora_captures_rook, KIND::move},
    {"pCAPTURES_ROOK", VELMORA_EVENT("player_captures_rook"), 30, false,
     G::group_player_captures_rook, KIND::move},
    {"vCAPTURES_QUEEN", VELMORA_EVENT("velmora_captures_queen"), 20, false,
     G::group_velmora_captures_queen, KIND::move},
    {"pCAPTURES_QUEEN", VELMORA_EVENT("player_captures_queen"), 20, false,
     G::group_player_captures_queen, KIND::move},
    {"vCAPTURES_PAWN", VELMORA_EVENT("velmora_captures_pawn"), 90, false,
     G::group_velmora_captures_pawn, KIND::move},
    {"pCAPTURES_PAWN", VELMORA_EVENT("player_captures_pawn"), 90, false,
     G::group_player_captures_pawn, KIND::move},
    {"vCAPTURES_KNIGHT", VELMORA_EVENT("velmora_captures_knight"), 70, false,
     G::group_velmora_captures_knight, KIND::move},
    {"pCAPTURES_KNIGHT", VELMORA_EVENT("player_captures_knight"), 70, false,
     G::group_player_captures_knight, KIND::move},
    {"vCAPTURES_BISHOP", VELMORA_EVENT("velmora_captures_bishop"), 60, false,
     G::group_velmora_captures_bishop, KIND::move},
    {"pCAPTURES_BISHOP", VELMORA_EVENT("player_captures_bishop"), 60, false,
     G::group_player_captures_bishop, KIND::move},
};

// The clip starts the fixture offers for a group: group n plays from n x 100, except these.
std::set<int32_t> clip_starts(int32_t group) {
    switch (group) {
    case G::group_nogame:
        return {100, 160};
    case G::group_player_checks:
        return {5000};
    case G::group_velmora_checks:
        return {3600, 5000};
    default:
        return {group * 100};
    }
}

// The text group n says in the fixture when its words follow the pattern.
std::string pattern_text(int32_t group) {
    return VELMORA_GROUP_LIST::instance().key(group) + " text.";
}

} // namespace

TEST(VelmoraEvents, EveryClassHasItsPriorityAndAcceptance) {
    for (const ROW& row : rows) {
        EXPECT_EQ(row.event.priority(), row.priority) << row.name;
        EXPECT_EQ(row.event.always_accepted(), row.always) << row.name;
    }
}

TEST(VelmoraEvents, EveryClassDrawsFromItsGroupAsItsKindSays) {
    VELMORA velmora(persona_test::fixture_path());
    ASSERT_FALSE(velmora.failed()) << velmora.error_message();
    for (bool seated : {true, false}) {
        velmora.set_showing(seated);
        for (const ROW& row : rows) {
            for (int repeat = 0; repeat < 8; ++repeat) {
                VELMORA_EVENT event = row.event;
                velmora.execute_now(event);
                if (row.kind == KIND::text) {
                    EXPECT_FALSE(event.video_clip) << row.name;
                    ASSERT_TRUE(event.text_message) << row.name;
                    continue;
                }
                ASSERT_TRUE(event.video_clip) << row.name;
                const int32_t group =
                    row.kind == KIND::seated && !seated ? G::group_nogame : row.group;
                EXPECT_EQ(clip_starts(group).count(event.video_clip->start_frame), 1u)
                    << row.name << " seated " << seated;
                if (group == G::group_nogame || group == G::group_flip_board) {
                    EXPECT_FALSE(event.text_message) << row.name;
                } else if (clip_starts(group).size() == 1 && event.text_message &&
                           group * 100 == event.video_clip->start_frame) {
                    EXPECT_EQ(event.text_message->lines[0], pattern_text(group)) << row.name;
                }
            }
        }
    }
}

TEST(VelmoraEvents, TextOnlyEventsSayTheirGroupsWords) {
    VELMORA velmora(persona_test::fixture_path());
    struct SAID {
        VELMORA_EVENT event;
        std::string first_line;
    };
    std::vector<SAID> said = {
        {VELMORA_EVENT::help(3), "help3 text."},
        {VELMORA_EVENT::help(26), "General help."},
        {VELMORA_EVENT("request_hint"), "request_hint text."},
        {VELMORA_EVENT("save_game"), "Saved to *$filename*."},
    };
    for (SAID& s : said) {
        velmora.execute_now(s.event);
        EXPECT_EQ(s.event.text_message->lines[0], s.first_line);
    }
}

TEST(VelmoraEvents, TheClipsTextComesFromTheGroupTheClipCameThrough) {
    VELMORA velmora(persona_test::fixture_path());
    velmora.set_showing(true);
    for (int i = 0; i < 40; ++i) {
        VELMORA_EVENT check("velmora_checks");
        velmora.execute_now(check);
        ASSERT_TRUE(check.text_message);
        if (check.video_clip->start_frame == 5000) {
            EXPECT_EQ(check.text_message->lines[0], "Check text.");
        } else {
            const std::string line = check.text_message->lines[0];
            EXPECT_TRUE(line == "I check you." || line == "Check text.") << line;
        }
    }
}

TEST(VelmoraEvents, AnEventWithoutDataBaseDrawsNothing) {
    VELMORA_EVENT event("game_start");
    event.execute();
    EXPECT_FALSE(event.video_clip);
    EXPECT_FALSE(event.text_message);
}

TEST(VelmoraEvents, AMoveIsClassifiedByCheckThenTypeThenCapture) {
    using M = CHESS_MOVE_CONSTANTS;
    struct CASE {
        bool check;
        int32_t type;
        int32_t captured;
        std::string kind;
    };
    const std::vector<CASE> cases = {
        {true, M::move_normal, 5, "checks"},
        {true, M::move_en_passant, 1, "checks"},
        {false, M::move_en_passant, 1, "ep_captures"},
        {false, M::move_promote_knight, 4, "promotes"},
        {false, M::move_castle_queenside, 0, "castles"},
        {false, M::move_castle_kingside, 0, "castles"},
        {false, M::move_pawn, 1, "captures_pawn"},
        {false, M::move_normal, 2, "captures_bishop"},
        {false, M::move_normal, 9, "captures_knight"},
        {false, M::move_rook_kingside, 10, "captures_rook"},
        {false, M::move_king, 11, "captures_queen"},
        {false, M::move_pawn_double, 0, "moves"},
    };
    for (const CASE& c : cases) {
        for (bool velmora : {true, false}) {
            const VELMORA_EVENT event =
                VELMORA_EVENT::for_move(velmora, c.check, c.type, c.captured);
            EXPECT_EQ(VELMORA_GROUP_LIST::instance().key(event.group_id()),
                      (velmora ? "velmora_" : "player_") + c.kind)
                << c.type << " " << c.captured;
            EXPECT_EQ(event.is_velmora_move(), velmora);
        }
    }
}

TEST(VelmoraDebugEvents, TheListHasItsLabelsInOrder) {
    const std::vector<std::string> expected = {
        "DEFAULT",          "SITDOWN",          "STANDUP",
        "GAME_START",       "GAME_END",         "CREDITS",
        "THINKING",         "WEBCAM (off)",     "WEBCAM (on)",
        "NICKNAME_TAUNT",   "FLIP_BOARD",       "RESIGN_TAUNT",
        "UNDO_TAUNT",       "PLAYER_WINS",      "DRAW",
        "VELMORA_WINS",     "PLAYER_RESIGNS",   "STALE_MATE",
        "vCHECKS",          "vCASTLES",         "vEP_CAPTURES",
        "vPROMOTES",        "vCAPTURES_QUEEN",  "vCAPTURES_ROOK",
        "vCAPTURES_BISHOP", "vCAPTURES_KNIGHT", "vCAPTURES_PAWN",
        "vNORMAL",          "pCHECKS",          "pCASTLES",
        "pEP_CAPTURES",     "pPROMOTES",        "pCAPTURES_QUEEN",
        "pCAPTURES_ROOK",   "pCAPTURES_BISHOP", "pCAPTURES_KNIGHT",
        "pCAPTURES_PAWN",   "pNORMAL"};
    EXPECT_EQ(VELMORA_DEBUG_EVENTS::labels(), expected);
}

TEST(VelmoraDebugEvents, EachLabelMakesItsEvent) {
    for (const ROW& row : rows) {
        std::string label = row.name;
        if (label == "WEBCAM on" || label == "WEBCAM off") {
            label = label == "WEBCAM on" ? "WEBCAM (on)" : "WEBCAM (off)";
        }
        const std::optional<VELMORA_EVENT> made = VELMORA_DEBUG_EVENTS::make(label);
        const bool listed = std::count(VELMORA_DEBUG_EVENTS::labels().begin(),
                                       VELMORA_DEBUG_EVENTS::labels().end(), label) == 1;
        if (!listed) {
            EXPECT_FALSE(made) << label;
            continue;
        }
        ASSERT_TRUE(made) << label;
        EXPECT_EQ(made->group_id(), row.event.group_id()) << label;
        EXPECT_EQ(made->priority(), row.priority) << label;
    }
    EXPECT_FALSE(VELMORA_DEBUG_EVENTS::make("vNOTHING"));
}
