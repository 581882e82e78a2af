// The window by keyboard and for assistive technology: the commands' keys in each state, history
// browsing by click and by key, the chat that holds its place, standard notation and PGN export,
// the accessibility tree, the Tab order, the announcements of moves, and no speech where the
// computer has no speech engine.
#include "board_view/chess_gui_board.h"
#include "board_view/chess_gui_move_box.h"
#include "main_window_fixture.h"
#include "presentation/chess_gui_chat_menu.h"
#include "presentation/chess_gui_chat_output.h"
#include "saved_games/chess_pgn_writer.h"
#include "windows/chess_gui_announcer.h"
#include "windows/chess_gui_history.h"
#include "windows/chess_gui_history_scroll.h"
#include "windows/chess_gui_image_button.h"
#include "windows/chess_gui_speaker.h"

#include <QAccessible>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextToSpeech>

namespace {
constexpr int32_t e2 = 13, e4 = 29, g1 = 7, f3 = 22;

// The interface assistive technology reads for the child of the window named name.
QAccessibleInterface* accessible_child(QWidget& window, const QString& name) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
    for (int i = 0; root && i < root->childCount(); ++i) {
        if (root->child(i)->text(QAccessible::Name) == name) {
            return root->child(i);
        }
    }
    return nullptr;
}

CHESS_GUI_CHAT_SENTENCE line(const std::string& text) {
    CHESS_GUI_CHAT_SENTENCE sentence = CHESS_GUI_CHAT_SENTENCE::system();
    sentence.add(CHESS_GUI_CHAT_PHRASE::normal(text));
    return sentence;
}
} // namespace

class KeyboardWindow : public MAIN_WINDOW_TEST {
  protected:
    // Two moves of the player, each answered.
    void play_two_moves(CHESS_MAIN_WINDOW& w) {
        new_game();
        w.on_board_move(e2, e4, 0);
        ASSERT_TRUE(wait_for_state(A::state_player_turn));
        w.on_board_move(g1, f3, 0);
        ASSERT_TRUE(wait_for_state(A::state_player_turn));
        activate(w);
    }
};

// Greyed commands do nothing by their keys; enabled ones act as the menu does.
TEST_F(KeyboardWindow, CommandKeysFollowTheMenusState) {
    CHESS_MAIN_WINDOW& w = start_active_window();
    EXPECT_EQ(w.chat_menu->command_action(S::shortcut_hint)->shortcut(), QKeySequence("H"));
    EXPECT_EQ(w.chat_menu->command_action(S::shortcut_new_game)->shortcut(),
              QKeySequence("Ctrl+N"));

    // No game: undo, hint and save are greyed.
    const int32_t bottom = w.bottom_side();
    press(&w, Qt::Key_Z, Qt::ControlModifier);
    press(&w, Qt::Key_H);
    press(&w, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(manager().state(), A::state_no_game);
    press(&w, Qt::Key_F); // flipping is always at hand
    EXPECT_NE(w.bottom_side(), bottom);
    press(&w, Qt::Key_F, Qt::ShiftModifier);
    EXPECT_EQ(w.bottom_side(), bottom);

    // Ctrl+N asks for the new game and starts it.
    answer_new_game(1, true);
    press(&w, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(asked, std::vector<std::string>{"new_game_dialog"});
    ASSERT_EQ(manager().state(), A::state_player_turn);
    activate(w);

    // A game runs: load is greyed, hint works.
    press(&w, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(asked.size(), 1u);
    press(&w, Qt::Key_H);
    EXPECT_TRUE(manager().state() == A::state_hint || manager().state() == A::state_player_turn);
    ASSERT_TRUE(wait_for_state(A::state_player_turn));

    // F1 opens the help in the chat; F10 opens the menu.
    const int lines = w.chat_output->document()->blockCount();
    press(&w, Qt::Key_F1);
    EXPECT_GT(w.chat_output->document()->blockCount(), lines);
    press(&w, Qt::Key_F10);
    EXPECT_TRUE(w.chat_menu->isVisible());
    w.chat_menu->close();
}

// Letters typed into a text field are text; on the board a lower-case file letter starts a move
// in the move box, and the Shift form still reaches the command.
TEST_F(KeyboardWindow, SingleLetterKeysLeaveTextFieldsAndTheBoardAlone) {
    CHESS_MAIN_WINDOW& w = start_active_window();
    new_game(); // the board takes the focus while it is enabled
    activate(w);
    const int32_t bottom = w.bottom_side();
    auto* field = new QLineEdit(&w);
    field->show();
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([field] { return field->hasFocus(); }));
    press(field, Qt::Key_F);
    press(field, Qt::Key_H);
    EXPECT_EQ(field->text(), QStringLiteral("fh"));
    EXPECT_EQ(w.bottom_side(), bottom);

    w.chess_ctrl->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&w] { return w.chess_ctrl->hasFocus(); }));
    press(w.chess_ctrl, Qt::Key_F);
    EXPECT_EQ(w.bottom_side(), bottom);
    ASSERT_TRUE(QTest::qWaitFor([&w] { return w.move_box->hasFocus(); }));
    EXPECT_EQ(w.move_box->text(), QStringLiteral("f"));
    press(w.move_box, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&w] { return w.chess_ctrl->hasFocus(); }));
    EXPECT_TRUE(w.chat_menu->is_command_enabled(CHESS_GUI_CHAT_MENU::flip_board));
    EXPECT_EQ(QApplication::activeWindow(), &w);
    press(w.chess_ctrl, Qt::Key_F, Qt::ShiftModifier);
    EXPECT_NE(w.bottom_side(), bottom);
}

