#include "persona/velmora.h"
#include "persona/velmora_debug_events.h"
#include "persona/velmora_event_about.h"
#include "persona/velmora_event_captures_bishop.h"
#include "persona/velmora_event_captures_knight.h"
#include "persona/velmora_event_captures_pawn.h"
#include "persona/velmora_event_captures_queen.h"
#include "persona/velmora_event_captures_rook.h"
#include "persona/velmora_event_castles.h"
#include "persona/velmora_event_change_nickname.h"
#include "persona/velmora_event_checks.h"
#include "persona/velmora_event_credits.h"
#include "persona/velmora_event_default.h"
#include "persona/velmora_event_draw.h"
#include "persona/velmora_event_easter_egg.h"
#include "persona/velmora_event_ep_captures.h"
#include "persona/velmora_event_flip_board.h"
#include "persona/velmora_event_game_continue.h"
#include "persona/velmora_event_game_end.h"
#include "persona/velmora_event_game_start.h"
#include "persona/velmora_event_help.h"
#include "persona/velmora_event_hint_after.h"
#include "persona/velmora_event_hint_before.h"
#include "persona/velmora_event_load.h"
#include "persona/velmora_event_load_error.h"
#include "persona/velmora_event_nickname_taunt.h"
#include "persona/velmora_event_normal.h"
#include "persona/velmora_event_player_resigns.h"
#include "persona/velmora_event_player_wins.h"
#include "persona/velmora_event_promotes.h"
#include "persona/velmora_event_resign_confirm.h"
#include "persona/velmora_event_resign_taunt.h"
#include "persona/velmora_event_save.h"
#include "persona/velmora_event_save_error.h"
#include "persona/velmora_event_sitdown.h"
#include "persona/velmora_event_stale_mate.h"
#include "persona/velmora_event_standup.h"
#include "persona/velmora_event_start.h"
#include "persona/velmora_event_statistics.h"
#include "persona/velmora_event_thinking.h"
#include "persona/velmora_event_undo_taunt.h"
#include "persona/velmora_event_velmora_wins.h"
#include "persona/velmora_event_webcam_changed.h"
#include "persona/velmora_group_list.h"
#include "persona_test_files.h"
#include "rules/chess_constants.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

enum class KIND { text, clip, seated, move };

struct ROW {
    std::string name;
    std::function<std::unique_ptr<VELMORA_EVENT>()> make;
    int32_t priority;
    bool always;
    int32_t group; // the group drawn from while the character is seated
    KIND kind;
};

template <typename EVENT, typename... ARGS>
std::function<std::unique_ptr<VELMORA_EVENT>()> maker(ARGS... args) {
    return [=] { return std::make_unique<EVENT>(args...); };
}

using G = VELMORA_GROUP_CONSTANTS;

