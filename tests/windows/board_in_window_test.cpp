// Moves made with the mouse on the real board inside the main window, promotions through the
// prompt in both orientations, the computer's reply animated, and screenshots of the window.
#include "board_view/chess_gui_board.h"
#include "board_view/chess_gui_move_box.h"
#include "desktop/chess_gui_zoom.h"
#include "history_cells.h"
#include "main_window_fixture.h"
#include "presentation/chess_gui_chat_menu.h"
#include "presentation/chess_gui_chat_output.h"
#include "presentation/chess_gui_video.h"
#include "saved_games/chess_game_file.h"
#include "windows/chess_gui_dialog_units.h"
#include "windows/chess_gui_history.h"
#include "windows/chess_gui_history_scroll.h"
#include "windows/chess_gui_image_button.h"
#include "windows/new_game_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QSlider>
#include <cmath>

namespace {

constexpr int32_t g1 = 7, e2 = 13, f3 = 22, e4 = 29, e5 = 37, h5 = 40, f7 = 54, g7 = 55, e8 = 61,
                  g8 = 63;

class BoardInWindow : public MAIN_WINDOW_TEST {
  protected:
    // A point of square s in the board control's coordinates, inside its piece.
    QPoint at(int32_t s) const {
        CHESS_GUI_TRANSFORM tf = window->chess_ctrl->transform();
        tf.compute_square(s);
        return {tf.piece_x + 17, tf.piece_y + 17};
    }

    void drag(int32_t from, int32_t to) {
        CHESS_GUI_BOARD* board = window->chess_ctrl;
        QTest::mousePress(board, Qt::LeftButton, {}, at(from));
        QTest::mouseMove(board, (at(from) + at(to)) / 2);
        QTest::mouseMove(board, at(to));
        QTest::mouseRelease(board, Qt::LeftButton, {}, at(to));
    }

    // Loads the game of these moves, white to move after them.
    void load_game(const std::vector<const char*>& moves) {
        CHESS_GAME game;
        for (const char* text : moves) {
            for (const CHESS_MOVE& m : game.legal_moves()) {
                if (m.uci_text() == text) {
                    game.make_move(m);
                    break;
                }
            }
        }
        ASSERT_EQ(game.move_count(), static_cast<int32_t>(moves.size()));
        const std::string path = (root / "loaded.txt").string();
        CHESS_GAME_FILE(path).write(game, CHESS_GAME_OPTIONS(), "player", false);
        answers.push_back([path](QDialog& dialog) {
            auto& files = dynamic_cast<QFileDialog&>(dialog);
            files.selectFile(QString::fromStdString(path));
            dialog.accept();
        });
        window->on_menu_command(S::shortcut_load_game);
        ASSERT_EQ(manager().game().move_count(), static_cast<int32_t>(moves.size()));
        ASSERT_EQ(manager().state(), A::state_player_turn);
    }

    // A game in which white's pawn on g7 is about to promote, white to move.
    void load_promotion_game() {
        load_game({"h2h4", "g7g5", "h4g5", "h7h6", "g5h6", "f8g7", "h6g7", "g8f6"});
    }

    // Gives the window the keyboard with the board focused, as a player's first click would.
    void focus_board() {
        activate(*window);
        window->chess_ctrl->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), window->chess_ctrl);
    }

    // Keys go where the keyboard focus is, as a player's do: text one character at a time.
    static void type(const QString& text) {
        for (const QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        }
    }
    static void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }

    CHESS_GUI_MOVE_BOX* move_box() const {
        return window->findChild<CHESS_GUI_MOVE_BOX*>(QStringLiteral("move_box"));
    }

    void click(int32_t s) { QTest::mouseClick(window->chess_ctrl, Qt::LeftButton, {}, at(s)); }

    // After 1. e4 e5 2. Bc4 Nc6 3. Qh5 Nf6 white mates with Qxf7. A game in progress is left by
    // closing the window and starting afresh, as a game loads only when none is being played.
    void load_scholars_mate() {
        window->close();
        window.reset();
        std::filesystem::remove(install / "lastgame.txt");
        start_window();
        load_game({"e2e4", "e7e5", "f1c4", "b8c6", "d1h5", "g8f6"});
    }

    void save_screenshot(QWidget& widget, const QString& name) {
        const QString folder = QStringLiteral(VELMORA_BUILD_DIR "/screenshots");
        QDir().mkpath(folder);
        EXPECT_TRUE(widget.grab().save(folder + QStringLiteral("/") + name));
    }
};

