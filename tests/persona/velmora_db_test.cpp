#include "persona/velmora_db.h"
#include "persona_test_files.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using persona_test::any_magic;
using persona_test::write_file;

namespace {

const std::string header = "M " + any_magic + "\nR M\nN Velmora\n"; // lines 1 to 3

struct MESSAGE_CASE {
    std::string content;
    int line;
    std::string message;
};

// Every loader message with the line it must name. Line 0 is an empty file's end.
const std::vector<MESSAGE_CASE> message_cases = {
    // End of file: header records are required in the order R, N, M.
    {"", 0, "No R-record found in file"},
    {"; only a comment\n\n   \n", 3, "No R-record found in file"},
    {"R G\n", 1, "No N-record found in file"},
    {"R G\nN a\n", 2, "No M-record found in file"},
    {"R G\nN a\nM " + any_magic + "\n[A]\n", 4, "empty group 'A' not allowed"},
    // Lines that match no record form.
    {"ab\n", 1, "syntax error"},
    {"X y\n", 1, "syntax error"},
    {"m " + any_magic + "\n", 1, "syntax error"},
    {"r G\n", 1, "syntax error"},
    {"g A\n", 1, "syntax error"},
    {"T\tx\n", 1, "syntax error"},
    {header + "[1A]\n", 4, "syntax error"},
    {header + "[A B]\n", 4, "syntax error"},
    {header + "[A]x\n", 4, "syntax error"},
    // Header records: repeated, then inside a group, then bad values.
    {header + "M " + any_magic + "\n", 4, "M-record already exists"},
    {header + "R G\n", 4, "R-record already exists"},
    {header + "N other\n", 4, "N-record already exists"},
    {"D 0\nD 1\n", 2, "D-record already exists"},
    {"R G\nN a\n[A]\nT x\nM " + any_magic + "\n", 5, "M-record not allowed in group"},
    {header + "[A]\nT x\nD 1\n", 6, "D-record not allowed in group"},
    {"R G\n[A]\nT x\nN a\n", 4, "N-record not allowed in group"},
    {"N a\n[A]\nT x\nR G\n", 4, "R-record not allowed in group"},
    {"M 12a45678\n", 1, "M-record not an integer"},
    {"M 99999999999\n", 1, "M-record not an integer"},
    {"M +\n", 1, "M-record not an integer"},
    {"M 1234567\n", 1, "magic number not 8 digits"},
    {"M 123456789\n", 1, "magic number not 8 digits"},
    {"D 10\n", 1, "syntax error in D-record, length exceeds 1"},
    {"D 2\n", 1, "D-record, should be '0' or '1'"},
    {"N a b\n", 1, "nickname cannot have spaces"},
    {"N a\tb\n", 1, "nickname cannot have spaces"},
    {"N a b c d e f g h i j k l\n", 1, "nickname cannot have spaces"},
    {"N abcdefghijk\n", 1, "nickname length exceeds 10 characters"},
    {"R GM\n", 1, "syntax error in R-record, length exceeds 1"},
    {"R g\n", 1, "R-record, should be 'G' or 'M'"},
    // Groups.
    {header + "[A]\n[B]\n", 5, "empty group 'A' not allowed"},
    {header + "[A]\nT x\n[a]\n", 6, "group: 'A' is already defined"},
    {header + "[A]\nG b\n", 5, "undefined group: 'B' in G-record"},
    {header + "[A]\nT x\nG a\n", 6, "undefined group: 'A' in G-record"},
    // Records outside a group or out of order.
    {header + "T x\n", 4, "T-record must appear in a group"},
    {header + "t x\n", 4, "T-record must appear in a group"},
    {header + "+ x\n", 4, "'+' record must appear in a group"},
    {header + "[A]\n+ x\n", 5, "'+' record must follow a T-record"},
    {header + "[A]\nT x\nV 1 5\n+ y\n", 7, "'+' record must follow a T-record"},
    {header + "[A]\nT x\n[B]\n+ y\n", 7, "'+' record must follow a T-record"},
    {header + "V 1 5\n", 4, "V-record must appear in a group"},
    {header + "G A\n", 4, "G-record must appear in a group"},
    // Clip ranges and time codes.
    {header + "[A]\nV 10\n", 5, "syntax error in V-record"},
    {header + "[A]\nV x 10\n", 5, "start frame not a valid format"},
    {header + "[A]\nV 10 x\n", 5, "end frame not a valid format"},
    {header + "[A]\nV 10 20 30\n", 5, "end frame not a valid format"},
    {header + "[A]\nV 3000000000 3000000001\n", 5, "start frame not a valid format"},
    {header + "[A]\nV 00:00:01.0 10\n", 5, "start frame not a valid format"},
    {header + "[A]\nV -5 10\n", 5, "start frame must be >= 0"},
    {header + "[A]\nV 10 10\n", 5, "end frame must be greater than start frame"},
    {header + "[A]\nV 10 9\n", 5, "end frame must be greater than start frame"},
    {header + "[A]\nV x0:00:01.00 50\n", 5, "invalid HH:MM:SS.FF format (hour field)"},
    {header + "[A]\nV 00:0x:01.00 50\n", 5, "invalid HH:MM:SS.FF format (minute field)"},
    {header + "[A]\nV 00:00:+a.00 50\n", 5, "invalid HH:MM:SS.FF format (second field)"},
    {header + "[A]\nV 1 00:00:01.xx\n", 5, "invalid HH:MM:SS.FF format (frame field)"},
    {header + "[A]\nV 60:00:00.00 99999999\n", 5, "range error in HH:MM:SS.FF"},
    {header + "[A]\nV 1 00:00:01.31\n", 5, "range error in HH:MM:SS.FF"},
    // Markup of texts and continuations.
    {header + "[A]\nT a [b\n", 5, "mis-matched '[ ]' in text"},
    {header + "[A]\nT a [] b\n", 5, "empty group reference in text"},
    {header + "[A]\nT ] a [\n", 5, "syntax error in text '] ['"},
    {header + "[A]\nT [nope]\n", 5, "unknown group name '[NOPE]'"},
    {header + "[A]\nT x\n+ [a]\n", 6, "unknown group name '[A]'"},
    {header + "[C]\nV 1 5\n[A]\nT see [c]\n", 7, "group name '[C]' has no text records"},
    {header + "[A]\nT pay $\n", 5, "Empty '$' variable"},
    {header + "[A]\nT pay $1abc\n", 5, "Invalid $ variable identifier"},
    {header + "[A]\nT <a\n", 5, "mis-matched '< >' in text"},
    {header + "[A]\nT > a <\n", 5, "reversed brackets '>' '<'"},
    {header + "[A]\nT a <>\n", 5, "Empty embedded link <>"},
    {header + "[A]\nT <a|b|c>\n", 5, "Too many '|' in embedded link"},
    {header + "[A]\nT <|HELP>\n", 5, "link text is empty"},
    {header + "[A]\nT <a|1x>\n", 5, "invalid link identifier after '|'"},
    {header + "[A]\nT <a|>\n", 5, "invalid link identifier after '|'"},
    {header + "[A]\nT <a*b*>\n", 5, "embedded link < > cannot contains asterisks '*'"},
    {header + "[A]\nT *a\n", 5, "mis-matched '*' (BOLD) in text"},
    {header + "[A]\nT a ** b\n", 5, "bold '*' pattern is empty"},
    {header + "[A]\nT *<a>*\n", 5, "bold '*' pattern contains link"},
    {header + "[A]\nT x\n+ *\n", 6, "mis-matched '*' (BOLD) in text"},
    // A mature text dropped by a 'G' rating is still checked.
    {"M " + any_magic + "\nR G\nN a\n[A]\nT x\nt *\n", 6, "mis-matched '*' (BOLD) in text"},
};

// Comments, blank lines and CRLF line ends in front of the faulty line only shift its number.
std::string with_noise(const std::string& content) {
    std::string result = "; a comment\r\n\r\n \t \r\n";
    for (char c : content) {
        result += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return result;
}

} // namespace

TEST(VelmoraDbMessages, EveryMessageNamesItsLine) {
    for (const MESSAGE_CASE& c : message_cases) {
        const std::string path = write_file("case.dat", c.content);
        const VELMORA_DB db(path);
        EXPECT_TRUE(db.failed()) << c.content;
        EXPECT_EQ(db.error_message(), path + ", line " + std::to_string(c.line) + ": " + c.message)
            << c.content;

        const std::string noisy_path = write_file("noisy.dat", with_noise(c.content));
        const VELMORA_DB noisy(noisy_path);
        EXPECT_EQ(noisy.error_message(),
                  noisy_path + ", line " + std::to_string(c.line + 3) + ": " + c.message)
            << c.content;
    }
}

TEST(VelmoraDbMessages, MissingAndUnreadableFilesCarryNoLine) {
    const std::string missing = (persona_test::scratch_dir() / "absent.dat").string();
    EXPECT_EQ(VELMORA_DB(missing).error_message(), "File not found: " + missing);
    const std::string folder = persona_test::scratch_dir().string();
    const VELMORA_DB db(folder);
    EXPECT_TRUE(db.failed());
    EXPECT_EQ(db.error_message(), "Cannot read: " + folder);
}

TEST(VelmoraDbMessages, AFinalLineFeedStartsNoLine) {
    const std::string path = write_file("a.dat", "R G\nN a\n\n");
    EXPECT_EQ(VELMORA_DB(path).error_message(), path + ", line 3: No M-record found in file");
    const std::string unterminated = write_file("b.dat", "R G\nN a");
    EXPECT_EQ(VELMORA_DB(unterminated).error_message(),
              unterminated + ", line 2: No M-record found in file");
}

namespace {

// Counted lines "N ab", "[A]", "T x" have line sums 825, 500 and 508, so the checksum is
// 1 x 825 + 2 x 500 + 3 x 508 = 3349, written into characters 6, 7, 2 and 3 of the magic number.
const std::string small_file = "M 04900330\nR G\nN ab\n[A]\nT x\n";

} // namespace

TEST(VelmoraDbChecksum, MatchesTheLineSumsOfCountedLines) {
    const VELMORA_DB db(write_file("small.dat", small_file));
    ASSERT_FALSE(db.failed()) << db.error_message();
    EXPECT_EQ(db.checksum(), 3349);
    EXPECT_EQ(db.magic_number(), "04900330");
    EXPECT_EQ(db.nickname(), "ab");
}

TEST(VelmoraDbChecksum, AWrongMagicNumberNamesTheChecksumAtTheLastLine) {
    const std::string path = write_file("small.dat", "M 00000000\nR G\nN ab\n[A]\nT x\n; end\n");
    EXPECT_EQ(VELMORA_DB(path).error_message(),
              path + ", line 6: 0xffc13349: Invalid magic number");
}

TEST(VelmoraDbChecksum, OnlyCountedLinesGuardTheFile) {
    struct EDIT {
        std::string content;
        bool loads;
    };
    const std::vector<EDIT> edits = {
        {"M 04900330\nR G\nN ab\n[A]\nT y\n", false},
        {"M 04900330\nR G\nN ac\n[A]\nT x\n", false},
        {"M 04900330\nR G\nN ab\n[B]\nT x\n", false},
        {"M 04900330\nR G\nN ab\n[A]\nT x\nV 1 2\n", false},
        {"M 04900330\nR G\nD 0\nN ab\n[A]\nT x\n", false},
        {"M 14900331\nR G\nN ab\n[A]\nT x\n", true},
        {"M 04900330\nR M\nN ab\n[A]\nT x\n", true},
        {"; new comment\nM 04900330\n\nR G\n  N ab  \r\n[A]\t\nT x\n\n", true},
        {"M 04900330\nR G\nN ab\n[A]\nT x\n; trailing\n", true},
    };
    for (const EDIT& edit : edits) {
        const VELMORA_DB db(write_file("edit.dat", edit.content));
        EXPECT_EQ(db.failed(), !edit.loads) << edit.content << db.error_message();
    }
}

TEST(VelmoraDbChecksum, LongFilesUseExactArithmetic) {
    // Enough counted lines that k x line sum exceeds 32 bits many times over.
    std::string content = "M " + any_magic + "\nR G\nN a\n[A]\n";
    std::string expected_lines;
    for (int i = 0; i < 300000; ++i) {
        content += "T line number " + std::to_string(i) + " with some text\n";
    }
    const VELMORA_DB db(write_file("long.dat", content));
    ASSERT_FALSE(db.failed()) << db.error_message();
    int64_t checksum = 0;
    int64_t k = 0;
    auto count_line = [&](const std::string& line) {
        int64_t sum = 0;
        for (std::size_t i = 0; i < line.size(); ++i) {
            sum += static_cast<int64_t>(i + 1) * static_cast<unsigned char>(line[i]);
        }
        ++k;
        checksum = (checksum + k * (sum % 10000)) % 900000000;
    };
    count_line("N a");
    count_line("[A]");
    for (int i = 0; i < 300000; ++i) {
        count_line("T line number " + std::to_string(i) + " with some text");
    }
    EXPECT_EQ(db.checksum(), checksum);
}

TEST(VelmoraDbRecords, TextsKeepTheirBlanksAndTheTildeIsAnEmptyLine) {
    const VELMORA_DB db(write_file("t.dat", header + "[A]\nT  two blanks\n+ ~\n+ b\nT ~\n"));
    ASSERT_FALSE(db.failed()) << db.error_message();
    const VELMORA_DB_GROUP* a = db.group("a");
    ASSERT_NE(a, nullptr);
    ASSERT_EQ(a->text_records.size(), 2u);
    EXPECT_EQ(a->text_records[0].lines, (std::vector<std::string>{" two blanks", "", "b"}));
    EXPECT_EQ(a->text_records[1].lines, (std::vector<std::string>{""}));
}

TEST(VelmoraDbRecords, HeaderValuesAreReadAsWritten) {
    const std::string content = "M +1900740\nD 1\nR G\nN abcdefghij\n[A]\nT x\n";
    const VELMORA_DB db(write_file("h.dat", content));
    ASSERT_FALSE(db.failed()) << db.error_message();
    EXPECT_EQ(db.nickname(), "abcdefghij");
    EXPECT_TRUE(db.debug_mode());
    EXPECT_TRUE(db.has_debug());
    EXPECT_FALSE(db.mature());
    EXPECT_EQ(db.group_count(), 1u);
}

TEST(VelmoraDbRecords, TheGeneralRatingDropsMatureRecords) {
    const std::string body = "[A]\nT plain\nt mature\n+ more\nV 1 5\nv 6 9\n";
    const VELMORA_DB general(write_file("g.dat", "M " + any_magic + "\nR G\nN a\n" + body));
    ASSERT_FALSE(general.failed()) << general.error_message();
    const VELMORA_DB_GROUP* g = general.group("A");
    ASSERT_EQ(g->text_records.size(), 1u);
    EXPECT_EQ(g->text_records[0].lines, std::vector<std::string>{"plain"});
    ASSERT_EQ(g->clip_records.size(), 1u);

    const VELMORA_DB mature(write_file("m.dat", header + body));
    const VELMORA_DB_GROUP* m = mature.group("A");
    ASSERT_EQ(m->text_records.size(), 2u);
    EXPECT_EQ(m->text_records[1], VELMORA_TEXT({"mature", "more"}, true));
    EXPECT_EQ(m->clip_records[1], VELMORA_CLIP(true, 6, 9));
}

TEST(VelmoraDbRecords, AGroupOfOnlyMatureRecordsIsEmptyUnderTheGeneralRating) {
    const std::string path = write_file("g.dat", "M " + any_magic + "\nR G\nN a\n[A]\nt x\n");
    EXPECT_EQ(VELMORA_DB(path).error_message(), path + ", line 5: empty group 'A' not allowed");
}

TEST(VelmoraDbRecords, IncludedGroupsGoWhereTheyHaveRecords) {
    const std::string content =
        header +
        "[CLIPS]\nV 1 5\n[TEXTS]\nT x\n[BOTH]\nT y\nV 2 3\n[ALL]\nG clips\nG Texts\nG BOTH\n";
    const VELMORA_DB db(write_file("g.dat", content));
    ASSERT_FALSE(db.failed()) << db.error_message();
    const VELMORA_DB_GROUP* all = db.group("all");
    ASSERT_EQ(all->clip_groups.size(), 2u);
    EXPECT_EQ(all->clip_groups[0]->name, "CLIPS");
    EXPECT_EQ(all->clip_groups[1]->name, "BOTH");
    ASSERT_EQ(all->text_groups.size(), 2u);
    EXPECT_EQ(all->text_groups[0]->name, "TEXTS");
    EXPECT_EQ(all->text_groups[1]->name, "BOTH");
}

TEST(VelmoraDbRecords, ClipRangesTakeFramesAndTimeCodes) {
    struct RANGE {
        std::string value;
        int32_t start;
        int32_t end;
    };
    const std::vector<RANGE> ranges = {
        {"00:00:01.00 00:00:03.00", 6, 14},
        {"10 20", 10, 20},
        {"08\t\t 09", 8, 9},
        {"+0 -0:00:00.00", 0, -1 + 0},
        {"00:00:00.15 00:00:01.29", 4, 8},
        {"01:02:03.30 01:02:04.30", 18000 + 600 + 15 + 7, 18000 + 600 + 20 + 4},
    };
    for (const RANGE& r : ranges) {
        const std::string path = write_file("v.dat", header + "[A]\nV " + r.value + "\n");
        const VELMORA_DB db(path);
        if (r.end <= r.start) {
            EXPECT_EQ(db.error_message(),
                      path + ", line 5: end frame must be greater than start frame");
            continue;
        }
        ASSERT_FALSE(db.failed()) << r.value << ": " << db.error_message();
        EXPECT_EQ(db.group("A")->clip_records[0], VELMORA_CLIP(false, r.start, r.end)) << r.value;
    }
}

TEST(VelmoraDbSafety, BinaryDataAndHugeLinesFailCleanly) {
    std::mt19937 generator(7);
    std::string noise;
    for (int i = 0; i < 200000; ++i) {
        noise += static_cast<char>(generator() & 0xff);
    }
    EXPECT_TRUE(VELMORA_DB(write_file("noise.dat", noise)).failed());
    EXPECT_TRUE(VELMORA_DB(write_file("noise2.dat", header + "[A]\nT x\n" + noise)).failed());
    std::string nul_line = "N a";
    nul_line += '\0';
    EXPECT_TRUE(VELMORA_DB(write_file("nul.dat", nul_line + "b\n")).failed());

    const std::string huge = header + "[A]\nT " + std::string(20'000'000, 'x') + "\n";
    const VELMORA_DB db(write_file("huge.dat", huge));
    EXPECT_FALSE(db.failed()) << db.error_message();
    const std::string byte_order_mark = "\xEF\xBB\xBFM " + any_magic + "\n";
    const std::string bom_path = write_file("bom.dat", byte_order_mark);
    EXPECT_EQ(VELMORA_DB(bom_path).error_message(), bom_path + ", line 1: syntax error");
}
