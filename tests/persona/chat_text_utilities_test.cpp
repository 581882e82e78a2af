#include "persona/chat_text_utilities.h"
#include "persona_test_files.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using PHRASE = CHESS_GUI_CHAT_PHRASE;

CHESS_LINK_DATA action(const std::string& identifier, const std::string& url) {
    return CHESS_LINK_DATA(identifier, url);
}

class ChatText : public testing::Test {
  protected:
    VELMORA velmora{persona_test::fixture_path()};
    CHAT_TEXT_UTILITIES chat{velmora};

    std::vector<PHRASE> system_line(const std::string& line) {
        const auto sentences = chat.system_sentences(VELMORA_TEXT({line}, false));
        EXPECT_EQ(sentences.size(), 1u);
        return sentences.front().phrases;
    }
};

} // namespace

TEST_F(ChatText, OnlyTheCharactersFirstLineCarriesHerName) {
    ASSERT_FALSE(velmora.failed()) << velmora.error_message();
    const auto said = chat.velmora_sentences(VELMORA_TEXT({"Hello.", "", "Bye."}, false));
    ASSERT_EQ(said.size(), 3u);
    for (const auto& sentence : said) {
        EXPECT_TRUE(sentence.is_velmora);
        EXPECT_FALSE(sentence.is_system);
    }
    EXPECT_EQ(said[0].phrases,
              (std::vector<PHRASE>{PHRASE::bold("Velmora: "), PHRASE::normal("Hello.")}));
    EXPECT_TRUE(said[1].phrases.empty());
    EXPECT_EQ(said[2].phrases, std::vector<PHRASE>{PHRASE::normal("Bye.")});

    const auto notice = chat.system_sentences(VELMORA_TEXT({"Hello.", ""}, false));
    ASSERT_EQ(notice.size(), 2u);
    EXPECT_TRUE(notice[0].is_system);
    EXPECT_EQ(notice[0].phrases, std::vector<PHRASE>{PHRASE::normal("Hello.")});
    EXPECT_TRUE(notice[1].phrases.empty());
}

TEST_F(ChatText, MarkupBecomesBoldAndLinkPhrases) {
    struct CASE {
        std::string line;
        std::vector<PHRASE> phrases;
    };
    chat.set_variable("filename", "/home/a/game.txt");
    chat.set_variable("Hint", "e2-e4");
    const std::vector<CASE> cases = {
        {"Saved *$filename*", {PHRASE::normal("Saved "), PHRASE::bold("/home/a/game.txt")}},
        {"*a* b *c*", {PHRASE::bold("a"), PHRASE::normal(" b "), PHRASE::bold("c")}},
        {"Click <help|HELP> now",
         {PHRASE::normal("Click "), PHRASE::link("help", action("HELP", "help")),
          PHRASE::normal(" now")}},
        {"<www.example.org>",
         {PHRASE::link("www.example.org", CHESS_LINK_DATA(std::nullopt, "www.example.org"))}},
        {"Try <$HiNt|HINT_MOVE>.",
         {PHRASE::normal("Try "), PHRASE::link("e2-e4", action("HINT_MOVE", "e2-e4")),
          PHRASE::normal(".")}},
        {"Unknown $nothing_here!", {PHRASE::normal("Unknown (NOTHING_HERE)!")}},
        {"$filename.bak", {PHRASE::normal("/home/a/game.txt.bak")}},
    };
    for (const CASE& c : cases) {
        EXPECT_EQ(system_line(c.line), c.phrases) << c.line;
    }
}

TEST_F(ChatText, VariableValuesAreShownAsPlainText) {
    chat.set_variable("player", "<x|RESIGN_GAME> *bold* [g] $hint");
    chat.set_variable("hint", "never");
    EXPECT_EQ(system_line("Hi $player!"),
              std::vector<PHRASE>{PHRASE::normal("Hi <x|RESIGN_GAME> *bold* [g] hint!")});
    chat.set_variable("msg", "a$b$$");
    EXPECT_EQ(system_line("*$msg*"), std::vector<PHRASE>{PHRASE::bold("ab")});
    EXPECT_EQ(chat.variable("MSG"), "a$b$$");
    chat.remove_variable("Msg");
    EXPECT_FALSE(chat.variable("msg"));
}

