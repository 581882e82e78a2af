// The default persona as the build makes it: the sealed velmora_chess.dat and the rendered
// velmora_chess.avi. The file must load with the game's own loader, give every moment of the game
// a clip within the video and texts that reach the chat as clean phrases, and its fixed-moment
// texts must work as the interface (links to start, resign, play the hint, open help).
#include "app/chess_shortcut_constants.h"
#include "persona/chat_text_utilities.h"
#include "persona/velmora.h"
#include "persona/velmora_group_list.h"
#include "persona/velmora_text_rules.h"
#include "presentation/chess_gui_video_decoder.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

const std::string share_dir = VELMORA_SHARE_DIR;
const std::string persona_file = share_dir + "/velmora_chess.dat";
const std::string video_file = share_dir + "/velmora_chess.avi";

std::vector<std::string> file_lines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The names of the groups, in file order, from their header lines.
std::vector<std::string> group_names() {
    std::vector<std::string> names;
    for (const std::string& line : file_lines(persona_file)) {
        const std::string record = VELMORA_TEXT_RULES::strip(line);
        if (record.size() > 2 && record.front() == '[' && record.back() == ']') {
            names.push_back(VELMORA_TEXT_RULES::to_upper(record.substr(1, record.size() - 2)));
        }
    }
    return names;
}

// The '$' variables of a line, upper-cased.
std::vector<std::string> variables_of(const std::string& line) {
    std::vector<std::string> names;
    for (size_t at = line.find('$'); at != std::string::npos; at = line.find('$', at + 1)) {
        size_t end = at + 1;
        while (end < line.size() && VELMORA_TEXT_RULES::is_variable_char(line[end])) {
            ++end;
        }
        names.push_back(VELMORA_TEXT_RULES::to_upper(line.substr(at + 1, end - at - 1)));
    }
    return names;
}

bool is_move_reaction(const std::string& group) {
    const VELMORA_GROUP_LIST& list = VELMORA_GROUP_LIST::instance();
    for (int32_t id = 26; id <= 45; ++id) { // the player's and her moves
        if (list.group_name(id) == group) {
            return true;
        }
    }
    return false;
}

// The variables the program sets while a group's text is shown: the player's nickname always,
// the move reactions' and the menu answers' own.
std::set<std::string> variables_for(const std::string& group) {
    static const std::map<std::string, std::set<std::string>> answers = {
        {"@SAVE_GAME", {"FILENAME"}},
        {"@LOAD_GAME", {"FILENAME"}},
        {"@SAVE_ERROR", {"MSG"}},
        {"@LOAD_ERROR", {"MSG"}},
        {"@ISSUE_HINT", {"HINT"}},
        {"@CHANGE_NICKNAME", {"OLD", "NEW"}},
        {"@OPENING", {"OPENING"}},
        {"@STATISTICS",
         {"NPS", "LAST_NPS", "LAST_NC", "TSLOTS", "SLOTS", "COLLISION", "LOOKUP", "BS", "SKILL"}}};
    std::set<std::string> names = {"PLAYER"};
    if (is_move_reaction(group)) {
        names.insert({"MOVE", "PIECE", "CAPTURED", "SQUARE"});
    }
    if (group.rfind("@REVIEW_", 0) == 0 && group != "@REVIEW_CLEAN_GAME") {
        names.insert({"PLAYED", "BETTER", "MOVE_NUMBER", "LOSS"});
    }
    const auto found = answers.find(group);
    if (found != answers.end()) {
        names.insert(found->second.begin(), found->second.end());
    }
    return names;
}

bool is_known_link(const std::string& identifier) {
    static const std::set<std::string> actions = {"START_MENU", "HINT_MOVE", "EE", "RESIGN_GAME",
                                                  "MAIL_TO"};
    const auto topic = CHAT_TEXT_UTILITIES::help_topic(identifier);
    return actions.count(identifier) > 0 || (topic && *topic >= 0 && *topic <= 25);
}

std::vector<const CHESS_LINK_DATA*> links_of(const std::vector<CHESS_GUI_CHAT_SENTENCE>& text) {
    std::vector<const CHESS_LINK_DATA*> links;
    for (const CHESS_GUI_CHAT_SENTENCE& sentence : text) {
        for (const CHESS_GUI_CHAT_PHRASE& phrase : sentence.phrases) {
            if (phrase.is_link) {
                links.push_back(&*phrase.link_data);
            }
        }
    }
    return links;
}

