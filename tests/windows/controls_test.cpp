// The window's small controls against real widgets: history list and scroll bar, image buttons,
// static texts, the chat pane's links and formats, and the chat menu.
#include "history_cells.h"
#include "persona/chess_gui_chat_sentence.h"
#include "presentation/chess_gui_chat_menu.h"
#include "presentation/chess_gui_chat_output.h"
#include "recording_window.h"
#include "windows/chess_gui_history.h"
#include "windows/chess_gui_history_scroll.h"
#include "windows/chess_gui_image_button.h"
#include "windows/chess_gui_static.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

QStringList row_texts(const CHESS_GUI_HISTORY& list, int row) {
    const QTreeWidgetItem* item = list.topLevelItem(row);
    return {item->text(0), item->text(1), item->text(2)};
}

TEST(History, MovesFillRowsTwoToARowAndLeaveThemInTheSameOrder) {
    RECORDING_WINDOW window;
    CHESS_GUI_HISTORY list(&window);
    for (const char* move : {"e2-e4", "e7-e5", "g1-f3"}) {
        list.add_history_move(QString::fromLatin1(move), QString::fromLatin1(move));
    }
    ASSERT_EQ(list.topLevelItemCount(), 2);
    EXPECT_EQ(row_texts(list, 0), (QStringList{"  1.", "e2-e4", "e7-e5"}));
    EXPECT_EQ(row_texts(list, 1), (QStringList{"  2.", "g1-f3", ""}));
    EXPECT_EQ(list.current_ply(), 3);

    list.remove_last_history_move(); // white's move alone in its row: the row goes
    EXPECT_EQ(list.topLevelItemCount(), 1);
    list.remove_last_history_move(); // black's move: the cell empties
    EXPECT_EQ(row_texts(list, 0), (QStringList{"  1.", "e2-e4", ""}));
    EXPECT_EQ(list.current_ply(), 1);

    list.clear_history();
    EXPECT_EQ(list.topLevelItemCount(), 0);
    EXPECT_EQ(list.current_ply(), 0);
    for (int i = 0; i < 20; ++i) {
        list.add_history_move(QStringLiteral("m"), QStringLiteral("m"));
    }
    EXPECT_EQ(list.topLevelItem(9)->text(0), QStringLiteral(" 10."));
}

TEST(History, MarkingMovesTheMarkAndNeverLosesACellsText) {
    RECORDING_WINDOW window;
    CHESS_GUI_HISTORY list(&window);
    for (const char* move : {"e2-e4", "e7-e5", "g1-f3", "b8-c6"}) {
        list.add_history_move(QString::fromLatin1(move), QString::fromLatin1(move));
    }
    list.mark_history_ply(1);
    EXPECT_EQ(list.ply_text(1), QStringLiteral("> e7-e5"));
    list.mark_history_ply(1); // the same ply again changes nothing
    EXPECT_EQ(list.ply_text(1), QStringLiteral("> e7-e5"));
    list.mark_history_ply(2);
    EXPECT_EQ(list.ply_text(1), QStringLiteral("e7-e5"));
    EXPECT_EQ(list.ply_text(2), QStringLiteral("> g1-f3"));
    list.unmark_history_ply();
    EXPECT_EQ(list.ply_text(2), QStringLiteral("g1-f3"));
    EXPECT_FALSE(list.has_mark());

    list.mark_history_ply(3);
    list.remove_last_history_move(); // the marked cell is gone with its mark
    EXPECT_FALSE(list.has_mark());
    list.add_history_move(QStringLiteral("d7-d6"), QStringLiteral("d7-d6"));
    list.unmark_history_ply();
    EXPECT_EQ(list.ply_text(3), QStringLiteral("d7-d6"));

    list.mark_history_ply(4); // past the last ply: nothing to mark
    EXPECT_FALSE(list.has_mark());
}