class PAINT_COUNTER : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

TEST_F(BoardInWindow, ADraggedMoveReachesTheGameAndTheReplyIsAnimated) {
    CHESS_MAIN_WINDOW& w = start_window();
    new_game();
    ASSERT_EQ(w.chess_ctrl->mode(), CHESS_GUI_BOARD::mode_waiting);
    drag(e2, e5); // not a legal destination: the piece goes back
    EXPECT_EQ(manager().game().move_count(), 0);
    EXPECT_EQ(w.chess_ctrl->mode(), CHESS_GUI_BOARD::mode_waiting);

    drag(e2, e4);
    ASSERT_EQ(manager().game().move_count(), 1);
    EXPECT_EQ(manager().state(), A::state_thinking);
    EXPECT_EQ(w.chess_ctrl->mode(), CHESS_GUI_BOARD::mode_disabled);
    EXPECT_EQ(w.chess_ctrl->board_info().item(e4), 1);

    PAINT_COUNTER counter;
    w.chess_ctrl->installEventFilter(&counter);
    ASSERT_TRUE(wait_for_state(A::state_player_turn, 3000));
    w.chess_ctrl->removeEventFilter(&counter);
    EXPECT_GE(counter.paints, 8) << "the reply slides over the board step by step";
    EXPECT_EQ(manager().game().move_count(), 2);
    EXPECT_EQ(w.chess_ctrl->mode(), CHESS_GUI_BOARD::mode_waiting);
    save_screenshot(w, QStringLiteral("main_window_game.png"));
}

TEST_F(BoardInWindow, PromotionIsChosenInThePromptInBothOrientations) {
    struct CASE {
        bool flipped;
        int slot;
        int32_t piece;
        const char* suffix;
    };
    for (const CASE& c : {CASE{false, 3, 2, "=B"}, CASE{true, 4, 3, "=N"}}) {
        SCOPED_TRACE(c.suffix);
        CHESS_MAIN_WINDOW& w = start_window();
        load_promotion_game();
        if (c.flipped) {
            QTest::mouseClick(w.rotate_switch, Qt::LeftButton);
            ASSERT_EQ(w.chess_ctrl->bottom_side(), 2);
        }
        drag(g7, g8);
        ASSERT_EQ(w.chess_ctrl->mode(), CHESS_GUI_BOARD::mode_promoting);
        if (!c.flipped) {
            save_screenshot(w, QStringLiteral("promotion_prompt_window.png"));
        }
        QTest::mouseClick(w.chess_ctrl, Qt::LeftButton, {},
                          QPoint(134 + (c.slot - 1) * 40 + 17, 200));
        ASSERT_EQ(manager().game().move_count(), 9);
        EXPECT_EQ(manager().game().history().back().move.promoted_piece(), c.piece);
        EXPECT_TRUE(w.hist_list->ply_text(8).endsWith(QString::fromLatin1(c.suffix)))
            << w.hist_list->ply_text(8).toStdString();
        window->close();
        window.reset();
        std::filesystem::remove(install / "lastgame.txt"); // the next start begins afresh
    }
}

// Past move twelve, with an en-passant capture and castling on both sides, and one more move
// each with the mouse and by the computer: every cell of the history shows whole.
TEST_F(BoardInWindow, ALongGameShowsEveryHistoryCellWhole) {
    CHESS_MAIN_WINDOW& w = start_window();
    load_game({"e2e4", "a7a6", "e4e5", "d7d5", "e5d6", "c7d6", "g1f3", "g8f6", "b1c3",
               "b8c6", "f1c4", "e7e6", "d2d3", "f8e7", "c1g5", "e8g8", "d1d2", "h7h6",
               "g5h4", "b7b5", "c4b3", "c8b7", "e1c1", "a8a7", "h1e1", "d8b8"});
    drag(15, 23); // g2-g3
    ASSERT_TRUE(wait_for_state(A::state_player_turn, 5000));
    CHESS_GUI_HISTORY& list = *w.hist_list;
    ASSERT_EQ(list.current_ply(), 28);
    EXPECT_EQ(list.ply_text(4), QStringLiteral("e5xd6 e.p."));
    EXPECT_EQ(list.ply_text(22), QStringLiteral("o-o-o"));
    EXPECT_EQ(list.topLevelItem(13)->text(0), QStringLiteral(" 14."));
    expect_every_cell_whole(list);
    EXPECT_EQ(list.geometry(), QRect(482, 66, 182, 244));
    save_screenshot(w, QStringLiteral("main_window_long_game.png"));
}

