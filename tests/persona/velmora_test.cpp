#include "persona/velmora.h"
#include "persona/velmora_group_list.h"
#include "persona_test_files.h"
#include "rules/kwo_random.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace persona_test;

TEST(VelmoraGroups, TheListNamesEveryPredefinedGroup) {
    const VELMORA_GROUP_LIST& list = VELMORA_GROUP_LIST::instance();
    EXPECT_EQ(list.items().size(), 89u);
    struct ROW {
        int32_t id;
        std::string name;
        bool text;
    };
    for (const ROW& row : std::vector<ROW>{{2, "@NOGAME", false},
                                           {13, "@VELMORA_THINKING", false},
                                           {26, "@PLAYER_CHECKS", false},
                                           {45, "@VELMORA_MOVES", false},
                                           {46, "@START_HELP", true},
                                           {56, "@ABOUT", true},
                                           {57, "@HELP", true},
                                           {58, "@HELP1", true},
                                           {82, "@HELP25", true},
                                           {83, "@EE", false},
                                           {84, "@REVIEW_BLUNDER", true},
                                           {89, "@REVIEW_CLEAN_GAME", true},
                                           {90, "@OPENING", true}}) {
        const VELMORA_GROUP_INFO& info = list.item(row.id);
        EXPECT_EQ(info.group_id, row.id);
        EXPECT_EQ(info.group_name, row.name);
        EXPECT_EQ(info.requires_text, row.text) << row.name;
        EXPECT_EQ(info.requires_clips, !row.text) << row.name;
        EXPECT_EQ(info.optional, row.id >= 84) << row.name;
    }
    EXPECT_EQ(list.key(3), "sitdown");
}

// The review's groups may be left out; a persona that has one is held to it like any group.
TEST(VelmoraValidation, AnOptionalGroupMayBeMissingButNotWrong) {
    struct CASE {
        std::string added;
        std::string message; // the message ends with it; empty: the persona loads
    };
    const std::vector<CASE> cases = {
        {"", ""},
        {"\n[@REVIEW_BLUNDER]\nT That was $played; $better was kinder.\n", ""},
        {"\n[@REVIEW_MISTAKE]\nV 8300 8350\n",
         "Pre-defined group '@REVIEW_MISTAKE' missing required text"},
        {"\n[@REVIEW_BEST_MOVE]\n", "empty group '@REVIEW_BEST_MOVE' not allowed"},
    };
    for (const CASE& c : cases) {
        const VELMORA velmora(write_file("optional.dat", open_fixture() + c.added));
        EXPECT_EQ(velmora.failed(), !c.message.empty()) << c.added;
        const std::string& message = velmora.error_message();
        EXPECT_TRUE(
            message.size() >= c.message.size() &&
            message.compare(message.size() - c.message.size(), std::string::npos, c.message) == 0)
            << message;
    }
    // Its texts pass the same markup check as every other group's.
    const VELMORA broken(write_file(
        "broken.dat", open_fixture() + "\n[@REVIEW_CLEAN_GAME]\nT A *bold <link> try.\n"));
    EXPECT_TRUE(broken.failed());
    EXPECT_NE(broken.error_message().find("broken.dat, line"), std::string::npos)
        << broken.error_message();
}

TEST(VelmoraEvents, AnOptionalGroupSpeaksWhenPresentAndIsSilentOtherwise) {
    for (const bool present : {false, true}) {
        const std::string added = present ? "\n[@REVIEW_HER_MISTAKE]\nT My fault.\n" : "";
        VELMORA velmora(write_file("speaks.dat", open_fixture() + added));
        ASSERT_FALSE(velmora.failed()) << velmora.error_message();
        VELMORA_EVENT event("review_her_mistake");
        velmora.execute_now(event);
        EXPECT_FALSE(event.video_clip);
        ASSERT_EQ(event.text_message.has_value(), present);
        if (present) {
            EXPECT_EQ(event.text_message->lines, std::vector<std::string>{"My fault."});
        }
    }
}

TEST(VelmoraValidation, TheFixtureLoads) {
    const VELMORA velmora(fixture_path());
    ASSERT_FALSE(velmora.failed()) << velmora.error_message();
    EXPECT_EQ(velmora.nickname(), "Velmora");
    EXPECT_TRUE(velmora.debug_mode());
    EXPECT_FALSE(velmora.showing());
    EXPECT_EQ(velmora.score(), 0);
    EXPECT_EQ(velmora.current_event(), nullptr);
    EXPECT_FALSE(velmora.video_clip());
    EXPECT_FALSE(velmora.text_message());
}

