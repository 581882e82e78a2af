#include "app/chess_application_install_dir.h"
#include "app_test_support.h"
#include "persona/velmora_db.h"
#include "persona/velmora_seal.h"

using namespace app_test;

namespace {

const std::string key = "HKEY_CURRENT_USER\\Software\\Kwo\\VelMoraChess";

struct FAILURE_CASE {
    const char* name;
    bool key_present;
    std::optional<std::string> value;
    std::string message;
};

} // namespace

TEST(InstallDir, EachFailureHasItsOwnMessage) {
    const std::string missing_dir = (fs::path(testing::TempDir()) / "velmora_no_such_dir").string();
    const std::vector<FAILURE_CASE> cases = {
        {"no key", false, std::string("/tmp"),
         "Installation Error: Unable to open the registry key: " + key},
        {"no value", true, std::nullopt,
         "Installation Error: Missing value name: " + key + "\\InstallPath"},
        {"no directory", true, missing_dir,
         "Installation Error: The directory " + key + "\\InstallPath = " + missing_dir +
             " does not exist"},
        {"empty value", true, std::string(""),
         "Installation Error: The directory " + key + "\\InstallPath =  does not exist"},
    };
    for (const FAILURE_CASE& c : cases) {
        FAKE_SETTINGS_STORE store;
        store.key_present = c.key_present;
        if (c.value) {
            store.values["InstallPath"] = *c.value;
        }
        const CHESS_APPLICATION_INSTALL_DIR dir(store);
        EXPECT_TRUE(dir.failed()) << c.name;
        EXPECT_EQ(dir.error_message(), c.message) << c.name;
    }
}

TEST(InstallDir, KeepsTheStoredPathAndJoinsWithTheSeparator) {
    const std::string dir_name = (fs::path(testing::TempDir()) / "velmora_app_join").string();
    fs::create_directories(dir_name);
    FAKE_SETTINGS_STORE store;
    store.values["InstallPath"] = dir_name + "/";
    const CHESS_APPLICATION_INSTALL_DIR dir(store);
    ASSERT_FALSE(dir.failed()) << dir.error_message();
    EXPECT_EQ(dir.item(), dir_name + "/");
    EXPECT_TRUE(dir.last_call_successful());
    EXPECT_EQ(dir.file("lastgame.txt"), dir_name + "/lastgame.txt");
    EXPECT_EQ(CHESS_APPLICATION_INSTALL_DIR::joined("/a/b", "c.txt"), "/a/b/c.txt");
    EXPECT_TRUE(dir.is_writable());
}

class StartFailure : public APP_TEST {
  protected:
    // A failed start shows one box, sets failed, and leaves everything else alone: no start
    // text, no state change, commands and ticks ignored, and closing writes nothing.
    void expect_failed_start(const std::string& message) {
        start();
        EXPECT_TRUE(manager->failed());
        ASSERT_EQ(ui.calls.size(), 1u);
        EXPECT_EQ(ui.calls[0].operation, "show_error");
        EXPECT_EQ(ui.calls[0].text, message);
        manager->tick();
        manager->command(CHESS_SHORTCUT_CONSTANTS::shortcut_help);
        manager->follow_link(CHESS_LINK_DATA(std::string("HELP"), "help"));
        EXPECT_TRUE(manager->autosave());
        EXPECT_EQ(ui.calls.size(), 1u);
        EXPECT_FALSE(fs::exists(install / "lastgame.txt"));
        EXPECT_FALSE(fs::exists(root / "user" / "lastgame.txt"));
    }

    // The second line of an installation error: where the setting lives and what to do.
    std::string advice() const {
        return "\nOn this system the setting lives in " + store.settings_file +
               ": run make install, or set InstallPath there.";
    }
};

TEST_F(StartFailure, NoKey) {
    store.key_present = false;
    expect_failed_start("Installation Error: Unable to open the registry key: " + key + advice());
}

// Where the key is the registry itself, its name in the message says it all.
TEST_F(StartFailure, NoKeyInARegistryGetsNoSecondLine) {
    store.key_present = false;
    store.settings_file.clear();
    expect_failed_start("Installation Error: Unable to open the registry key: " + key);
}

TEST_F(StartFailure, NoValue) {
    store.values.clear();
    expect_failed_start("Installation Error: Missing value name: " + key + "\\InstallPath" +
                        advice());
}

TEST_F(StartFailure, NoDirectory) {
    const std::string gone = (root / "gone").string();
    store.values["InstallPath"] = gone;
    expect_failed_start("Installation Error: The directory " + key + "\\InstallPath = " + gone +
                        " does not exist" + advice());
}

TEST_F(StartFailure, NoPersonaFileNamesTheJoinedPath) {
    const std::string persona = (install / "velmora_chess.dat").string();
    fs::remove(persona);
    expect_failed_start("File not found: " + persona);
}

TEST_F(StartFailure, PersonaWithoutAPredefinedGroup) {
    const std::string persona = (install / "velmora_chess.dat").string();
    std::string text = read_file(persona);
    text.replace(text.find("[@EE]"), 5, "[@EX]");
    write_file(persona, text);
    ASSERT_FALSE(VELMORA_SEAL(persona).failed());
    expect_failed_start("Pre-defined group '@EE' does not exist\nPersona file: " + persona);
}

TEST_F(StartFailure, AnUnsealedEditSaysHowToSeal) {
    const std::string persona = (install / "velmora_chess.dat").string();
    std::string text = read_file(persona);
    text.replace(text.find("[@EE]"), 5, "[@EE]\nT an added line.");
    write_file(persona, text);
    const VELMORA_DB db(persona);
    ASSERT_NE(db.error_message().find(": Invalid magic number"), std::string::npos);
    expect_failed_start(db.error_message() +
                        "\nThe file was edited without sealing it. Seal it with: "
                        "velmora-persona seal " +
                        persona);
}
