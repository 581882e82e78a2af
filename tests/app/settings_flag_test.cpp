#include "fake_settings_store.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

struct FLAG_CASE {
    std::optional<std::string> text;
    bool otherwise;
    bool expected;
};

// The player's yes-or-no choices read the same way for every setting: the two spellings of each
// answer, and the setting's own default for anything else.
TEST(SettingsFlag, ReadsBothSpellingsAndFallsBackToTheDefault) {
    const FLAG_CASE cases[] = {
        {"true", false, true}, {"1", false, true},         {"false", true, false},
        {"0", true, false},    {std::nullopt, true, true}, {std::nullopt, false, false},
        {"", true, true},      {"yes", false, false},      {"TRUE", false, false},
    };
    for (const FLAG_CASE& c : cases) {
        FAKE_SETTINGS_STORE store;
        if (c.text) {
            store.values["Choice"] = *c.text;
        }
        EXPECT_EQ(store.flag("Choice", c.otherwise), c.expected)
            << c.text.value_or("(missing)") << " with default " << c.otherwise;
    }
}

TEST(SettingsFlag, IsWrittenAsTrueOrFalseAndReadBack) {
    FAKE_SETTINGS_STORE store;
    for (const bool on : {true, false}) {
        store.set_flag("Choice", on);
        EXPECT_EQ(store.values["Choice"], on ? "true" : "false");
        EXPECT_EQ(store.flag("Choice", !on), on);
    }
}

} // namespace