TEST_F(BoardInWindow, Screenshots) {
    CHESS_MAIN_WINDOW& w = start_window();
    save_screenshot(w, QStringLiteral("main_window_start.png"));
    answers.push_back([this](QDialog& dialog) {
        auto& new_game = dynamic_cast<NEW_GAME_DIALOG&>(dialog);
        new_game.skill_slider->setValue(12);
        save_screenshot(new_game, QStringLiteral("new_game_dialog.png"));
        dialog.reject();
    });
    w.on_menu_command(S::shortcut_new_game);
    EXPECT_EQ(asked, std::vector<std::string>{"new_game_dialog"});
}

} // namespace

// The whole window at each zoom: the controls keep their places scaled, and the board's hit
// tests, dragging and the prompt work in the zoomed window's own pixels. The same tests run again
// at a device pixel ratio of 2 (QT_SCALE_FACTOR=2, see the CMake file).
class ZoomedWindow : public BoardInWindow, public testing::WithParamInterface<int32_t> {
  protected:
    // A point of square s in the zoomed board control's pixels.
    QPoint zoomed(int32_t s) const {
        return CHESS_GUI_ZOOM::scaled(QRect(at(s), QSize(1, 1)), GetParam()).topLeft();
    }

    void zoomed_drag(int32_t from, int32_t to) {
        CHESS_GUI_BOARD* board = window->chess_ctrl;
        QTest::mousePress(board, Qt::LeftButton, {}, zoomed(from));
        QTest::mouseMove(board, (zoomed(from) + zoomed(to)) / 2);
        QTest::mouseMove(board, zoomed(to));
        QTest::mouseRelease(board, Qt::LeftButton, {}, zoomed(to));
    }

    QRect scaled(int x, int y, int width, int height) const {
        return CHESS_GUI_ZOOM::scaled(QRect(x, y, width, height), GetParam());
    }
};