TEST(History, SwitchingNotationRelabelsEveryCellAndKeepsTheMark) {
    RECORDING_WINDOW window;
    CHESS_GUI_HISTORY list(&window);
    const std::pair<const char*, const char*> moves[] = {
        {"e2-e4", "e4"}, {"e7-e5", "e5"}, {"g1-f3", "Nf3"}, {"e8-e7", "Ke7"}};
    for (const auto& [coordinates, san] : moves) {
        list.add_history_move(QString::fromLatin1(coordinates), QString::fromLatin1(san));
    }
    list.mark_history_ply(2);
    list.show_standard_notation(true);
    EXPECT_EQ(row_texts(list, 0), (QStringList{"  1.", "e4", "e5"}));
    EXPECT_EQ(list.ply_text(2), QStringLiteral("> Nf3"));
    list.remove_last_history_move();
    list.add_history_move(QStringLiteral("b8-c6"), QStringLiteral("Nc6"));
    EXPECT_EQ(list.ply_text(3), QStringLiteral("Nc6"));
    list.show_standard_notation(false);
    EXPECT_EQ(list.ply_text(2), QStringLiteral("> g1-f3"));
    EXPECT_EQ(list.ply_text(3), QStringLiteral("b8-c6"));
    list.unmark_history_ply();
    EXPECT_EQ(list.ply_text(2), QStringLiteral("g1-f3"));
}

TEST(History, TheWidestMoveTextsAndNumbersShowWhole) {
    RECORDING_WINDOW window;
    window.resize(674, 562);
    auto* list = new CHESS_GUI_HISTORY(&window);
    list->setGeometry(482, 66, 182, 244);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const char* widest[] = {"e7xd8 =Q+", "e5xd6 e.p.+", "o-o-o+", "e5xd6 e.p."};
    for (int ply = 0; ply < 2 * 99; ++ply) {
        list->add_history_move(QString::fromLatin1(widest[ply % 4]),
                               QString::fromLatin1(widest[ply % 4]));
    }
    EXPECT_EQ(list->topLevelItem(98)->text(0), QStringLiteral(" 99."));
    ASSERT_TRUE(list->verticalScrollBar()->isVisible());
    expect_every_cell_whole(*list);
    list->mark_history_ply(2 * 98 + 1); // "> e5xd6 e.p.+"
    expect_every_cell_whole(*list);
    EXPECT_EQ(list->geometry(), QRect(482, 66, 182, 244));
}

TEST(HistoryScroll, ReportsTheUsersActionsOnlyWithinTheRange) {
    RECORDING_WINDOW window;
    CHESS_GUI_HISTORY_SCROLL scroll(&window);
    window.watch(scroll);
    scroll.resize(179, 15);
    scroll.set_history_plies(4);
    EXPECT_EQ(scroll.value(), 4);
    EXPECT_TRUE(window.history_selects.empty()) << "the program's own change is not reported";

    scroll.triggerAction(QAbstractSlider::SliderSingleStepSub);
    scroll.triggerAction(QAbstractSlider::SliderPageStepSub);
    scroll.triggerAction(QAbstractSlider::SliderToMinimum);
    scroll.triggerAction(QAbstractSlider::SliderSingleStepSub); // already at the start
    scroll.triggerAction(QAbstractSlider::SliderToMaximum);
    scroll.triggerAction(QAbstractSlider::SliderSingleStepAdd); // already at the end
    EXPECT_EQ(window.history_selects, (std::vector<int32_t>{3, 2, 0, 0, 4, 4}));

    window.history_selects.clear();
    scroll.show();
    QTest::mouseClick(&scroll, Qt::LeftButton, {}, QPoint(4, 7)); // the left arrow
    ASSERT_EQ(window.history_selects.size(), 1u);
    EXPECT_EQ(window.history_selects[0], 3);
}

TEST(ImageButton, APressTogglesAndReportsSwitchingFromCodeOnlyRepaints) {
    RECORDING_WINDOW window;
    CHESS_GUI_IMAGE_BUTTON button(&window, QPoint(10, 10), 187, 188);
    window.watch(button);
    EXPECT_TRUE(button.is_on());
    EXPECT_EQ(button.size(), QPixmap(QStringLiteral(":/187.png")).size());

    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_EQ(window.button_switches.size(), 2u);
    EXPECT_EQ(window.button_switches[0].button, &button);
    EXPECT_FALSE(window.button_switches[0].is_on);
    EXPECT_TRUE(window.button_switches[1].is_on);

    button.set_on(false);
    EXPECT_FALSE(button.is_on());
    button.setEnabled(false); // the turn arrows: display only
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(window.button_switches.size(), 2u);
    EXPECT_FALSE(button.is_on());
}