const std::vector<ROW> rows = {
    {"STATISTICS", maker<VELMORA_EVENT_STATISTICS>(), 1, true, G::group_statistics, KIND::text},
    {"START", maker<VELMORA_EVENT_START>(), 1, true, G::group_start_help, KIND::text},
    {"SAVE_ERROR", maker<VELMORA_EVENT_SAVE_ERROR>(), 1, true, G::group_save_error, KIND::text},
    {"SAVE", maker<VELMORA_EVENT_SAVE>(), 1, true, G::group_save_game, KIND::text},
    {"RESIGN_CONFIRM", maker<VELMORA_EVENT_RESIGN_CONFIRM>(), 1, true, G::group_resign_confirmation,
     KIND::text},
    {"LOAD_ERROR", maker<VELMORA_EVENT_LOAD_ERROR>(), 1, true, G::group_load_error, KIND::text},
    {"LOAD", maker<VELMORA_EVENT_LOAD>(), 1, true, G::group_load_game, KIND::text},
    {"HINT_BEFORE", maker<VELMORA_EVENT_HINT_BEFORE>(), 1, true, G::group_request_hint, KIND::text},
    {"HINT_AFTER", maker<VELMORA_EVENT_HINT_AFTER>(), 1, true, G::group_issue_hint, KIND::text},
    {"HELP 0", maker<VELMORA_EVENT_HELP>(0), 1, true, G::group_help, KIND::text},
    {"HELP 1", maker<VELMORA_EVENT_HELP>(1), 1, true, 58, KIND::text},
    {"HELP 25", maker<VELMORA_EVENT_HELP>(25), 1, true, 82, KIND::text},
    {"HELP 26", maker<VELMORA_EVENT_HELP>(26), 1, true, G::group_help, KIND::text},
    {"HELP -3", maker<VELMORA_EVENT_HELP>(-3), 1, true, G::group_help, KIND::text},
    {"CHANGE_NICKNAME", maker<VELMORA_EVENT_CHANGE_NICKNAME>(), 1, true, G::group_change_nickname,
     KIND::text},
    {"ABOUT", maker<VELMORA_EVENT_ABOUT>(), 1, true, G::group_about, KIND::text},
    {"DEFAULT", maker<VELMORA_EVENT_DEFAULT>(), 1, true, G::group_general_behavior, KIND::seated},
    {"WEBCAM on", maker<VELMORA_EVENT_WEBCAM_CHANGED>(true), 5, false, G::group_webcam_on,
     KIND::seated},
    {"WEBCAM off", maker<VELMORA_EVENT_WEBCAM_CHANGED>(false), 5, false, G::group_webcam_off,
     KIND::seated},
    {"UNDO_TAUNT", maker<VELMORA_EVENT_UNDO_TAUNT>(), 4, false, G::group_undo_taunt, KIND::clip},
    {"THINKING", maker<VELMORA_EVENT_THINKING>(), 101, true, G::group_velmora_thinking, KIND::clip},
    {"STANDUP", maker<VELMORA_EVENT_STANDUP>(), 1, true, G::group_standup, KIND::clip},
    {"STALE_MATE", maker<VELMORA_EVENT_STALE_MATE>(), 1, true, G::group_stalemate, KIND::clip},
    {"SITDOWN", maker<VELMORA_EVENT_SITDOWN>(), 1, true, G::group_sitdown, KIND::clip},
    {"RESIGN_TAUNT", maker<VELMORA_EVENT_RESIGN_TAUNT>(), 4, false, G::group_resign_taunt,
     KIND::clip},
    {"PLAYER_WINS", maker<VELMORA_EVENT_PLAYER_WINS>(), 1, true, G::group_player_wins, KIND::clip},
    {"PLAYER_RESIGNS", maker<VELMORA_EVENT_PLAYER_RESIGNS>(), 1, true, G::group_player_resigns,
     KIND::clip},
    {"NICKNAME_TAUNT", maker<VELMORA_EVENT_NICKNAME_TAUNT>(), 4, false, G::group_nickname_taunt,
     KIND::seated},
    {"VELMORA_WINS", maker<VELMORA_EVENT_VELMORA_WINS>(), 1, true, G::group_velmora_wins,
     KIND::clip},
    {"GAME_START", maker<VELMORA_EVENT_GAME_START>(), 1, true, G::group_game_start, KIND::clip},
    {"GAME_END", maker<VELMORA_EVENT_GAME_END>(), 1, true, G::group_game_end, KIND::clip},
    {"GAME_CONTINUE", maker<VELMORA_EVENT_GAME_CONTINUE>(), 1, true, G::group_game_continue,
     KIND::clip},
    {"FLIP_BOARD", maker<VELMORA_EVENT_FLIP_BOARD>(), 5, false, G::group_flip_board, KIND::seated},
    {"EASTER_EGG", maker<VELMORA_EVENT_EASTER_EGG>(), 1, false, G::group_ee, KIND::clip},
    {"DRAW", maker<VELMORA_EVENT_DRAW>(), 1, true, G::group_draw, KIND::clip},
    {"CREDITS", maker<VELMORA_EVENT_CREDITS>(), 1, false, G::group_credits, KIND::clip},
    {"vPROMOTES", maker<VELMORA_EVENT_PROMOTES>(true), 10, false, G::group_velmora_promotes,
     KIND::move},
    {"pPROMOTES", maker<VELMORA_EVENT_PROMOTES>(false), 10, false, G::group_player_promotes,
     KIND::move},
    {"vNORMAL", maker<VELMORA_EVENT_NORMAL>(true), 100, true, G::group_velmora_moves, KIND::move},
    {"pNORMAL", maker<VELMORA_EVENT_NORMAL>(false), 99, true, G::group_player_moves, KIND::move},
    {"vEP_CAPTURES", maker<VELMORA_EVENT_EP_CAPTURES>(true), 40, false,
     G::group_velmora_ep_captures, KIND::move},
    {"pEP_CAPTURES", maker<VELMORA_EVENT_EP_CAPTURES>(false), 40, false,
     G::group_player_ep_captures, KIND::move},
    {"vCHECKS", maker<VELMORA_EVENT_CHECKS>(true), 95, false, G::group_velmora_checks, KIND::move},
    {"pCHECKS", maker<VELMORA_EVENT_CHECKS>(false), 95, false, G::group_player_checks, KIND::move},
    {"vCASTLES", maker<VELMORA_EVENT_CASTLES>(true), 80, false, G::group_velmora_castles,
     KIND::move},
    {"pCASTLES", maker<VELMORA_EVENT_CASTLES>(false), 80, false, G::group_player_castles,
     KIND::move},
    {"vCAPTURES_ROOK", maker<VELMORA_EVENT_CAPTURES_ROOK>(true), 30, false,
     G::group_velmora_captures_rook, KIND::move},
    {"pCAPTURES_ROOK", maker<VELMORA_EVENT_CAPTURES_ROOK>(false), 30, false,
     G::group_player_captures_rook, KIND::move},
    {"vCAPTURES_QUEEN", maker<VELMORA_EVENT_CAPTURES_QUEEN>(true), 20, false,
     G::group_velmora_captures_queen, KIND::move},
    {"pCAPTURES_QUEEN", maker<VELMORA_EVENT_CAPTURES_QUEEN>(false), 20, false,
     G::group_player_captures_queen, KIND::move},
    {"vCAPTURES_PAWN", maker<VELMORA_EVENT_CAPTURES_PAWN>(true), 90, false,
     G::group_velmora_captures_pawn, KIND::move},
    {"pCAPTURES_PAWN", maker<VELMORA_EVENT_CAPTURES_PAWN>(false), 90, false,
     G::group_player_captures_pawn, KIND::move},
    {"vCAPTURES_KNIGHT", maker<VELMORA_EVENT_CAPTURES_KNIGHT>(true), 70, false,
     G::group_velmora_captures_knight, KIND::move},
    {"pCAPTURES_KNIGHT", maker<VELMORA_EVENT_CAPTURES_KNIGHT>(false), 70, false,
     G::group_player_captures_knight, KIND::move},
    {"vCAPTURES_BISHOP", maker<VELMORA_EVENT_CAPTURES_BISHOP>(true), 60, false,
     G::group_velmora_captures_bishop, KIND::move},
    {"pCAPTURES_BISHOP", maker<VELMORA_EVENT_CAPTURES_BISHOP>(false), 60, false,
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
        const auto event = row.make();
        EXPECT_EQ(event->priority(), row.priority) << row.name;
        EXPECT_EQ(event->always_accepted(), row.always) << row.name;
    }
}