TEST_P(ZoomedWindow, DragPromoteAndLayoutHoldAtEveryZoom) {
    CHESS_MAIN_WINDOW& w = start_window();
    const int history_font = w.hist_list->font().pixelSize();
    w.set_zoom(GetParam());
    EXPECT_EQ(w.size(), CHESS_GUI_ZOOM::scaled(QSize(674, 562), GetParam()));
    EXPECT_EQ(w.chess_ctrl->geometry(), scaled(14, 6, 429, 384));
    EXPECT_EQ(w.hist_list->geometry(), scaled(482, 66, 182, 244));
    EXPECT_EQ(w.hist_scroll->geometry(), scaled(482, 314, 179, 15));
    EXPECT_EQ(w.chat_output->geometry(), scaled(14, 412, 430, 145));
    EXPECT_EQ(w.chat_video->geometry(), scaled(484, 412, 176, 145));
    // The history's font grows with the zoom, and its columns still fit beside each other.
    EXPECT_GE(w.hist_list->font().pixelSize(), CHESS_GUI_ZOOM::scaled(history_font, GetParam()));
    EXPECT_LE(w.hist_list->columnWidth(0) + w.hist_list->columnWidth(1) +
                  w.hist_list->columnWidth(2),
              w.hist_list->width());
    // The dialogs grow with the window, their controls in the same places (New Game: the
    // designed 195 x 170 and the row of its go-easy box).
    EXPECT_EQ(w.new_game_dialog->size(),
              CHESS_GUI_ZOOM::scaled(CHESS_GUI_DIALOG_UNITS::size(195, 184), GetParam()));
    const auto* slider = w.new_game_dialog->findChild<QSlider*>(QStringLiteral("skill_slider"));
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->geometry(),
              CHESS_GUI_ZOOM::scaled(CHESS_GUI_DIALOG_UNITS::rect(30, 57, 135, 22), GetParam()));
    // Its level picture is drawn for the pixels the label covers.
    w.new_game_dialog->moved();
    const QLabel* picture = w.new_game_dialog->level_picture;
    EXPECT_EQ(picture->pixmap().width(),
              static_cast<int>(std::ceil(picture->width() * picture->devicePixelRatioF())));

    new_game();
    zoomed_drag(e2, e4);
    ASSERT_GE(manager().game().move_count(), 1);
    EXPECT_EQ(manager().game().history().front().move.uci_text(), "e2e4");
    EXPECT_EQ(w.hist_list->ply_text(0), QStringLiteral("e2-e4"));
    window->close();
    window.reset();
    std::filesystem::remove(install / "lastgame.txt");

    CHESS_MAIN_WINDOW& again = start_window();
    again.set_zoom(GetParam());
    load_promotion_game();
    zoomed_drag(g7, g8);
    ASSERT_EQ(again.chess_ctrl->mode(), CHESS_GUI_BOARD::mode_promoting);
    // The third slot of the prompt, in units, then zoomed: a bishop.
    QTest::mouseClick(
        again.chess_ctrl, Qt::LeftButton, {},
        CHESS_GUI_ZOOM::scaled(QRect(134 + 2 * 40 + 17, 200, 1, 1), GetParam()).topLeft());
    ASSERT_EQ(manager().game().move_count(), 9);
    EXPECT_EQ(manager().game().history().back().move.promoted_piece(), 2);
    // The captured pawn shows in the strip right of the board, at its slot's place.
    const CHESS_GUI_BOARD_INFO& info = again.chess_ctrl->board_info();
    EXPECT_FALSE(info.white_captures.empty());
    if (GetParam() == 200) {
        save_screenshot(again, QStringLiteral("main_window_zoom_200.png"));
    }
}

INSTANTIATE_TEST_SUITE_P(Zoom, ZoomedWindow, testing::Values(100, 150, 200, 300));