TEST(StaticText, NamePlateAndStatusHaveTheirColours) {
    QWidget parent;
    CHESS_GUI_STATIC name(&parent, false);
    CHESS_GUI_STATIC status(&parent, true);
    name.resize(93, 22);
    status.resize(81, 22);
    name.set_text(QStringLiteral("player"));
    status.set_text(QStringLiteral("Winner!"));
    const QImage plate = name.grab().toImage();
    const QImage red = status.grab().toImage();
    EXPECT_EQ(plate.pixelColor(5, 11), QColor(178, 206, 195));
    EXPECT_EQ(red.pixelColor(2, 2), QColor(150, 182, 170));
    bool has_red_text = false;
    for (int x = 0; x < red.width(); ++x) {
        has_red_text = has_red_text || red.pixelColor(x, 11).red() > 200;
    }
    EXPECT_TRUE(has_red_text);
}

CHESS_GUI_CHAT_SENTENCE sentence_with_link(const std::string& before, const std::string& shown,
                                           const std::string& identifier) {
    CHESS_GUI_CHAT_SENTENCE sentence = CHESS_GUI_CHAT_SENTENCE::velmora();
    if (!before.empty()) {
        sentence.add(CHESS_GUI_CHAT_PHRASE::normal(before));
    }
    sentence.add(CHESS_GUI_CHAT_PHRASE::link(shown, CHESS_LINK_DATA(identifier, shown)));
    sentence.add(CHESS_GUI_CHAT_PHRASE::normal(" after"));
    return sentence;
}