TEST_F(ChatText, MenuAnswersFillTheirVariablesOnlyWhileConverting) {
    auto saved = chat.save("/tmp/game.txt");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_TRUE(saved[0].is_system);
    EXPECT_EQ(saved[0].phrases,
              (std::vector<PHRASE>{PHRASE::normal("Saved to "), PHRASE::bold("/tmp/game.txt"),
                                   PHRASE::normal(".")}));
    EXPECT_FALSE(chat.variable("filename"));

    EXPECT_EQ(chat.load("x.txt")[0].text(), "Loaded x.txt.");
    EXPECT_EQ(chat.save_error("disk full")[0].text(), "Could not save: disk full");
    EXPECT_EQ(chat.load_error("bad line")[0].text(), "Could not load: bad line");
    EXPECT_EQ(chat.change_nickname("old", "new")[0].text(), "From old to new.");
    EXPECT_EQ(chat.hint_before()[0].text(), "request_hint text.");
    EXPECT_EQ(chat.help(3)[0].text(), "help3 text.");
    EXPECT_EQ(chat.help(0)[0].text(), "General help.");

    const auto hint = chat.hint_after("g1-f3");
    EXPECT_EQ(hint[0].phrases[1], PHRASE::link("g1-f3", action("HINT_MOVE", "g1-f3")));
    const auto resign = chat.resign_confirmation();
    EXPECT_EQ(resign[0].phrases[1],
              PHRASE::link("Yes, I resign", action("RESIGN_GAME", "Yes, I resign")));

    CHAT_STATISTICS_VALUES values{1200, 1100, 52000, 65536, 300, 7, 9000, "e2-e4 e7-e5"};
    const auto statistics = chat.statistics(values, "ply=4, time=5, qsearch=True, player=White");
    ASSERT_EQ(statistics.size(), 2u);
    EXPECT_EQ(statistics[0].text(), "1200 1100 52000 65536 300 7 9000");
    EXPECT_EQ(statistics[1].text(), "e2-e4 e7-e5 / ply=4, time=5, qsearch=True, player=White");
    EXPECT_FALSE(chat.variable("skill"));
    values.nodes_per_second.reset();
    values.last_nps.reset();
    EXPECT_EQ(chat.statistics(values, "")[0].text(), "N/A N/A 52000 65536 300 7 9000");

    const auto start = chat.start_help();
    ASSERT_EQ(start.size(), 2u);
    EXPECT_EQ(start[0].phrases[1], PHRASE::bold("Velmora Chess"));
    EXPECT_EQ(start[1].phrases[1], PHRASE::link("help", action("HELP", "help")));

    const auto about = chat.about();
    ASSERT_EQ(about.size(), 2u);
    const std::string first = about[0].text();
    EXPECT_TRUE(first == "Hello, I am Velmora." || first == "Hi there, I am Velmora.") << first;
    EXPECT_TRUE(about[1].phrases[0].is_link);
}

TEST(ChatTextWithoutPersona, AnswersWithoutTextAreEmpty) {
    VELMORA broken(persona_test::write_file("broken.dat", "R G\n"));
    ASSERT_TRUE(broken.failed());
    CHAT_TEXT_UTILITIES chat(broken);
    EXPECT_TRUE(chat.about().empty());
    EXPECT_TRUE(chat.help(2).empty());
}

TEST(ChatTextHelpTopic, HelpTakesOneToNineDigits) {
    struct CASE {
        std::string identifier;
        std::optional<int32_t> topic;
    };
    const std::vector<CASE> cases = {
        {"HELP", 0},
        {"HELP3", 3},
        {"HELP12", 12},
        {"HELP007", 7},
        {"HELP0", 0},
        {"HELPx", {}},
        {"HELP3x", {}},
        {"HELP+3", {}},
        {"HELP-1", {}},
        {"HELP 3", {}},
        {"HELP123456789", 123456789},
        {"HELP1234567890", {}},
        {"HEL", {}},
        {"help3", {}},
    };
    for (const CASE& c : cases) {
        EXPECT_EQ(CHAT_TEXT_UTILITIES::help_topic(c.identifier), c.topic) << c.identifier;
    }
}

// A queued event keeps the values of its own moment (the move it reacts to); they fill its text
// before the chat's table and are never markup, and they leave the table as it was.
TEST_F(ChatText, AnEventsOwnVariablesComeBeforeTheTable) {
    chat.set_variable("player", "anna");
    chat.set_variable("move", "from the table");
    const VELMORA_CHAT_VARIABLES own = {
        {"Move", "Nxe5"}, {"piece", "knight"}, {"captured", ""}, {"square", "*e5*"}};
    const auto said = chat.velmora_sentences(
        VELMORA_TEXT({"$MOVE, $player. A $piece on $square took '$captured'.", "<$move|HINT_MOVE>"},
                     false),
        own);
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[0].phrases,
              (std::vector<PHRASE>{PHRASE::bold("Velmora: "),
                                   PHRASE::normal("Nxe5, anna. A knight on *e5* took ''.")}));
    EXPECT_EQ(said[1].phrases,
              std::vector<PHRASE>{PHRASE::link("Nxe5", action("HINT_MOVE", "Nxe5"))});
    EXPECT_EQ(chat.variable("move"), "from the table");
    EXPECT_EQ(system_line("$move $square"),
              std::vector<PHRASE>{PHRASE::normal("from the table (SQUARE)")});
}