bool has_link(const std::vector<CHESS_GUI_CHAT_SENTENCE>& text, const std::string& identifier,
              const std::string& url = "") {
    for (const CHESS_LINK_DATA* link : links_of(text)) {
        if (link->identifier == identifier && (url.empty() || link->url == url)) {
            return true;
        }
    }
    return false;
}

std::string joined(const std::vector<CHESS_GUI_CHAT_SENTENCE>& text) {
    std::string all;
    for (const CHESS_GUI_CHAT_SENTENCE& sentence : text) {
        all += sentence.text() + "\n";
    }
    return all;
}

// A directory of this test process's own, so builds testing side by side never share files.
std::string scratch_dir() {
    static const std::string dir = [] {
        const std::string path =
            ::testing::TempDir() + "persona_default_" + std::to_string(getpid()) + "/";
        mkdir(path.c_str(), 0700);
        return path;
    }();
    return dir;
}

struct RUN {
    int status = -1;
    std::string output;
};

RUN run(const std::string& command) {
    RUN result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    for (size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        result.output.append(buffer, got);
    }
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// The lines a group can say: its own texts that are not silent, and those of the groups it
// includes.
int spoken_lines(const VELMORA_DB_GROUP& group) {
    int spoken = 0;
    for (const VELMORA_TEXT& text : group.text_records) {
        spoken += text.is_blank() ? 0 : 1;
    }
    for (const VELMORA_DB_GROUP* included : group.text_groups) {
        spoken += spoken_lines(*included);
    }
    return spoken;
}

class DefaultPersona : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { velmora = std::make_unique<VELMORA>(persona_file); }
    static void TearDownTestSuite() { velmora.reset(); }

    static const VELMORA_DB_GROUP& group(const std::string& name) {
        const VELMORA_DB_GROUP* found = velmora->db().group(name);
        EXPECT_NE(found, nullptr) << name;
        static const VELMORA_DB_GROUP none("NONE");
        return found != nullptr ? *found : none;
    }

    static inline std::unique_ptr<VELMORA> velmora;
};

TEST_F(DefaultPersona, LoadsWithTheGamesLoaderAndHasEveryPredefinedGroup) {
    ASSERT_FALSE(velmora->failed()) << velmora->error_message();
    EXPECT_EQ(velmora->nickname(), "Velmora");
    EXPECT_FALSE(velmora->db().mature());
    EXPECT_FALSE(velmora->debug_mode());
    for (const VELMORA_GROUP_INFO& info : VELMORA_GROUP_LIST::instance().items()) {
        const VELMORA_DB_GROUP* found = velmora->db().group(info.group_name);
        ASSERT_NE(found, nullptr) << info.group_name;
        EXPECT_TRUE(info.requires_text ? found->has_text() : found->has_clips()) << info.group_name;
    }
}

TEST_F(DefaultPersona, VideoIsThreeTimesTheWebcamsSizeAtItsRate) {
    CHESS_GUI_VIDEO_DECODER decoder;
    ASSERT_EQ(decoder.open(video_file), CHESS_GUI_VIDEO_DECODER::open_result::opened);
    EXPECT_EQ(decoder.width(), 480);
    EXPECT_EQ(decoder.height(), 360);
    EXPECT_EQ(decoder.frame_duration_us(), 100000); // ten frames a second
}