TEST_F(KeyboardWindow, HistoryByClickAndByKey) {
    CHESS_MAIN_WINDOW& w = start_active_window();
    play_two_moves(w);
    CHESS_GUI_HISTORY& list = *w.hist_list;
    ASSERT_EQ(list.current_ply(), 4);

    const auto click_cell = [&list](int row, int column) {
        const QRect cell = list.visualRect(list.model()->index(row, column));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    };
    click_cell(0, 1); // white's first move: the position after it
    EXPECT_EQ(manager().current_ply(), 1);
    EXPECT_EQ(list.marked_ply(), 1);
    EXPECT_EQ(w.hist_scroll->value(), 1);
    EXPECT_EQ(w.chess_ctrl->board_info().item(e4), 1);
    EXPECT_EQ(w.chess_ctrl->board_info().item(g1), 3) << "the knight has not moved yet";

    list.setFocus();
    const struct {
        Qt::Key key;
        int32_t ply;
    } steps[] = {{Qt::Key_Left, 0},  {Qt::Key_Left, 0}, {Qt::Key_Right, 1}, {Qt::Key_End, 4},
                 {Qt::Key_Right, 4}, {Qt::Key_Home, 0}, {Qt::Key_Right, 1}};
    for (const auto& step : steps) {
        press(&list, step.key);
        EXPECT_EQ(manager().current_ply(), step.ply)
            << QKeySequence(step.key).toString().toStdString();
        EXPECT_EQ(w.hist_scroll->value(), step.ply);
        EXPECT_EQ(list.has_mark(), step.ply < 4);
    }

    click_cell(1, 2); // black's last move: the current position, unmarked
    EXPECT_EQ(manager().current_ply(), 4);
    EXPECT_FALSE(list.has_mark());
    EXPECT_EQ(w.chess_ctrl->board_info().item(f3), 3);
}