TEST(VelmoraValidation, TheFirstBadPredefinedGroupIsReported) {
    struct CASE {
        std::string from;
        std::string to;
        std::string message;
    };
    const std::vector<CASE> cases = {
        {"[@SITDOWN]", "[SITDOWN]", "Pre-defined group '@SITDOWN' does not exist"},
        {"[@HELP7]\nT help7 text.", "[@HELP7]\nV 1 2",
         "Pre-defined group '@HELP7' missing required text"},
        {"[@EE]\nV 8300 8350", "[@EE]", "Pre-defined group '@EE' missing required clips"},
        {"[@NOGAME]\nV 100 150\nV 160 190", "[@NOGAME]\nT x",
         "Pre-defined group '@NOGAME' missing required clips"},
    };
    for (const CASE& c : cases) {
        const std::string edited = replaced(open_fixture(), c.from, c.to);
        ASSERT_NE(edited, open_fixture()) << c.from;
        const VELMORA velmora(write_file("edited.dat", edited));
        EXPECT_TRUE(velmora.failed());
        EXPECT_EQ(velmora.error_message(), c.message);
    }
    // Two faults: the one of the lower identifier wins.
    const std::string both =
        replaced(replaced(open_fixture(), "[@EE]", "[EE]"), "[@DRAW]", "[DRAW]");
    EXPECT_EQ(VELMORA(write_file("both.dat", both)).error_message(),
              "Pre-defined group '@DRAW' does not exist");
}

TEST(VelmoraValidation, ALoaderFaultIsPassedOn) {
    const std::string path = write_file("bad.dat", "R G\n");
    const VELMORA velmora(path);
    EXPECT_TRUE(velmora.failed());
    EXPECT_EQ(velmora.error_message(), path + ", line 1: No N-record found in file");
    EXPECT_EQ(velmora.nickname(), "");
}

namespace {

const std::string draw_header = "M " + any_magic + "\nR M\nN a\n";

} // namespace

TEST(VelmoraDrawing, EachCandidateOfAGroupIsEquallyLikely) {
    // A has three candidates: its own text, group X and group Y (which has two texts).
    const std::string content = draw_header + "[X]\nT x1\n[Y]\nT y1\nT y2\n[A]\nT a1\nG x\nG y\n";
    VELMORA_DB db(write_file("draw.dat", content));
    ASSERT_FALSE(db.failed()) << db.error_message();
    db.seed(4711);
    std::map<std::string, int> seen;
    const int draws = 60000;
    for (int i = 0; i < draws; ++i) {
        const auto text = db.random_text("a");
        ASSERT_TRUE(text);
        ++seen[text->lines[0]];
        const VELMORA_DB_SEARCH_PATH& path = db.last_search_path();
        if (text->lines[0] == "x1") {
            EXPECT_EQ(path, (VELMORA_DB_SEARCH_PATH{"A", "X"}));
        } else if (text->lines[0] == "a1") {
            EXPECT_EQ(path, VELMORA_DB_SEARCH_PATH{"A"});
        }
    }
    EXPECT_NEAR(seen["a1"], draws / 3, draws / 50);
    EXPECT_NEAR(seen["x1"], draws / 3, draws / 50);
    EXPECT_NEAR(seen["y1"], draws / 6, draws / 50);
    EXPECT_NEAR(seen["y2"], draws / 6, draws / 50);
}

// Clips, and the texts of a group with two of them, take the plain uniform pick.
TEST(VelmoraDrawing, APickIsOneStepOfTheGeneratorModuloTheCandidates) {
    const std::string content = draw_header + "[A]\nT 1\nT 2\nV 1 2\nV 3 4\nV 5 6\n";
    VELMORA_DB db(write_file("pick.dat", content));
    ASSERT_FALSE(db.failed()) << db.error_message();
    db.seed(20240601);
    KWO_RANDOM reference(20240601);
    for (int i = 0; i < 50; ++i) {
        reference.forth();
        const int64_t v = reference.item() < 0 ? -int64_t{reference.item()} : reference.item();
        if (i % 2 == 0) {
            EXPECT_EQ(db.random_text("A")->lines[0], std::to_string(1 + v % 2));
        } else {
            EXPECT_EQ(db.random_clip("A")->start_frame, 1 + 2 * (v % 3));
        }
    }
}