TEST(VelmoraEvents, EveryClassDrawsFromItsGroupAsItsKindSays) {
    VELMORA velmora(persona_test::fixture_path());
    ASSERT_FALSE(velmora.failed()) << velmora.error_message();
    for (bool seated : {true, false}) {
        velmora.set_showing(seated);
        for (const ROW& row : rows) {
            for (int repeat = 0; repeat < 8; ++repeat) {
                const auto event = row.make();
                velmora.execute_now(*event);
                if (row.kind == KIND::text) {
                    EXPECT_FALSE(event->video_clip) << row.name;
                    ASSERT_TRUE(event->text_message) << row.name;
                    continue;
                }
                ASSERT_TRUE(event->video_clip) << row.name;
                const int32_t group =
                    row.kind == KIND::seated && !seated ? G::group_nogame : row.group;
                EXPECT_EQ(clip_starts(group).count(event->video_clip->start_frame), 1u)
                    << row.name << " seated " << seated;
                if (group == G::group_nogame || group == G::group_flip_board) {
                    EXPECT_FALSE(event->text_message) << row.name;
                } else if (clip_starts(group).size() == 1 && event->text_message &&
                           group * 100 == event->video_clip->start_frame) {
                    EXPECT_EQ(event->text_message->lines[0], pattern_text(group)) << row.name;
                }
            }
        }
    }
}