TEST_F(DefaultPersona, EveryClipLiesWithinTheVideoAndStartsOnItsFrame) {
    CHESS_GUI_VIDEO_DECODER decoder;
    ASSERT_EQ(decoder.open(video_file), CHESS_GUI_VIDEO_DECODER::open_result::opened);
    const int64_t frames = decoder.frame_count();
    ASSERT_GT(frames, 0);
    std::set<int32_t> starts;
    for (const std::string& name : group_names()) {
        for (const VELMORA_CLIP& clip : group(name).clip_records) {
            EXPECT_LT(clip.end_frame, frames) << name;
            EXPECT_GE(clip.end_frame - clip.start_frame + 1, 20) << name << ": under two seconds";
            EXPECT_LE(clip.end_frame - clip.start_frame + 1, 200) << name << ": over 20 seconds";
            starts.insert(clip.start_frame);
        }
    }
    // Every clip starts on a key frame: a seek to a clip lands on its first frame exactly.
    for (const int32_t start : starts) {
        ASSERT_TRUE(decoder.seek(start)) << start;
        ASSERT_TRUE(decoder.next_frame()) << start;
        EXPECT_EQ(decoder.frame_number(), start);
    }
    // The last frame is really there: decoding on from the key frame before it reaches it.
    ASSERT_TRUE(decoder.seek(frames - 1));
    bool decoded = true;
    while (decoded && decoder.frame_number() < frames - 1) {
        decoded = decoder.next_frame();
    }
    EXPECT_EQ(decoder.frame_number(), frames - 1);
    EXPECT_FALSE(decoder.next_frame());
}

TEST_F(DefaultPersona, TextsUseOnlyVariablesTheProgramSets) {
    for (const std::string& name : group_names()) {
        const std::set<std::string> allowed = variables_for(name);
        for (const VELMORA_TEXT& text : group(name).text_records) {
            for (const std::string& line : text.lines) {
                for (const std::string& variable : variables_of(line)) {
                    EXPECT_TRUE(allowed.count(variable))
                        << name << ": $" << variable << " in " << line;
                }
            }
        }
    }
}

TEST_F(DefaultPersona, DrawnTextsReachTheChatAsCleanPhrases) {
    CHAT_TEXT_UTILITIES chat(*velmora);
    for (const char* variable :
         {"player", "filename", "msg",     "hint",        "old",   "new",
          "nps",    "last_nps", "last_nc", "tslots",      "slots", "collision",
          "lookup", "bs",       "skill",   "move",        "piece", "captured",
          "square", "played",   "better",  "move_number", "loss",  "opening"}) {
        chat.set_variable(variable, "value");
    }
    velmora->db().seed(7);
    for (const std::string& name : group_names()) {
        if (!group(name).has_text()) {
            continue;
        }
        for (int draw = 0; draw < 40; ++draw) {
            const std::optional<VELMORA_TEXT> text = velmora->db().random_text(name);
            ASSERT_TRUE(text) << name;
            for (const CHESS_GUI_CHAT_SENTENCE& sentence : chat.velmora_sentences(*text)) {
                for (const CHESS_GUI_CHAT_PHRASE& phrase : sentence.phrases) {
                    EXPECT_EQ(phrase.text.find_first_of("[]$*<>|"), std::string::npos)
                        << name << ": " << phrase.text;
                    EXPECT_FALSE(phrase.text.empty()) << name;
                    if (phrase.is_link) {
                        EXPECT_TRUE(phrase.link_data->identifier &&
                                    is_known_link(*phrase.link_data->identifier))
                            << name << ": " << phrase.text;
                    }
                }
            }
        }
    }
}

TEST_F(DefaultPersona, MoveAndBehaviourGroupsHaveEnoughToSay) {
    const VELMORA_GROUP_LIST& list = VELMORA_GROUP_LIST::instance();
    std::vector<std::pair<int32_t, int>> wanted;
    for (int32_t id = 8; id <= 13; ++id) { // behaviour by score, and thinking
        wanted.emplace_back(id, 25);
    }
    for (int32_t id = 26; id <= 45; ++id) { // the player's and her moves
        wanted.emplace_back(id, 6);
    }
    for (const auto& [id, least] : wanted) {
        EXPECT_GE(spoken_lines(group(list.group_name(id))), least) << list.group_name(id);
    }
}

// The webcam while nothing happens: at least twenty different idle clips, and idle and mood clips
// long enough (6 to 20 seconds) that the same few motions do not loop.
TEST_F(DefaultPersona, IdleAndMoodClipsAreManyAndLong) {
    const std::vector<std::string> behaviour = {"IDLE_CLIPS",      "WORRIED_CLIPS",
                                                "STUNNED_CLIPS",   "CONFIDENT_CLIPS",
                                                "DELIGHTED_CLIPS", "@VELMORA_THINKING"};
    for (const std::string& name : behaviour) {
        for (const VELMORA_CLIP& clip : group(name).clip_records) {
            const int32_t frames = clip.end_frame - clip.start_frame + 1;
            EXPECT_GE(frames, 60) << name << ": under six seconds";
            EXPECT_LE(frames, 200) << name << ": over twenty seconds";
        }
    }
    std::set<std::pair<int32_t, int32_t>> idle;
    for (const VELMORA_CLIP& clip : group("IDLE_CLIPS").clip_records) {
        idle.emplace(clip.start_frame, clip.end_frame);
    }
    EXPECT_GE(idle.size(), 20u);
}