TEST_F(KeyboardWindow, TheChatHoldsItsPlaceWhileScrolledUpOrPressed) {
    CHESS_MAIN_WINDOW& w = start_window();
    CHESS_GUI_CHAT_OUTPUT& chat = *w.chat_output;
    for (int i = 0; i < 30; ++i) {
        w.add_sentence(line("line " + std::to_string(i)));
    }
    QScrollBar& bar = *chat.verticalScrollBar();
    ASSERT_GT(bar.maximum(), 0);
    EXPECT_TRUE(chat.is_at_bottom());
    EXPECT_FALSE(chat.new_lines_mark()->isVisible());

    bar.setValue(0); // the player scrolls up to read
    w.add_sentence(line("while reading"));
    EXPECT_EQ(bar.value(), 0);
    ASSERT_TRUE(chat.new_lines_mark()->isVisible());
    QTest::mouseClick(const_cast<QPushButton*>(chat.new_lines_mark()), Qt::LeftButton);
    EXPECT_TRUE(chat.is_at_bottom());
    EXPECT_FALSE(chat.new_lines_mark()->isVisible());

    // At the bottom, new lines follow.
    w.add_sentence(line("followed"));
    EXPECT_TRUE(chat.is_at_bottom());

    // A button held on the pane keeps the text still; the release catches up.
    const QPoint inside = chat.viewport()->rect().center();
    QTest::mousePress(chat.viewport(), Qt::LeftButton, Qt::NoModifier, inside);
    const int held = bar.value();
    w.add_sentence(line("under the press 1"));
    w.add_sentence(line("under the press 2"));
    EXPECT_EQ(bar.value(), held);
    QTest::mouseRelease(chat.viewport(), Qt::LeftButton, Qt::NoModifier, inside);
    EXPECT_TRUE(chat.is_at_bottom());
}

