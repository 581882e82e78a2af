#include "app/chess_announcement.h"

#include <gtest/gtest.h>
#include <vector>

TEST(Announcement, PartsAlternateNormalAndBoldAndEmptyOnesAreLeftOut) {
    using A = CHESS_ANNOUNCEMENT;
    using P = CHESS_GUI_CHAT_PHRASE;
    struct CASE {
        CHESS_GUI_CHAT_SENTENCE sentence;
        std::vector<CHESS_GUI_CHAT_PHRASE> phrases;
    };
    const std::vector<CASE> cases = {
        {A::make({"[DRAW]"}), {P::normal("[DRAW]")}},
        {A::make({"[CHECK-MATE ", "anna", " WINS]"}),
         {P::normal("[CHECK-MATE "), P::bold("anna"), P::normal(" WINS]")}},
        {A::make({"[NEW GAME: ", "anna", " vs. ", "Velmora", "]"}),
         {P::normal("[NEW GAME: "), P::bold("anna"), P::normal(" vs. "), P::bold("Velmora"),
          P::normal("]")}},
        {A::make({"[", "", " RESIGNS]"}), {P::normal("["), P::normal(" RESIGNS]")}},
        // A name is shown as it is written, never read as markup.
        {A::make({"[", "<x|RESIGN_GAME>", "]"}),
         {P::normal("["), P::bold("<x|RESIGN_GAME>"), P::normal("]")}},
    };
    for (const CASE& c : cases) {
        EXPECT_TRUE(c.sentence.is_system);
        EXPECT_FALSE(c.sentence.is_velmora);
        EXPECT_EQ(c.sentence.phrases, c.phrases) << c.sentence.text();
    }
}