// The moments that come back most often have the most to say: every move reaction, and taking
// a move back and asking for a hint.
TEST_F(DefaultPersona, TheMostFrequentMomentsHaveAtLeastTwelveThingsToSay) {
    std::vector<std::string> names = {"@UNDO_TAUNT", "@REQUEST_HINT", "@ISSUE_HINT"};
    for (int32_t id = 26; id <= 45; ++id) {
        names.push_back(VELMORA_GROUP_LIST::instance().group_name(id));
    }
    for (const std::string& name : names) {
        int spoken = 0;
        int about_the_move = 0;
        for (const VELMORA_TEXT& text : group(name).text_records) {
            spoken += text.is_blank() ? 0 : 1;
            bool speaks_of_the_move = false;
            for (const std::string& line : text.lines) {
                for (const std::string& variable : variables_of(line)) {
                    speaks_of_the_move = speaks_of_the_move || variable != "PLAYER";
                }
            }
            about_the_move += speaks_of_the_move ? 1 : 0;
        }
        EXPECT_GE(spoken, 12) << name;
        if (is_move_reaction(name)) {
            EXPECT_GE(about_the_move, 3) << name << ": few lines speak of the move";
        }
    }
}

// Every group's texts come as a shuffled bag: in each round of as many draws as the group has
// candidates, every one of them is heard, and no text comes twice in a row, not even where one
// round ends and the next begins. Silent texts may follow each other.
TEST_F(DefaultPersona, NoGroupSaysTheSameTextTwiceInARow) {
    velmora->db().seed(11);
    for (const std::string& name : group_names()) {
        const VELMORA_DB_GROUP& drawn_from = group(name);
        const std::size_t candidates =
            drawn_from.text_records.size() + drawn_from.text_groups.size();
        if (candidates < 3) {
            continue;
        }
        std::string previous;
        for (int round = 0; round < 8; ++round) {
            std::set<std::string> heard;
            std::size_t silent = 0;
            for (std::size_t i = 0; i < candidates; ++i) {
                const std::optional<VELMORA_TEXT> text = velmora->db().random_text(name);
                ASSERT_TRUE(text) << name;
                std::string said;
                for (const std::string& line : text->lines) {
                    said += line + "\n";
                }
                if (text->is_blank()) {
                    ++silent;
                    previous.clear();
                    continue;
                }
                EXPECT_NE(said, previous) << name << " round " << round;
                previous = said;
                heard.insert(said);
            }
            EXPECT_EQ(heard.size() + silent, candidates) << name << " round " << round;
        }
    }
}

TEST_F(DefaultPersona, FixedMomentTextsWorkAsTheInterface) {
    CHAT_TEXT_UTILITIES chat(*velmora);
    chat.set_variable("player", "tester");
    CHAT_STATISTICS_VALUES statistics{11, 22, 33, 44, 55, 66, 77, "e2-e4 e7-e5"};
    for (int32_t seed = 1; seed <= 12; ++seed) {
        velmora->db().seed(seed);
        const auto start = chat.start_help();
        EXPECT_TRUE(has_link(start, "START_MENU") && has_link(start, "HELP")) << joined(start);
        EXPECT_TRUE(has_link(chat.resign_confirmation(), "RESIGN_GAME"));
        EXPECT_TRUE(has_link(chat.hint_after("g1-f3"), "HINT_MOVE", "g1-f3"));
        EXPECT_FALSE(chat.hint_before().empty());
        const std::string stats = joined(chat.statistics(statistics, "ply=40, time=9"));
        for (const char* value :
             {"11", "22", "33", "44", "55", "66", "77", "e2-e4 e7-e5", "ply=40, time=9"}) {
            EXPECT_NE(stats.find(value), std::string::npos) << value << " in " << stats;
        }
        EXPECT_NE(joined(chat.save("/tmp/game.txt")).find("/tmp/game.txt"), std::string::npos);
        EXPECT_NE(joined(chat.load("/tmp/game.txt")).find("/tmp/game.txt"), std::string::npos);
        EXPECT_NE(joined(chat.save_error("disk full")).find("disk full"), std::string::npos);
        EXPECT_NE(joined(chat.load_error("bad move")).find("bad move"), std::string::npos);
        const std::string renamed = joined(chat.change_nickname("anna", "bella"));
        EXPECT_NE(renamed.find("anna"), std::string::npos) << renamed;
        EXPECT_NE(renamed.find("bella"), std::string::npos) << renamed;
        EXPECT_FALSE(chat.about().empty());
    }
}