// Texts come from a shuffled bag: each round draws every candidate once (an included group counts
// as one), in an order that changes from round to round, and no candidate comes twice in a row,
// across rounds too. The bag is the group's, whichever way its text is asked for.
TEST(VelmoraDrawing, TextsComeFromAShuffledBagThatNeverRepeatsATextInARow) {
    const std::string content = draw_header + "[INNER]\nT i1\nT i2\nT i3\n" +
                                "[A]\nT a1\nT a2\nT a3\n+ more\nT a4\nT a5\nG inner\nV 3 4\n";
    VELMORA_DB db(write_file("bag.dat", content));
    ASSERT_FALSE(db.failed()) << db.error_message();
    db.seed(99);
    const auto draw = [&db](int i) {
        if (i % 3 == 2) { // the way a clip event asks: the text follows the clip's path
            db.random_clip("a");
            return db.text_along_last_path()->lines[0];
        }
        return db.random_text("a")->lines[0];
    };
    const std::set<std::string> group = {"a1", "a2", "a3", "a4", "a5", "inner"};
    std::set<std::vector<std::string>> orders;
    std::string previous;
    std::map<std::string, int> inner_counts;
    for (int round = 0; round < 60; ++round) {
        std::vector<std::string> order;
        for (int i = 0; i < 6; ++i) {
            std::string line = draw(round * 6 + i);
            if (line.front() == 'i') {
                ++inner_counts[line];
                line = "inner";
            }
            EXPECT_NE(line, previous) << "round " << round;
            previous = line;
            order.push_back(line);
        }
        EXPECT_EQ(std::set<std::string>(order.begin(), order.end()), group) << "round " << round;
        orders.insert(order);
    }
    EXPECT_GT(orders.size(), 30u);
    // Inside the included group its own bag holds: after 60 draws, 20 of each.
    EXPECT_EQ(inner_counts, (std::map<std::string, int>{{"i1", 20}, {"i2", 20}, {"i3", 20}}));

    // Seeding again starts the same run of draws from fresh bags.
    const auto run = [&db, &draw] {
        db.seed(5);
        std::vector<std::string> drawn;
        for (int i = 0; i < 20; ++i) {
            drawn.push_back(draw(i));
        }
        return drawn;
    };
    const std::vector<std::string> first = run();
    EXPECT_EQ(run(), first);
}

TEST(VelmoraDrawing, ReferencesExpandAtEveryDepthWithTheirOwnDraws) {
    const std::string content = draw_header +
                                "[N1]\nT deep\n[N2]\nT [n1] two\n+ line [N1]\n[N3]\nT a [N2] b\n"
                                "[C]\nT c1\nT c2\n[D]\nT [c] [c]\n";
    VELMORA_DB db(write_file("nest.dat", content));
    ASSERT_FALSE(db.failed()) << db.error_message();
    EXPECT_EQ(db.random_text("n3")->lines, std::vector<std::string>{"a deep two line deep b"});
    std::set<std::string> pairs;
    for (int i = 0; i < 200; ++i) {
        pairs.insert(db.random_text("D")->lines[0]);
    }
    EXPECT_EQ(pairs, (std::set<std::string>{"c1 c1", "c1 c2", "c2 c1", "c2 c2"}));
}

TEST(VelmoraDrawing, AGroupWithOnlyAnIncludedGroupDrawsFromIt) {
    const std::string content = draw_header + "[INNER]\nT inner\nV 7 9\n[OUTER]\nG inner\n";
    VELMORA_DB db(write_file("only.dat", content));
    ASSERT_FALSE(db.failed()) << db.error_message();
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(db.random_text("outer")->lines[0], "inner");
        EXPECT_EQ(db.random_clip("outer"), VELMORA_CLIP(false, 7, 9));
        EXPECT_EQ(db.last_search_path(), (VELMORA_DB_SEARCH_PATH{"OUTER", "INNER"}));
    }
    EXPECT_FALSE(db.random_text("nowhere"));
    EXPECT_FALSE(db.random_clip("nowhere"));
}