TEST(VelmoraEvents, TextOnlyEventsSayTheirGroupsWords) {
    VELMORA velmora(persona_test::fixture_path());
    struct SAID {
        std::unique_ptr<VELMORA_EVENT> event;
        std::string first_line;
    };
    std::vector<SAID> said;
    said.push_back({std::make_unique<VELMORA_EVENT_HELP>(3), "help3 text."});
    said.push_back({std::make_unique<VELMORA_EVENT_HELP>(26), "General help."});
    said.push_back({std::make_unique<VELMORA_EVENT_HINT_BEFORE>(), "request_hint text."});
    said.push_back({std::make_unique<VELMORA_EVENT_SAVE>(), "Saved to *$filename*."});
    for (SAID& s : said) {
        velmora.execute_now(*s.event);
        EXPECT_EQ(s.event->text_message->lines[0], s.first_line);
    }
}

TEST(VelmoraEvents, TheClipsTextComesFromTheGroupTheClipCameThrough) {
    VELMORA velmora(persona_test::fixture_path());
    velmora.set_showing(true);
    for (int i = 0; i < 40; ++i) {
        VELMORA_EVENT_CHECKS check(true);
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
    VELMORA_EVENT_GAME_START event;
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
        const std::type_info& expected;
    };
    const std::vector<CASE> cases = {
        {true, M::move_normal, 5, typeid(VELMORA_EVENT_CHECKS)},
        {true, M::move_en_passant, 1, typeid(VELMORA_EVENT_CHECKS)},
        {false, M::move_en_passant, 1, typeid(VELMORA_EVENT_EP_CAPTURES)},
        {false, M::move_promote_knight, 4, typeid(VELMORA_EVENT_PROMOTES)},
        {false, M::move_castle_queenside, 0, typeid(VELMORA_EVENT_CASTLES)},
        {false, M::move_castle_kingside, 0, typeid(VELMORA_EVENT_CASTLES)},
        {false, M::move_pawn, 1, typeid(VELMORA_EVENT_CAPTURES_PAWN)},
        {false, M::move_normal, 2, typeid(VELMORA_EVENT_CAPTURES_BISHOP)},
        {false, M::move_normal, 9, typeid(VELMORA_EVENT_CAPTURES_KNIGHT)},
        {false, M::move_rook_kingside, 10, typeid(VELMORA_EVENT_CAPTURES_ROOK)},
        {false, M::move_king, 11, typeid(VELMORA_EVENT_CAPTURES_QUEEN)},
        {false, M::move_pawn_double, 0, typeid(VELMORA_EVENT_NORMAL)},
    };
    for (const CASE& c : cases) {
        for (bool velmora : {true, false}) {
            const auto event =
                VELMORA_EVENT_MOVE::make_for_move(velmora, c.check, c.type, c.captured);
            EXPECT_EQ(typeid(*event), c.expected) << c.type << " " << c.captured;
            EXPECT_EQ(event->is_velmora_move, velmora);
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
        const auto made = VELMORA_DEBUG_EVENTS::make(label);
        const bool listed = std::count(VELMORA_DEBUG_EVENTS::labels().begin(),
                                       VELMORA_DEBUG_EVENTS::labels().end(), label) == 1;
        if (!listed) {
            EXPECT_EQ(made, nullptr) << label;
            continue;
        }
        ASSERT_NE(made, nullptr) << label;
        const auto expected = row.make();
        EXPECT_EQ(typeid(*made), typeid(*expected)) << label;
        EXPECT_EQ(made->priority(), expected->priority()) << label;
        if (const auto* move = dynamic_cast<const VELMORA_EVENT_MOVE*>(made.get())) {
            EXPECT_EQ(move->is_velmora_move, label[0] == 'v') << label;
        }
        if (const auto* webcam = dynamic_cast<const VELMORA_EVENT_WEBCAM_CHANGED*>(made.get())) {
            EXPECT_EQ(webcam->is_webcam_on, label == "WEBCAM (on)");
        }
    }
    EXPECT_EQ(VELMORA_DEBUG_EVENTS::make(std::size_t{38}), nullptr);
}