TEST_F(BoardInWindow, ZoomKeysMenuAndLimits) {
    CHESS_MAIN_WINDOW& w = start_active_window();
    QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(w.zoom(), 125);
    QTest::keyClick(&w, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(w.zoom(), 150);
    QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(w.zoom(), 125);
    QTest::keyClick(&w, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(w.zoom(), 100);
    w.on_menu_command(CHESS_GUI_CHAT_MENU::zoom_out);
    EXPECT_EQ(w.zoom(), 100);
    for (int i = 0; i < 10; ++i) {
        w.on_menu_command(CHESS_GUI_CHAT_MENU::zoom_in);
    }
    EXPECT_EQ(w.zoom(), 300);
    EXPECT_EQ(w.size(), QSize(2022, 1686));
    w.on_menu_command(CHESS_GUI_CHAT_MENU::zoom_reset);
    EXPECT_EQ(w.size(), QSize(674, 562));
}

TEST_F(BoardInWindow, TheZoomFitsTheScreenAtStart) {
    CHESS_MAIN_WINDOW& w = start_window();
    w.fit_zoom(200, QSize(2560, 1440));
    EXPECT_EQ(w.zoom(), 200);
    EXPECT_EQ(w.size(), QSize(1348, 1124));
    w.fit_zoom(200, QSize(1280, 800));
    EXPECT_EQ(w.zoom(), 125);
    w.fit_zoom(300, QSize(600, 400));
    EXPECT_EQ(w.zoom(), 100);
}

TEST_F(BoardInWindow, FullScreenShowsTheLargestZoomThatFitsCentred) {
    CHESS_MAIN_WINDOW& w = start_window();
    w.showFullScreen();
    QTest::qWait(50);
    const int32_t fitting = CHESS_GUI_ZOOM::largest_fitting(QSize(674, 562), w.size());
    EXPECT_EQ(w.shown_zoom(), fitting);
    const QSize content = CHESS_GUI_ZOOM::scaled(QSize(674, 562), fitting);
    // Centred; a screen smaller than the window keeps the content at the top left.
    const QPoint origin(std::max(0, (w.width() - content.width()) / 2),
                        std::max(0, (w.height() - content.height()) / 2));
    EXPECT_EQ(w.chess_ctrl->pos(),
              origin + CHESS_GUI_ZOOM::scaled(QRect(14, 6, 1, 1), fitting).topLeft());
    w.showNormal();
    QTest::qWait(50);
    EXPECT_EQ(w.shown_zoom(), w.zoom());
}

// At 200 % the pieces are drawn for the pixels they cover, not doubled from the 100 % picture.
TEST_F(BoardInWindow, AZoomedPieceIsDrawnNotUpscaled) {
    CHESS_MAIN_WINDOW& w = start_window();
    new_game();
    CHESS_GUI_TRANSFORM tf = w.chess_ctrl->transform();
    tf.compute_square(8); // h1: a rook on a light square
    const QRect piece(tf.piece_x, tf.piece_y, tf.piece_width, tf.piece_height);
    const double ratio = w.chess_ctrl->devicePixelRatioF();
    const QImage small = w.chess_ctrl->picture().copy(
        QRectF(piece.x() * ratio, piece.y() * ratio, piece.width() * ratio, piece.height() * ratio)
            .toAlignedRect());
    w.set_zoom(200);
    const QImage large =
        w.chess_ctrl->picture().copy(QRectF(piece.x() * 2 * ratio, piece.y() * 2 * ratio,
                                            piece.width() * 2 * ratio, piece.height() * 2 * ratio)
                                         .toAlignedRect());
    const QImage doubled =
        small.scaled(large.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    ASSERT_EQ(large.size(), doubled.size());
    int differing = 0;
    int far_off = 0; // pixels that are not even close to the doubled copy's colour
    for (int y = 0; y < large.height(); ++y) {
        for (int x = 0; x < large.width(); ++x) {
            const QColor a = large.pixelColor(x, y);
            const QColor b = doubled.pixelColor(x, y);
            const int distance = std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                                 std::abs(a.blue() - b.blue());
            differing += distance != 0;
            far_off += distance > 150;
        }
    }
    EXPECT_GT(differing, large.width() * 2); // the edges at least
    // Still the same piece: only edge pixels are far from the doubled copy.
    EXPECT_LT(far_off, large.width() * large.height() / 8);
}

TEST_F(BoardInWindow, AGamePlayedByTheKeyboardAlone) {
    CHESS_MAIN_WINDOW& w = start_window();
    new_game();
    activate(*window);
    w.setFocus(Qt::OtherFocusReason); // where the New Game dialog may leave it
    CHESS_GUI_MOVE_BOX* box = move_box();
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->accessibleName().isEmpty());
    EXPECT_FALSE(box->accessibleDescription().isEmpty());

    // Typing opens the move box with the key typed; a wrong move is explained and kept for
    // mending.
    type(QStringLiteral("e"));
    ASSERT_EQ(QApplication::focusWidget(), box);
    type(QStringLiteral("5"));
    key(Qt::Key_Return);
    EXPECT_EQ(manager().game().move_count(), 0);
    EXPECT_EQ(box->reason_label()->text(), QStringLiteral("illegal move"));
    key(Qt::Key_Backspace);
    type(QStringLiteral("4"));
    EXPECT_TRUE(box->reason_label()->text().isEmpty());
    key(Qt::Key_Return);
    ASSERT_EQ(manager().game().move_count(), 1);
    EXPECT_TRUE(box->text().isEmpty());
    ASSERT_TRUE(wait_for_state(A::state_player_turn));
    activate(*window);

    // Escape goes back to the board; the square cursor appears on e2 and walks to g1, picks the
    // knight up and puts it down on f3.
    key(Qt::Key_Escape);
    ASSERT_EQ(QApplication::focusWidget(), w.chess_ctrl);
    for (const Qt::Key k : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down}) {
        key(k);
    }
    EXPECT_EQ(w.chess_ctrl->cursor_square(), g1);
    key(Qt::Key_Space);
    EXPECT_EQ(w.chess_ctrl->mode(), CHESS_GUI_BOARD::mode_selected);
    for (const Qt::Key k : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Left}) {
        key(k);
    }
    EXPECT_EQ(w.chess_ctrl->cursor_square(), f3);
    key(Qt::Key_Return);
    ASSERT_EQ(manager().game().move_count(), 3);
    EXPECT_EQ(manager().game().history()[2].move.src, g1);
    ASSERT_TRUE(wait_for_state(A::state_player_turn));
    save_screenshot(w, QStringLiteral("keyboard_game.png"));

    // The mate, typed on the board in standard notation with its mark.
    load_scholars_mate();
    focus_board();
    type(QStringLiteral("Qxf7#"));
    key(Qt::Key_Return);
    EXPECT_TRUE(manager().game().check_mate());
    EXPECT_EQ(manager().state(), A::state_game_over);
}