// The setting shows standard notation, is kept in the settings, and holds at the next start.
TEST_F(KeyboardWindow, StandardNotationIsASettingOfTheHistory) {
    CHESS_MAIN_WINDOW& w = start_active_window();
    play_two_moves(w);
    EXPECT_EQ(w.hist_list->ply_text(0), QStringLiteral("e2-e4"));
    press(&w, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(w.hist_list->ply_text(0), QStringLiteral("e4"));
    EXPECT_EQ(w.hist_list->ply_text(2), QStringLiteral("Nf3"));
    EXPECT_EQ(store.values["StandardNotation"], "true");
    EXPECT_TRUE(w.chat_menu->command_action(CHESS_GUI_CHAT_MENU::standard_notation)->isChecked());

    window.reset();
    CHESS_MAIN_WINDOW& again = start_window();
    EXPECT_TRUE(again.hist_list->shows_standard_notation());
    EXPECT_EQ(again.hist_list->ply_text(2), QStringLiteral("Nf3")) << "the resumed game";
}

TEST_F(KeyboardWindow, ExportPgnWritesTheGameWhereTheDialogSays) {
    CHESS_MAIN_WINDOW& w = start_active_window();
    EXPECT_FALSE(w.chat_menu->is_command_enabled(CHESS_GUI_CHAT_MENU::export_pgn));
    play_two_moves(w);
    const std::string path = (root / "game.pgn").string();
    answers.push_back([path](QDialog& dialog) {
        auto& files = dynamic_cast<QFileDialog&>(dialog);
        EXPECT_EQ(files.defaultSuffix(), QStringLiteral("pgn"));
        files.selectFile(QString::fromStdString(path));
        dialog.accept();
    });
    press(&w, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(asked.back(), "export_dialog");
    const std::string pgn = read_file(path);
    EXPECT_NE(pgn.find("1. e4 "), std::string::npos) << pgn;
    EXPECT_NE(pgn.find("2. Nf3 "), std::string::npos) << pgn;
}

// Every control the window holds is in the accessibility tree with a name and a description.
TEST_F(KeyboardWindow, EveryControlHasAnAccessibleNameAndDescription) {
    CHESS_MAIN_WINDOW& w = start_window();
    new_game();
    QAccessibleInterface* root_interface = QAccessible::queryAccessibleInterface(&w);
    ASSERT_NE(root_interface, nullptr);
    EXPECT_FALSE(root_interface->text(QAccessible::Name).isEmpty());
    std::vector<QObject*> in_tree;
    for (int i = 0; i < root_interface->childCount(); ++i) {
        QAccessibleInterface* child = root_interface->child(i);
        ASSERT_NE(child, nullptr);
        in_tree.push_back(child->object());
        EXPECT_FALSE(child->text(QAccessible::Name).isEmpty())
            << child->object()->objectName().toStdString();
        EXPECT_FALSE(child->text(QAccessible::Description).isEmpty())
            << child->object()->objectName().toStdString();
    }
    for (QWidget* control : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isVisible()) {
            EXPECT_NE(std::find(in_tree.begin(), in_tree.end(), control), in_tree.end())
                << control->objectName().toStdString();
        }
    }
}

TEST_F(KeyboardWindow, TabVisitsBoardHistoryChatAndButtonsInOrder) {
    add_video();
    CHESS_MAIN_WINDOW& w = start_active_window();
    new_game();
    activate(w);
    w.chess_ctrl->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&w] { return w.chess_ctrl->hasFocus(); }));
    const std::vector<QWidget*> order{w.move_box,      w.hist_list,         w.chat_output,
                                      w.rotate_switch, w.chat_video_switch, w.chat_icon};
    for (QWidget* next : order) {
        press(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    // The focus shows: a frame in the highlight colour inside the list and the chat.
    for (QAbstractScrollArea* area :
         std::initializer_list<QAbstractScrollArea*>{w.hist_list, w.chat_output}) {
        const QColor highlight = area->palette().color(QPalette::Highlight);
        area->setFocus();
        EXPECT_EQ(area->viewport()->grab().toImage().pixelColor(1, 20), highlight);
        w.chess_ctrl->setFocus();
        EXPECT_NE(area->viewport()->grab().toImage().pixelColor(1, 20), highlight);
    }
    // A focused button answers Space as a click.
    w.rotate_switch->setFocus();
    const int32_t bottom = w.bottom_side();
    press(w.rotate_switch, Qt::Key_Space);
    EXPECT_NE(w.bottom_side(), bottom);
}

// The headless platform has no screen reader bridge to listen on, so the test reads what one
// would: the announcements as they are sent, and the text of the announcements line in the tree.
TEST_F(KeyboardWindow, MovesAndNoticesAreAnnouncedWithTheirText) {
    CHESS_MAIN_WINDOW& w = start_window();
    QSignalSpy spy(w.announcer, &CHESS_GUI_ANNOUNCER::announced);
    new_game();
    w.on_board_move(e2, e4, 0);
    ASSERT_TRUE(wait_for_state(A::state_player_turn));
    QStringList heard;
    for (const QList<QVariant>& arguments : spy) {
        heard.append(arguments.at(0).toString());
    }
    const std::string all = heard.join('|').toStdString();
    EXPECT_TRUE(heard.contains(QStringLiteral("[NEW GAME: player vs. Velmora]"))) << all;
    EXPECT_TRUE(heard.contains(QStringLiteral("player plays pawn e4"))) << all;
    const auto reply = std::find_if(heard.begin(), heard.end(), [](const QString& text) {
        return text.startsWith(QStringLiteral("Velmora plays "));
    });
    ASSERT_NE(reply, heard.end()) << all;
    EXPECT_GT(reply - heard.begin(), heard.indexOf(QStringLiteral("player plays pawn e4")));

    QAccessibleInterface* line = accessible_child(w, QStringLiteral("Announcements"));
    ASSERT_NE(line, nullptr);
    ASSERT_NE(line->textInterface(), nullptr);
    const int length = line->textInterface()->characterCount();
    EXPECT_EQ(line->textInterface()->text(0, length), heard.back());
}

// A computer without a speech engine is not offered speech, and its moves are announced as
// always.
TEST_F(KeyboardWindow, WithoutASpeechEngineSpeakMovesIsNotOffered) {
    if (!QTextToSpeech::availableEngines().isEmpty()) {
        GTEST_SKIP() << "this computer has a speech engine";
    }
    CHESS_MAIN_WINDOW& w = start_active_window();
    EXPECT_EQ(w.chat_menu->command_action(CHESS_GUI_CHAT_MENU::speak_moves), nullptr);
    for (const QAction* action : w.actions()) {
        EXPECT_NE(action->text(), QStringLiteral("Speak moves"));
    }
    press(&w, Qt::Key_M, Qt::ControlModifier);
    EXPECT_FALSE(w.speaker->is_on());
    EXPECT_EQ(store.values.count("SpeakMoves"), 0U);
    QSignalSpy spy(w.announcer, &CHESS_GUI_ANNOUNCER::announced);
    new_game();
    w.on_board_move(e2, e4, 0);
    ASSERT_TRUE(wait_for_state(A::state_player_turn));
    EXPECT_FALSE(spy.isEmpty());
}
