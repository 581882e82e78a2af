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

// Group identifiers by event key.
using T = VELMORA_EVENT_TABLE;

const std::vector<ROW> rows = {
    {"STATISTICS", VELMORA_EVENT("statistics"), 1, true, T::id("statistics"), KIND::text},
    {"START", VELMORA_EVENT("start_help"), 1, true, T::id("start_help"), KIND::text},
    {"SAVE_ERROR", VELMORA_EVENT("save_error"), 1, true, T::id("save_error"), KIND::text},
    {"SAVE", VELMORA_EVENT("save_game"), 1, true, T::id("save_game"), KIND::text},
    {"RESIGN_CONFIRM", VELMORA_EVENT("resign_confirmation"), 1, true, T::id("resign_confirmation"),
     KIND::text},
    {"LOAD_ERROR", VELMORA_EVENT("load_error"), 1, true, T::id("load_error"), KIND::text},
    {"LOAD", VELMORA_EVENT("load_game"), 1, true, T::id("load_game"), KIND::text},
    {"HINT_BEFORE", VELMORA_EVENT("request_hint"), 1, true, T::id("request_hint"), KIND::text},
    {"HINT_AFTER", VELMORA_EVENT("issue_hint"), 1, true, T::id("issue_hint"), KIND::text},
    {"HELP 0", VELMORA_EVENT::help(0), 1, true, T::id("help"), KIND::text},
    {"HELP 1", VELMORA_EVENT::help(1), 1, true, 58, KIND::text},
    {"HELP 25", VELMORA_EVENT::help(25), 1, true, 82, KIND::text},
    {"HELP 26", VELMORA_EVENT::help(26), 1, true, T::id("help"), KIND::text},
    {"HELP -3", VELMORA_EVENT::help(-3), 1, true, T::id("help"), KIND::text},
    {"CHANGE_NICKNAME", VELMORA_EVENT("change_nickname"), 1, true, T::id("change_nickname"),
     KIND::text},
    {"ABOUT", VELMORA_EVENT("about"), 1, true, T::id("about"), KIND::text},
    {"DEFAULT", VELMORA_EVENT("general_behavior"), 1, true, T::id("general_behavior"),
     KIND::seated},
    {"WEBCAM on", VELMORA_EVENT("webcam_on"), 5, false, T::id("webcam_on"), KIND::seated},
    {"WEBCAM off", VELMORA_EVENT("webcam_off"), 5, false, T::id("webcam_off"), KIND::seated},
    {"UNDO_TAUNT", VELMORA_EVENT("undo_taunt"), 4, false, T::id("undo_taunt"), KIND::clip},
    {"THINKING", VELMORA_EVENT("velmora_thinking"), 101, true, T::id("velmora_thinking"),
     KIND::clip},
    {"STANDUP", VELMORA_EVENT("standup"), 1, true, T::id("standup"), KIND::clip},
    {"STALE_MATE", VELMORA_EVENT("stalemate"), 1, true, T::id("stalemate"), KIND::clip},
    {"SITDOWN", VELMORA_EVENT("sitdown"), 1, true, T::id("sitdown"), KIND::clip},
    {"RESIGN_TAUNT", VELMORA_EVENT("resign_taunt"), 4, false, T::id("resign_taunt"), KIND::clip},
    {"PLAYER_WINS", VELMORA_EVENT("player_wins"), 1, true, T::id("player_wins"), KIND::clip},
    {"PLAYER_RESIGNS", VELMORA_EVENT("player_resigns"), 1, true, T::id("player_resigns"),
     KIND::clip},
    {"NICKNAME_TAUNT", VELMORA_EVENT("nickname_taunt"), 4, false, T::id("nickname_taunt"),
     KIND::seated},
    {"VELMORA_WINS", VELMORA_EVENT("velmora_wins"), 1, true, T::id("velmora_wins"), KIND::clip},
    {"GAME_START", VELMORA_EVENT("game_start"), 1, true, T::id("game_start"), KIND::clip},
    {"GAME_END", VELMORA_EVENT("game_end"), 1, true, T::id("game_end"), KIND::clip},
    {"GAME_CONTINUE", VELMORA_EVENT("game_continue"), 1, true, T::id("game_continue"), KIND::clip},
    {"FLIP_BOARD", VELMORA_EVENT("flip_board"), 5, false, T::id("flip_board"), KIND::seated},
    {"EASTER_EGG", VELMORA_EVENT("ee"), 1, false, T::id("ee"), KIND::clip},
    {"DRAW", VELMORA_EVENT("draw"), 1, true, T::id("draw"), KIND::clip},
    {"CREDITS", VELMORA_EVENT("credits"), 1, false, T::id("credits"), KIND::clip},
    {"vPROMOTES", VELMORA_EVENT("velmora_promotes"), 10, false, T::id("velmora_promotes"),
     KIND::move},
    {"pPROMOTES", VELMORA_EVENT("player_promotes"), 10, false, T::id("player_promotes"),
     KIND::move},
    {"vNORMAL", VELMORA_EVENT("velmora_moves"), 100, true, T::id("velmora_moves"), KIND::move},
    {"pNORMAL", VELMORA_EVENT("player_moves"), 99, true, T::id("player_moves"), KIND::move},
    {"vEP_CAPTURES", VELMORA_EVENT("velmora_ep_captures"), 40, false, T::id("velmora_ep_captures"),
     KIND::move},
    {"pEP_CAPTURES", VELMORA_EVENT("player_ep_captures"), 40, false, T::id("player_ep_captures"),
     KIND::move},
    {"vCHECKS", VELMORA_EVENT("velmora_checks"), 95, false, T::id("velmora_checks"), KIND::move},
    {"pCHECKS", VELMORA_EVENT("player_checks"), 95, false, T::id("player_checks"), KIND::move},
    {"vCASTLES", VELMORA_EVENT("velmora_castles"), 80, false, T::id("velmora_castles"), KIND::move},
    {"pCASTLES", VELMORA_EVENT("player_castles"), 80, false, T::id("player_castles"), KIND::move},
    {"vCAPTURES_ROOK", VELMORA_EVENT("velmora_captures_rook"), 30, false,
     T::id("velmora_captures_rook"), KIND::move},
    {"pCAPTURES_ROOK", VELMORA_EVENT("player_captures_rook"), 30, false,
     T::id("player_captures_rook"), KIND::move},
    {"vCAPTURES_QUEEN", VELMORA_EVENT("velmora_captures_queen"), 20, false,
     T::id("velmora_captures_queen"), KIND::move},
    {"pCAPTURES_QUEEN", VELMORA_EVENT("player_captures_queen"), 20, false,
     T::id("player_captures_queen"), KIND::move},
    {"vCAPTURES_PAWN", VELMORA_EVENT("velmora_captures_pawn"), 90, false,
     T::id("velmora_captures_pawn"), KIND::move},
    {"pCAPTURES_PAWN", VELMORA_EVENT("player_captures_pawn"), 90, false,
     T::id("player_captures_pawn"), KIND::move},
    {"vCAPTURES_KNIGHT", VELMORA_EVENT("velmora_captures_knight"), 70, false,
     T::id("velmora_captures_knight"), KIND::move},
    {"pCAPTURES_KNIGHT", VELMORA_EVENT("player_captures_knight"), 70, false,
     T::id("player_captures_knight"), KIND::move},
    {"vCAPTURES_BISHOP", VELMORA_EVENT("velmora_captures_bishop"), 60, false,
     T::id("velmora_captures_bishop"), KIND::move},
    {"pCAPTURES_BISHOP", VELMORA_EVENT("player_captures_bishop"), 60, false,
     T::id("player_captures_bishop"), KIND::move},
};

// The clip starts the fixture offers for a group: group n plays from n x 100, except these.
std::set<int32_t> clip_starts(int32_t id) {
    if (id == T::id("nogame")) {
        return {100, 160};
    }
    if (id == T::id("player_checks")) {
        return {5000};
    }
    if (id == T::id("velmora_checks")) {
        return {3600, 5000};
    }
    return {id * 100};
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
                    row.kind == KIND::seated && !seated ? T::id("nogame") : row.group;
                EXPECT_EQ(clip_starts(group).count(event.video_clip->start_frame), 1u)
                    << row.name << " seated " << seated;
                if (group == T::id("nogame") || group == T::id("flip_board")) {
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