class CHAT : public testing::Test {
  protected:
    void SetUp() override {
        window.resize(450, 160);
        chat.setGeometry(10, 10, 430, 145);
        window.watch(chat);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void click(QPoint point) { QTest::mouseClick(chat.viewport(), Qt::LeftButton, {}, point); }

    RECORDING_WINDOW window;
    CHESS_GUI_CHAT_OUTPUT chat{&window};
};

TEST_F(CHAT, ALinkAtTheStartBeginsAfterTheLineBreakAndClicksOnItsCharactersReport) {
    chat.add_sentence(sentence_with_link("", "new game", "START_MENU"));
    ASSERT_EQ(chat.links().items().size(), 1u);
    const CHESS_GUI_CHAT_LINKDB_ITEM& link = chat.links().items()[0];
    EXPECT_EQ(link.start_position, 1);
    EXPECT_EQ(link.end_position, 9);
    EXPECT_EQ(chat.toPlainText(), QStringLiteral("\nnew game after"));

    click(chat.character_point(link.start_position));
    click(chat.character_point(link.end_position - 1));
    ASSERT_EQ(window.links.size(), 2u);
    EXPECT_EQ(window.links[0].identifier, std::optional<std::string>("START_MENU"));
    EXPECT_EQ(window.links[0].url, "new game");

    click(chat.character_point(link.end_position + 2)); // plain text after the link
    click(QPoint(chat.viewport()->width() - 5, chat.character_point(1).y())); // past the line
    click(QPoint(10, chat.viewport()->height() - 5));                         // below the text
    EXPECT_EQ(window.links.size(), 2u);
}

TEST_F(CHAT, PressOnALinkAndReleaseElsewhereDoesNothing) {
    chat.add_sentence(sentence_with_link("say ", "hello", "HELP3"));
    const CHESS_GUI_CHAT_LINKDB_ITEM link = chat.links().items()[0];
    QTest::mousePress(chat.viewport(), Qt::LeftButton, {},
                      chat.character_point(link.start_position));
    QTest::mouseRelease(chat.viewport(), Qt::LeftButton, {}, chat.character_point(1));
    EXPECT_TRUE(window.links.empty());
}

TEST_F(CHAT, FormatsFollowTheSpeakerAndThePhrase) {
    CHESS_GUI_CHAT_SENTENCE velmora = CHESS_GUI_CHAT_SENTENCE::velmora();
    velmora.add(CHESS_GUI_CHAT_PHRASE::bold("Velmora"));
    velmora.add(CHESS_GUI_CHAT_PHRASE::normal(": hi "));
    velmora.add(CHESS_GUI_CHAT_PHRASE::link("help", CHESS_LINK_DATA("HELP", "help")));
    chat.add_sentence(velmora);
    CHESS_GUI_CHAT_SENTENCE system = CHESS_GUI_CHAT_SENTENCE::system();
    system.add(CHESS_GUI_CHAT_PHRASE::normal("[DRAW]"));
    chat.add_sentence(system);

    const auto format_at = [this](int position) {
        QTextCursor cursor(chat.document());
        cursor.setPosition(position + 1); // the format of the character before the cursor
        return cursor.charFormat();
    };
    EXPECT_EQ(format_at(1).foreground().color(), QColor(255, 0, 128));
    EXPECT_EQ(format_at(1).fontWeight(), QFont::Bold);
    EXPECT_EQ(format_at(9).foreground().color(), QColor(255, 0, 128));
    EXPECT_EQ(format_at(9).fontWeight(), QFont::Normal);
    const int link = chat.links().items()[0].start_position;
    EXPECT_EQ(format_at(link).foreground().color(), QColor(0, 0, 255));
    EXPECT_TRUE(format_at(link).fontUnderline());
    EXPECT_NE(format_at(link).fontWeight(), QFont::Bold);
    const int draw = chat.toPlainText().indexOf(QStringLiteral("[DRAW]"));
    EXPECT_EQ(format_at(draw).foreground().color(), QColor(0, 0, 0));
}

TEST_F(CHAT, TheNewestLineStaysInViewAndOldLinksKeepTheirRanges) {
    chat.add_sentence(sentence_with_link("first ", "old", "EE"));
    for (int i = 0; i < 40; ++i) {
        CHESS_GUI_CHAT_SENTENCE line = CHESS_GUI_CHAT_SENTENCE::system();
        line.add(CHESS_GUI_CHAT_PHRASE::normal("line " + std::to_string(i)));
        chat.add_sentence(line);
        chat.new_line();
    }
    chat.add_sentence(sentence_with_link("last ", "newest", "MAIL_TO"));
    const QScrollBar* bar = chat.verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    const CHESS_GUI_CHAT_LINKDB_ITEM newest = chat.links().items()[1];
    const QPoint point = chat.character_point(newest.start_position);
    EXPECT_TRUE(chat.viewport()->rect().contains(point));
    EXPECT_EQ(chat.document()->toPlainText().mid(chat.links().items()[0].start_position, 3),
              QStringLiteral("old"));
    click(point);
    ASSERT_EQ(window.links.size(), 1u);
    EXPECT_EQ(window.links[0].identifier, std::optional<std::string>("MAIL_TO"));
}

TEST(ChatMenu, ItemsInOrderWithSeparatorsGreyedByIdentifier) {
    std::vector<int32_t> chosen;
    CHESS_GUI_CHAT_MENU menu(nullptr);
    QObject::connect(&menu, &CHESS_GUI_CHAT_MENU::command_chosen,
                     [&chosen](int32_t id) { chosen.push_back(id); });
    // Each item with the keys shown beside it.
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts << (action->isSeparator()
                      ? QStringLiteral("-")
                      : action->text() + QLatin1Char(' ') +
                            action->shortcut().toString(QKeySequence::PortableText));
    }
    EXPECT_EQ(texts, (QStringList{"New game Ctrl+N",
                                  "Load game Ctrl+O",
                                  "Save game Ctrl+S",
                                  "Export PGN\u2026 Ctrl+E",
                                  "-",
                                  "Hint H",
                                  "Undo move Ctrl+Z",
                                  "Resign Ctrl+R",
                                  "-",
                                  "Change nickname Ctrl+Shift+N",
                                  "Game statistics Ctrl+I",
                                  "-",
                                  "About Shift+F1",
                                  "Help F1",
                                  "-",
                                  "Flip board F",
                                  "Webcam on/off W",
                                  "Standard notation Ctrl+T",
                                  "Vary my openings ",
                                  "Speak moves Ctrl+M",
                                  "-",
                                  "Zoom in Ctrl++",
                                  "Zoom out Ctrl+-",
                                  "Actual size Ctrl+0"}));
    menu.disable_command(5);
    EXPECT_FALSE(menu.is_command_enabled(5));
    EXPECT_TRUE(menu.is_command_enabled(6));
    menu.enable_command(5);
    EXPECT_TRUE(menu.is_command_enabled(5));
    menu.command_action(8)->trigger();
    EXPECT_EQ(chosen, (std::vector<int32_t>{8}));
    const qsizetype items = menu.actions().size();
    menu.remove_command(CHESS_GUI_CHAT_MENU::speak_moves);
    EXPECT_EQ(menu.command_action(CHESS_GUI_CHAT_MENU::speak_moves), nullptr);
    EXPECT_EQ(menu.actions().size(), items - 1);
}

} // namespace