TEST_F(DefaultPersona, HelpContentsReachesEveryTopicAndEveryTopicLeadsBack) {
    CHAT_TEXT_UTILITIES chat(*velmora);
    const auto contents = chat.help(0);
    for (int topic = 1; topic <= 25; ++topic) {
        EXPECT_TRUE(has_link(contents, "HELP" + std::to_string(topic))) << topic;
        const auto page = chat.help(topic);
        ASSERT_GE(page.size(), 2u) << topic;
        EXPECT_TRUE(has_link(page, "HELP")) << topic;
    }
}

// The help says what the program does: commands it names in the chat menu are the menu's own
// items, history browsing is by click, keys and the scroll bar, and there is no About box, only
// the About command.
TEST_F(DefaultPersona, HelpPagesNameTheProgramsOwnCommandsAndControls) {
    std::string help_text;
    for (int topic = 1; topic <= 25; ++topic) {
        for (const VELMORA_TEXT& text : group("@HELP" + std::to_string(topic)).text_records) {
            for (const std::string& line : text.lines) {
                help_text += line + "\n";
            }
        }
    }
    std::set<std::string> menu;
    for (int32_t id = CHESS_SHORTCUT_CONSTANTS::first_shortcut;
         id <= CHESS_SHORTCUT_CONSTANTS::last_shortcut; ++id) {
        menu.insert(CHESS_SHORTCUT_CONSTANTS::shortcut_text(id));
    }
    const std::string in_menu = "* in the chat menu";
    for (std::size_t at = help_text.find(in_menu); at != std::string::npos;
         at = help_text.find(in_menu, at + 1)) {
        const std::size_t open = help_text.rfind('*', at - 1);
        ASSERT_NE(open, std::string::npos);
        const std::string command = help_text.substr(open + 1, at - open - 1);
        EXPECT_EQ(menu.count(command), 1u) << command;
    }
    EXPECT_EQ(help_text.find("About box"), std::string::npos);
    std::string history;
    for (const std::string& line : group("@HELP18").text_records.front().lines) {
        history += line;
    }
    for (const char* way : {"scroll bar", "click a move", "Left", "Right", "Home", "End"}) {
        EXPECT_NE(history.find(way), std::string::npos) << way << ": " << history;
    }
}

TEST_F(DefaultPersona, TheEasterEggHasALink) {
    bool found = false;
    for (const std::string& name : group_names()) {
        for (const VELMORA_TEXT& text : group(name).text_records) {
            for (const std::string& line : text.lines) {
                found = found || line.find("|EE>") != std::string::npos;
            }
        }
    }
    EXPECT_TRUE(found);
}

// The data file's ranges are the renderer's clip table: every named V-record of the source
// became exactly the range the renderer reports for that clip.
TEST(DefaultPersonaBuild, AssembledRangesAreTheRenderersClips) {
    const RUN clips = run(std::string(VELMORA_TOOLS_DIR) + "/velmora-persona-video clips");
    ASSERT_EQ(clips.status, 0) << clips.output;
    std::map<std::string, std::string> ranges;
    std::istringstream table(clips.output);
    for (std::string name, first, last; table >> name >> first >> last;) {
        ranges[name] = first + " " + last;
    }
    const std::vector<std::string> source = file_lines(VELMORA_PERSONA_SOURCE);
    const std::vector<std::string> assembled = file_lines(persona_file);
    ASSERT_EQ(assembled.size(), source.size() + 1); // the assembler's note on top
    int named = 0;
    for (size_t i = 0; i < source.size(); ++i) {
        const std::string record = VELMORA_TEXT_RULES::strip(source[i]);
        if (record.rfind("V ", 0) == 0) {
            const std::string name = VELMORA_TEXT_RULES::strip(record.substr(2));
            ASSERT_TRUE(ranges.count(name)) << name;
            EXPECT_EQ(assembled[i + 1], "V " + ranges[name]) << name;
            ++named;
        }
    }
    EXPECT_EQ(named >= static_cast<int>(ranges.size()), true);
}