TEST(VelmoraDrawing, TheTextFollowsTheClipIntoTheDeepestGroupWithText) {
    const std::string content = draw_header +
                                "[MUTE]\nV 1 2\n[TALK]\nV 3 4\nT talk\n[TOP]\nT top\nG mute\n"
                                "[BARE]\nG mute\n";
    VELMORA_DB db(write_file("path.dat", content));
    ASSERT_FALSE(db.failed()) << db.error_message();
    for (int i = 0; i < 20; ++i) {
        const auto clip = db.random_clip("top");
        ASSERT_EQ(clip, VELMORA_CLIP(false, 1, 2));
        // MUTE has no text, so the text comes from TOP, which includes it.
        EXPECT_EQ(db.text_along_last_path()->lines[0], "top");
        EXPECT_EQ(db.last_search_path(), VELMORA_DB_SEARCH_PATH{"TOP"});
    }
    db.random_clip("talk");
    EXPECT_EQ(db.text_along_last_path()->lines[0], "talk");
    db.random_clip("bare");
    EXPECT_FALSE(db.text_along_last_path());
}

TEST(VelmoraDrawing, DoublingAndDeepReferencesStayBounded) {
    std::string content = draw_header + "[G0]\nT xxxxxxxxxx\n";
    for (int i = 1; i <= 60; ++i) {
        content += "[G" + std::to_string(i) + "]\nT [g" + std::to_string(i - 1) + "][g" +
                   std::to_string(i - 1) + "]\n";
    }
    std::string chain = draw_header + "[C0]\nT end\n";
    for (int i = 1; i <= 3000; ++i) {
        chain += "[C" + std::to_string(i) + "]\nT <[c" + std::to_string(i - 1) + "]>\n";
    }
    VELMORA_DB doubling(write_file("doubling.dat", content));
    ASSERT_FALSE(doubling.failed()) << doubling.error_message();
    const auto wide = doubling.random_text("G60");
    ASSERT_TRUE(wide);
    EXPECT_LE(wide->lines[0].size(), VELMORA_DB::max_expanded_line);
    EXPECT_GT(wide->lines[0].size(), 10000u);

    VELMORA_DB deep(write_file("chain.dat", chain));
    ASSERT_FALSE(deep.failed()) << deep.error_message();
    const auto nested = deep.random_text("C3000");
    ASSERT_TRUE(nested);
    // The asked-for group and max_reference_depth nested ones each add their two brackets.
    EXPECT_EQ(nested->lines[0].size(), 2u * (VELMORA_DB::max_reference_depth + 1));
    EXPECT_EQ(deep.random_text("C10")->lines[0], "<<<<<<<<<<end>>>>>>>>>>");
}

namespace {

class VelmoraQueue : public testing::Test {
  protected:
    VELMORA velmora{fixture_path()};

    // The priorities of the queued events in queue order, taken out one reaction at a time
    // until the default reaction shows that the queue has run empty.
    std::vector<int32_t> drained_priorities() {
        std::vector<int32_t> result;
        for (velmora.next(); !is_default(*velmora.current_event()); velmora.next()) {
            result.push_back(velmora.current_event()->priority());
        }
        return result;
    }

    static bool is_default(const VELMORA_EVENT& event) {
        return event.group_id() == VELMORA_EVENT("general_behavior").group_id();
    }
};

} // namespace

TEST_F(VelmoraQueue, AnImportantEventPrunesTheLessImportantOnes) {
    ASSERT_FALSE(velmora.failed()) << velmora.error_message();
    const auto queue_three = [this] {
        EXPECT_TRUE(velmora.add(VELMORA_EVENT("game_start")));
        EXPECT_TRUE(velmora.add(VELMORA_EVENT("player_captures_pawn")));
        EXPECT_TRUE(velmora.add(VELMORA_EVENT("velmora_thinking")));
    };
    queue_three();
    EXPECT_EQ(drained_priorities(), (std::vector<int32_t>{1, 90, 101}));
    queue_three();
    EXPECT_TRUE(velmora.add(VELMORA_EVENT("velmora_captures_queen")));
    EXPECT_EQ(drained_priorities(), (std::vector<int32_t>{1, 20}));
    queue_three();
    EXPECT_TRUE(velmora.add(VELMORA_EVENT("velmora_captures_queen")));
    EXPECT_TRUE(velmora.add_first(VELMORA_EVENT("player_moves")));
    EXPECT_EQ(drained_priorities(), (std::vector<int32_t>{99, 1, 20}));
}