TEST_F(BoardInWindow, AGamePlayedByClicksAloneWithItsMarks) {
    using MARK = CHESS_GUI_BOARD_MARK;
    CHESS_MAIN_WINDOW& w = start_window();
    new_game();
    for (const auto& [from, to] : {std::pair{e2, e4}, std::pair{g1, f3}}) {
        click(from);
        ASSERT_EQ(w.chess_ctrl->mode(), CHESS_GUI_BOARD::mode_selected);
        click(to);
        ASSERT_TRUE(wait_for_state(A::state_player_turn));
        // The reply's two squares are marked.
        const CHESS_MOVE& reply = manager().game().last_move();
        const std::vector<MARK> marks = w.chess_ctrl->shown_marks();
        EXPECT_EQ(std::count(marks.begin(), marks.end(), MARK{MARK::last_move, reply.src}), 1);
        EXPECT_EQ(std::count(marks.begin(), marks.end(), MARK{MARK::last_move, reply.dst}), 1);
    }
    EXPECT_EQ(manager().game().move_count(), 4);

    load_scholars_mate();
    click(h5);
    click(f7);
    EXPECT_TRUE(manager().game().check_mate());
    const std::vector<MARK> marks = window->chess_ctrl->shown_marks();
    EXPECT_EQ(std::count(marks.begin(), marks.end(), MARK{MARK::check, e8}), 1);
    EXPECT_EQ(std::count(marks.begin(), marks.end(), MARK{MARK::last_move, f7}), 1);
    save_screenshot(*window, QStringLiteral("mate_by_clicks.png"));
}

TEST_F(BoardInWindow, PromptCancelledByEscapeAndByAClickOutsideThenChosenByKey) {
    CHESS_MAIN_WINDOW& w = start_window();
    load_promotion_game();
    focus_board();
    for (const bool by_key : {true, false}) {
        SCOPED_TRACE(by_key ? "escape" : "click outside");
        drag(g7, g8);
        ASSERT_EQ(w.chess_ctrl->mode(), CHESS_GUI_BOARD::mode_promoting);
        if (by_key) {
            key(Qt::Key_Escape);
        } else {
            QTest::mouseClick(w.chess_ctrl, Qt::LeftButton, {}, at(e2));
        }
        EXPECT_EQ(w.chess_ctrl->mode(), CHESS_GUI_BOARD::mode_waiting);
        EXPECT_EQ(manager().game().move_count(), 8);
        EXPECT_EQ(w.chess_ctrl->board_info().item(g7), 1); // the pawn is back
    }
    // By the square cursor: from e2 over to g7, then g8, and N for a knight.
    focus_board();
    for (const Qt::Key k : {Qt::Key_Up, Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Up,
                            Qt::Key_Up, Qt::Key_Up, Qt::Key_Up}) {
        key(k);
    }
    ASSERT_EQ(w.chess_ctrl->cursor_square(), g7);
    key(Qt::Key_Space);
    key(Qt::Key_Up);
    key(Qt::Key_Space);
    ASSERT_EQ(w.chess_ctrl->mode(), CHESS_GUI_BOARD::mode_promoting);
    type(QStringLiteral("n"));
    ASSERT_EQ(manager().game().move_count(), 9);
    EXPECT_EQ(manager().game().history().back().move.promoted_piece(), 3);
}