TEST(DefaultPersonaBuild, AssemblerRefusesUnknownAndUnusedClips) {
    const std::string tool = std::string(VELMORA_TOOLS_DIR) + "/velmora-persona-video persona ";
    const std::string dir = scratch_dir();
    { std::ofstream(dir + "unknown.in") << "R G\nN V\n[@X]\nV no_such_clip\n"; }
    RUN result = run(tool + dir + "unknown.in " + dir + "unknown.dat");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.output.find("line 4: unknown clip 'no_such_clip'"), std::string::npos)
        << result.output;
    EXPECT_FALSE(std::ifstream(dir + "unknown.dat").good());
    { std::ofstream(dir + "unused.in") << "R G\nN V\n[@X]\nV hello_wave\nV 3 9\n"; }
    result = run(tool + dir + "unused.in " + dir + "unused.dat");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.output.find("is rendered but never played"), std::string::npos)
        << result.output;
}

TEST(DefaultPersonaBuild, CheckWithVideoRefusesAClipPastTheEnd) {
    const std::string dir = scratch_dir();
    const std::string tool = std::string(VELMORA_TOOLS_DIR) + "/velmora-persona ";
    std::string content;
    for (const std::string& line : file_lines(persona_file)) {
        content += line + "\n";
    }
    const std::string path = dir + "past_end.dat";
    std::ofstream(path) << content << "[LATE]\nV 99990 99999\n";
    ASSERT_EQ(run(tool + "seal " + path).status, 0);
    const RUN result = run(tool + "check " + path + " --video " + video_file);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.output.find("clip 99990 99999 of group 'LATE' ends past the last frame"),
              std::string::npos)
        << result.output;
    EXPECT_EQ(run(tool + "check " + persona_file + " --video " + video_file).status, 0);
    EXPECT_EQ(run(tool + "check " + persona_file + " --video " + dir + "missing.avi").output,
              dir + "missing.avi: unable to open video file\n");
}

// Stills for a person to look at: five idle clips and the four moods on one contact sheet in the
// build's test output (test-output/webcam/sheet.png), each frame also as its own picture.
TEST(DefaultPersonaBuild, StillsOfIdleAndMoodClipsMakeAContactSheet) {
    const std::string dir = VELMORA_TEST_OUTPUT_DIR "/webcam";
    mkdir(VELMORA_TEST_OUTPUT_DIR, 0755);
    mkdir(dir.c_str(), 0755);
    const std::vector<std::string> clips = {
        "idle_tea_sip:40",    "idle_glance_back:50", "idle_stretch:20",
        "idle_chin_tap:30",   "idle_window:60",      "confident_lean_back:30",
        "delighted_cheer:20", "worry_chin:40",       "stunned_cheeks:20"};
    std::string command = std::string(VELMORA_TOOLS_DIR) + "/velmora-persona-video stills " + dir;
    for (const std::string& clip : clips) {
        command += " " + clip;
        std::string file = clip;
        file[file.find(':')] = '_';
        std::remove((dir + "/" + file + ".png").c_str());
    }
    std::remove((dir + "/sheet.png").c_str());
    const RUN result = run(command);
    ASSERT_EQ(result.status, 0) << result.output;
    for (std::string file : clips) {
        file[file.find(':')] = '_';
        EXPECT_TRUE(std::ifstream(dir + "/" + file + ".png").good()) << file;
    }
    std::ifstream sheet(dir + "/sheet.png", std::ios::binary | std::ios::ate);
    ASSERT_TRUE(sheet.good());
    EXPECT_GT(sheet.tellg(), 10000);
}

} // namespace
