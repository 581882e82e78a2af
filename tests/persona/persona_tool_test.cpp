#include "persona/velmora_db.h"
#include "persona/velmora_seal.h"
#include "persona_test_files.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

using namespace persona_test;

namespace {

struct RUN {
    int status;
    std::string output;
    std::string error; // standard error
};

RUN run_tool(const std::string& arguments) {
    const std::string error_file = write_file("stderr.txt", "");
    const std::string command = std::string(VELMORA_TOOLS_DIR) + "/velmora-persona " + arguments +
                                " 2>'" + error_file + "'";
    FILE* pipe = popen(command.c_str(), "r");
    RUN result{-1, "", ""};
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    std::size_t got = 0;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.output.append(buffer, got);
    }
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.error = read_file(error_file);
    return result;
}

std::string quoted(const std::string& path) {
    return "'" + path + "'";
}

} // namespace

TEST(PersonaTool, CheckPrintsWhatTheFileHolds) {
    const RUN run = run_tool("check " + quoted(fixture_path()));
    EXPECT_EQ(run.status, 0);
    const VELMORA_DB db(fixture_path());
    EXPECT_EQ(run.output, "nickname: Velmora\nrating: M\ndebug: 1\ngroups: 84\nchecksum: " +
                              std::to_string(db.checksum()) + "\n");
}

TEST(PersonaTool, CheckPrintsTheFaultAsOneLine) {
    const std::string bad = write_file("bad.dat", "; header\r\nR G\r\nN a b\r\n");
    RUN run = run_tool("check " + quoted(bad));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.error, bad + ", line 3: nickname cannot have spaces\n");
    EXPECT_EQ(run.output, "");

    const std::string missing_group =
        write_file("group.dat", replaced(open_fixture(), "[@EE]", "[EE]"));
    run = run_tool("check " + quoted(missing_group));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.error, "Pre-defined group '@EE' does not exist\n");

    run = run_tool("check /no/such/file.dat");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.error, "File not found: /no/such/file.dat\n");

    for (const char* wrong : {"", "seal", "inspect x"}) {
        run = run_tool(wrong);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.output, "");
        EXPECT_NE(run.error.find("usage: velmora-persona check FILE"), std::string::npos);
    }
    run = run_tool("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("usage: velmora-persona check FILE"), std::string::npos);
    EXPECT_EQ(run.error, "");
}

TEST(PersonaTool, SealMakesAnEditedFileLoadAgain) {
    const std::string original = read_file(fixture_path());
    const std::string edited_text = replaced(original, "T help3 text.", "T help3 text, edited.");
    const std::string path = write_file("edited.dat", edited_text);
    RUN run = run_tool("check " + quoted(path));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.error.find(": Invalid magic number"), std::string::npos) << run.error;

    run = run_tool("seal " + quoted(path));
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.output.size(), 9u) << run.output;
    const std::string magic = run.output.substr(0, 8);
    EXPECT_EQ(read_file(path), replaced(edited_text, "M 07100880", "M " + magic));
    EXPECT_EQ(run_tool("check " + quoted(path)).status, 0);
    // Sealing a sealed file changes nothing.
    EXPECT_EQ(run_tool("seal " + quoted(path)).output, magic + "\n");
    EXPECT_EQ(read_file(path), replaced(edited_text, "M 07100880", "M " + magic));
}

TEST(PersonaTool, SealKeepsTheFreeCharactersAndTheLineEnds) {
    // Counted lines as in the loader's checksum test: checksum 3349.
    const std::string path = write_file("free.dat", "R G\r\n  M 91234567 \r\nN ab\r\n[A]\r\nT x");
    RUN run = run_tool("seal " + quoted(path));
    EXPECT_EQ(run.output, "94934337\n");
    EXPECT_EQ(read_file(path), "R G\r\nM 94934337\r\nN ab\r\n[A]\r\nT x");

    const std::string bare = write_file("bare.dat", "R G\r\nN ab\r\n[A]\r\nT x\r\n");
    run = run_tool("seal " + quoted(bare));
    EXPECT_EQ(run.output, "04900330\n");
    EXPECT_EQ(read_file(bare), "M 04900330\r\nR G\r\nN ab\r\n[A]\r\nT x\r\n");
    EXPECT_FALSE(VELMORA_DB(bare).failed());

    const std::string invalid = write_file("invalid.dat", "M 9x\nR G\nN ab\n[A]\nT x\n");
    run = run_tool("seal " + quoted(invalid));
    EXPECT_EQ(run.output, "04900330\n");
    EXPECT_EQ(read_file(invalid), "M 04900330\nR G\nN ab\n[A]\nT x\n");
}

TEST(PersonaTool, SealLeavesAFaultyFileAlone) {
    const std::string content = "M 00000000\nR G\nN ab\n[A]\nT *x\n";
    const std::string path = write_file("faulty.dat", content);
    const RUN run = run_tool("seal " + quoted(path));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.error, path + ", line 5: mis-matched '*' (BOLD) in text\n");
    EXPECT_EQ(read_file(path), content);

    const std::string twice =
        write_file("twice.dat", "M 00000000\nM 00000000\nR G\nN ab\n[A]\nT x\n");
    EXPECT_EQ(run_tool("seal " + quoted(twice)).error,
              twice + ", line 2: M-record already exists\n");
}

TEST(PersonaSeal, TheMagicNumberCarriesTheChecksumInItsCheckedCharacters) {
    EXPECT_EQ(VELMORA_SEAL::sealed_magic(std::nullopt, 123453349), "04900330");
    EXPECT_EQ(VELMORA_SEAL::sealed_magic("-1234567", 42), "-4234007");
    EXPECT_EQ(VELMORA_SEAL::sealed_magic("1234567", 42), "04200000");
    EXPECT_EQ(VELMORA_SEAL::with_magic_line("a\nb\nc", 2, "M 1"), "a\nM 1\nc");
    EXPECT_EQ(VELMORA_SEAL::with_magic_line("a\nb", 0, "M 1"), "M 1\na\nb");
    EXPECT_EQ(VELMORA_SEAL::with_magic_line("a", 5, "M 1"), "M 1\na");
}