TEST_F(VelmoraQueue, AnEventOfTheCurrentKindIsRefusedUnlessAlwaysAccepted) {
    velmora.add(VELMORA_EVENT("velmora_checks"));
    velmora.next();
    EXPECT_FALSE(velmora.add(VELMORA_EVENT("player_checks")));
    EXPECT_TRUE(velmora.add(VELMORA_EVENT("velmora_moves")));
    velmora.next();
    EXPECT_TRUE(velmora.add(VELMORA_EVENT("player_moves")));
    velmora.next();
    EXPECT_TRUE(velmora.add(VELMORA_EVENT("player_checks")));
    EXPECT_EQ(drained_priorities(), (std::vector<int32_t>{95}));
}

TEST_F(VelmoraQueue, AWebcamReactionFollowsTheSwitch) {
    velmora.set_showing(true);
    velmora.set_webcam_on(false);
    EXPECT_TRUE(velmora.add(VELMORA_EVENT("webcam_off")));
    EXPECT_FALSE(velmora.add(VELMORA_EVENT("webcam_off"))) << "one is waiting already";
    // Switched on again before the reaction to "off" was presented: it has gone stale.
    velmora.set_webcam_on(true);
    EXPECT_TRUE(velmora.add(VELMORA_EVENT("webcam_on")));
    velmora.next();
    EXPECT_EQ(velmora.current_event()->group_id(), VELMORA_EVENT("webcam_on").group_id());
    // A stale reaction is passed over for the one behind it.
    velmora.next();
    EXPECT_TRUE(velmora.add(VELMORA_EVENT("webcam_off")));
    EXPECT_TRUE(velmora.add(VELMORA_EVENT("player_moves")));
    EXPECT_EQ(drained_priorities(), (std::vector<int32_t>{99}));
}

TEST_F(VelmoraQueue, EventsTakeTheStateOfTheMomentTheyAreQueued) {
    velmora.set_showing(true);
    velmora.set_score(-600);
    velmora.add(VELMORA_EVENT("flip_board"));
    velmora.set_showing(false);
    velmora.next();
    EXPECT_TRUE(velmora.current_event()->velmora_showing);
    EXPECT_EQ(velmora.current_event()->score, -600);
    EXPECT_EQ(velmora.video_clip(), VELMORA_CLIP(false, 1900, 1950));
    EXPECT_FALSE(velmora.text_message());
}

TEST_F(VelmoraQueue, AnEmptyQueueYieldsTheDefaultReactionByScore) {
    struct BAND {
        int32_t score;
        int32_t group;
    };
    const std::vector<BAND> bands = {{900, 12}, {899, 11}, {500, 11}, {499, 8},   {0, 8},
                                     {-499, 8}, {-500, 9}, {-899, 9}, {-900, 10}, {-5000, 10}};
    velmora.set_showing(true);
    for (const BAND& band : bands) {
        velmora.set_score(band.score);
        velmora.next();
        ASSERT_TRUE(velmora.video_clip());
        EXPECT_EQ(velmora.video_clip()->start_frame, band.group * 100) << band.score;
        ASSERT_TRUE(velmora.text_message());
        EXPECT_EQ(velmora.text_message()->lines[0],
                  VELMORA_GROUP_LIST::instance().key(band.group) + " text.");
    }
    velmora.set_showing(false);
    velmora.next();
    const int32_t start = velmora.video_clip()->start_frame;
    EXPECT_TRUE(start == 100 || start == 160);
    EXPECT_FALSE(velmora.text_message());
}

TEST_F(VelmoraQueue, ExecutingAtOnceLeavesTheQueueAlone) {
    velmora.set_showing(true);
    velmora.add(VELMORA_EVENT("game_start"));
    velmora.next();
    velmora.add(VELMORA_EVENT("velmora_thinking"));
    const VELMORA_EVENT* current = velmora.current_event();
    const auto clip = velmora.video_clip();
    VELMORA_EVENT help = VELMORA_EVENT::help(26);
    velmora.execute_now(help);
    EXPECT_EQ(help.text_message->lines[0], "General help.");
    EXPECT_FALSE(help.video_clip);
    EXPECT_EQ(velmora.current_event(), current);
    EXPECT_EQ(velmora.video_clip(), clip);
    EXPECT_EQ(drained_priorities(), (std::vector<int32_t>{101}));
}
