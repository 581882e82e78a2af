// The board control on a window, driven with real mouse events: pick-up, drag with framing, drop,
// the promotion prompt in both orientations, the mends to the input handling, and the animation.
#include "board_view/chess_gui_board.h"
#include "rules/chess_fen_reader.h"
#include "rules/chess_game.h"

#include <QDir>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QRgb yellow = qRgb(255, 255, 0);
const QRgb light_tile = qRgb(206, 206, 148);
const QRgb dark_tile = qRgb(148, 26, 26);

QRgb tile_of(int32_t s) {
    return (CHESS_SQUARE_CONSTANTS::file(s) + CHESS_SQUARE_CONSTANTS::rank(s)) % 2 == 0
               ? dark_tile
               : light_tile;
}

CHESS_GAME game_from(const std::string& fen) {
    CHESS_FEN_READER reader;
    reader.read(fen);
    EXPECT_FALSE(reader.failed()) << reader.error_message();
    return CHESS_GAME(reader.position());
}

CHESS_GUI_BOARD_INFO info_of(const CHESS_GAME& game) {
    return CHESS_GUI_BOARD_INFO(game, game.move_count());
}

class BoardControl : public testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->resize(688, 600);
        board = new CHESS_GUI_BOARD(window.get(), QPoint(14, 6));
        window->show();
    }

    // Shows game on the board, ready for the player.
    void show(const CHESS_GAME& game, int32_t bottom = 1) {
        board->set_bottom_side(bottom);
        board->set_board_info(info_of(game));
        board->enable_input();
    }

    // A point of square s in the control's own coordinates, dx, dy from its piece's corner.
    QPoint at(int32_t s, int32_t dx = 17, int32_t dy = 17) const {
        CHESS_GUI_TRANSFORM tf = board->transform();
        tf.compute_square(s);
        return {tf.piece_x + dx, tf.piece_y + dy};
    }

    QRgb pixel(QPoint p) const { return board->picture().pixel(p); }

    // The platform drops a move to where the pointer last moved to, so every drag starts with
    // a one-pixel nudge off the press point.
    void drag(int32_t from, std::initializer_list<int32_t> over, QPoint end) {
        QTest::mousePress(board, Qt::LeftButton, {}, at(from));
        QTest::mouseMove(board, at(from, 18, 18));
        for (int32_t s : over) {
            QTest::mouseMove(board, at(s));
        }
        QTest::mouseMove(board, end);
        QTest::mouseRelease(board, Qt::LeftButton, {}, end);
    }

    // A fresh board showing game, to compare pictures with.
    QImage fresh_picture(const CHESS_GAME& game, int32_t bottom = 1) {
        CHESS_GUI_BOARD other(window.get(), QPoint(14, 6));
        other.set_bottom_side(bottom);
        other.set_board_info(info_of(game));
        return other.picture().copy();
    }

    void save(const QString& name) const {
        QDir().mkpath(QStringLiteral(VELMORA_SCREENSHOT_DIR));
        EXPECT_TRUE(board->grab().save(QStringLiteral(VELMORA_SCREENSHOT_DIR "/") + name));
    }

    std::unique_ptr<QWidget> window;
    CHESS_GUI_BOARD* board = nullptr;
};

constexpr int32_t a1 = 1, h1 = 8, g1 = 7, e2 = 13, f3 = 22, e3 = 21, e4 = 29, e5 = 37, h5 = 40,
                  f6 = 46, g8 = 63;

TEST_F(BoardControl, StartsDisabledWithWhiteBelowAndTheGamesPictures) {
    EXPECT_EQ(board->mode(), CHESS_GUI_BOARD::mode_disabled);
    EXPECT_FALSE(board->isEnabled());
    EXPECT_EQ(board->objectName(), QStringLiteral("chess_ctrl"));
    EXPECT_EQ(board->geometry(), QRect(14, 6, 429, 384));
    EXPECT_TRUE(board->hasMouseTracking());
    EXPECT_EQ(pixel(at(a1, -4, -4)), qRgb(148, 26, 26)); // a1 is dark
}

TEST_F(BoardControl, LegalDragFramesEachDestinationAndReportsTheMove) {
    const CHESS_GAME game;
    show(game);
    QSignalSpy moves(board, &CHESS_GUI_BOARD::move_completed);
    QTest::mousePress(board, Qt::LeftButton, {}, at(e2));
    EXPECT_EQ(board->mode(), CHESS_GUI_BOARD::mode_dragging);
    // The corners of a piece's rectangle show what lies under the pawn in the hand.
    QTest::mouseMove(board, at(e3));
    EXPECT_EQ(pixel(at(e3, 0, 0)), yellow);
    QTest::mouseMove(board, at(e4));
    EXPECT_EQ(pixel(at(e3, 0, 0)), tile_of(e3)); // unframed
    EXPECT_EQ(pixel(at(e4, 0, 0)), yellow);
    QTest::mouseMove(board, at(e5)); // not a legal square: nothing framed
    EXPECT_EQ(pixel(at(e4, 0, 0)), tile_of(e4));
    EXPECT_EQ(pixel(at(e5, 0, 0)), tile_of(e5));
    QTest::mouseMove(board, at(e4));
    QTest::mouseRelease(board, Qt::LeftButton, {}, at(e4));
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves[0], (QList<QVariant>{e2, e4, 0}));
    EXPECT_EQ(board->mode(), CHESS_GUI_BOARD::mode_waiting);
}

TEST_F(BoardControl, IllegalDropOrDropOnTheSourceReturnsThePiece) {
    const CHESS_GAME game;
    show(game);
    QSignalSpy moves(board, &CHESS_GUI_BOARD::move_completed);
    drag(e2, {e3}, at(e5));
    drag(g1, {}, at(g1, 2, 2));
    EXPECT_EQ(moves.count(), 0);
    EXPECT_EQ(board->mode(), CHESS_GUI_BOARD::mode_waiting);
    EXPECT_EQ(board->picture(), fresh_picture(game));
}

TEST_F(BoardControl, DraggingOutsideTheAreaKeepsThePieceAtItsEdge) {
    const CHESS_GAME game;
    show(game);
    const int32_t a2 = a1 + 8;
    const QRgb grabbed = pixel(at(a2));
    QTest::mousePress(board, Qt::LeftButton, {}, at(a2));
    QTest::mouseMove(board, QPoint(-40, 500));
    // The grab point is held at the area's bottom-left pixel.
    EXPECT_EQ(pixel(QPoint(12, 371)), grabbed);
    EXPECT_EQ(pixel(at(a2)), tile_of(a2));
    QTest::mouseRelease(board, Qt::LeftButton, {}, QPoint(-40, 500));
    EXPECT_EQ(board->picture(), fresh_picture(game));
}

TEST_F(BoardControl, PressPositionsAreTakenInTheControl) {
    const CHESS_GAME game = game_from("4k3/8/8/8/8/8/8/R3K3 w Q - 0 1");
    show(game);
    QTest::mousePress(board, Qt::LeftButton, {}, QPoint(20, 330));
    EXPECT_EQ(board->mode(), CHESS_GUI_BOARD::mode_dragging); // a1's rook in the hand
    QSignalSpy moves(board, &CHESS_GUI_BOARD::move_completed);
    QTest::mouseMove(board, at(a1 + 8));
    QTest::mouseRelease(board, Qt::LeftButton, {}, at(a1 + 8));
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves[0][0].toInt(), a1);
}

TEST_F(BoardControl, PressesThatPickNothingUp) {
    const CHESS_GAME game;
    show(game);
    QSignalSpy moves(board, &CHESS_GUI_BOARD::move_completed);
    drag(e4, {}, at(e5));     // empty square
    drag(a1, {}, at(a1 + 8)); // the rook has no move
    drag(e2, {}, at(e2));     // press on the frame: not in the playing area
    QTest::mousePress(board, Qt::LeftButton, {}, QPoint(5, 300));
    EXPECT_EQ(board->mode(), CHESS_GUI_BOARD::mode_waiting);
    QTest::mouseRelease(board, Qt::LeftButton, {}, QPoint(5, 300));
    QTest::mousePress(board, Qt::RightButton, {}, at(e2));
    EXPECT_EQ(board->mode(), CHESS_GUI_BOARD::mode_waiting);
    // A past position shows but cannot be played on.
    CHESS_GAME played;
    played.make_move(*played.find_legal_move(e2, e4, 0));
    board->set_board_info(CHESS_GUI_BOARD_INFO(played, 0));
    drag(e2, {}, at(e4));
    board->disable_input();
    drag(e2, {}, at(e4));
    EXPECT_EQ(moves.count(), 0);
}

TEST_F(BoardControl, BlackBelowTheTopLeftSquareIsH1) {
    const CHESS_GAME game = game_from("4k3/8/8/8/8/8/8/4K2R w K - 0 1");
    show(game, 2);
    QSignalSpy moves(board, &CHESS_GUI_BOARD::move_completed);
    drag(h1, {}, QPoint(12 + 20, 12 + 4 * 45 + 20)); // screen column 1, row 5
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves[0], (QList<QVariant>{h1, h5, 0}));
    save(QStringLiteral("board_black_below.png"));
}

struct PROMOTION_CASE {
    const char* fen;
    int32_t bottom;
    int32_t from;
    int32_t to;
    int32_t slot;
    int32_t piece;
};

TEST_F(BoardControl, PromotionPromptInBothOrientations) {
    const std::vector<PROMOTION_CASE> cases{
        {"4k3/1P6/8/8/8/8/8/4K3 w - - 0 1", 1, 50, 58, 3, 2},  // b7-b8, third choice: bishop
        {"4k3/8/8/8/8/8/6p1/4K3 b - - 0 1", 2, 15, 7, 4, 9},   // g2-g1, fourth: black knight
        {"4k3/8/8/8/8/8/6p1/4K3 b - - 0 1", 2, 15, 7, 1, 11},  // first: black queen
        {"r3k3/1P6/8/8/8/8/8/4K3 w - - 0 1", 1, 50, 57, 2, 4}, // bxa8, second: rook
    };
    for (const PROMOTION_CASE& c : cases) {
        SCOPED_TRACE(c.fen);
        show(game_from(c.fen), c.bottom);
        QSignalSpy moves(board, &CHESS_GUI_BOARD::move_completed);
        QSignalSpy beeps(board, &CHESS_GUI_BOARD::beeped);
        drag(c.from, {}, at(c.to));
        ASSERT_EQ(board->mode(), CHESS_GUI_BOARD::mode_promoting);
        const QPoint inside_box(171, 200); // between the first two choices, on a dark square
        EXPECT_EQ(pixel(inside_box), light_tile);
        // Beside the pieces: a beep, and the prompt stays.
        QTest::mouseClick(board, Qt::LeftButton, {}, inside_box);
        QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(200, 170));
        EXPECT_EQ(beeps.count(), 2);
        EXPECT_EQ(board->mode(), CHESS_GUI_BOARD::mode_promoting);
        // The choice under the pointer is framed, the one left is not.
        const QPoint choice(134 + (c.slot - 1) * 40 + 17, 200);
        QTest::mouseMove(board, inside_box);
        QTest::mouseMove(board, QPoint(134 + 17, 200));
        EXPECT_EQ(pixel(QPoint(131, 190)), yellow);
        QTest::mouseMove(board, choice);
        EXPECT_EQ(pixel(QPoint(131 + (c.slot - 1) * 40, 190)), yellow);
        if (c.slot != 1) {
            EXPECT_NE(pixel(QPoint(131, 190)), yellow);
        }
        save(QStringLiteral("promotion_prompt_%1.png").arg(c.bottom));
        QTest::mouseClick(board, Qt::LeftButton, {}, choice);
        ASSERT_EQ(moves.count(), 1);
        EXPECT_EQ(moves[0], (QList<QVariant>{c.from, c.to, c.piece}));
        EXPECT_EQ(board->mode(), CHESS_GUI_BOARD::mode_waiting);
        EXPECT_EQ(pixel(inside_box), dark_tile); // the prompt is gone
    }
}

TEST_F(BoardControl, NewInfoOrInputStateEndsAPendingPrompt) {
    const CHESS_GAME game = game_from("4k3/1P6/8/8/8/8/8/4K3 w - - 0 1");
    const QImage plain = fresh_picture(game);
    for (int32_t ending = 0; ending < 3; ++ending) {
        show(game);
        drag(50, {}, at(58));
        ASSERT_EQ(board->mode(), CHESS_GUI_BOARD::mode_promoting);
        if (ending == 0) {
            board->set_board_info(info_of(game));
            EXPECT_EQ(board->mode(), CHESS_GUI_BOARD::mode_waiting);
        } else if (ending == 1) {
            board->disable_input();
            EXPECT_EQ(board->mode(), CHESS_GUI_BOARD::mode_disabled);
        } else {
            board->enable_input();
            EXPECT_EQ(board->mode(), CHESS_GUI_BOARD::mode_waiting);
        }
        EXPECT_EQ(board->picture(), plain);
    }
}

TEST_F(BoardControl, AnimationEndsWithThePieceOnItsSquare) {
    CHESS_GAME game;
    show(game);
    board->disable_input();
    struct STEP {
        int32_t from;
        int32_t to;
    };
    // Straight up the file (no slope), then a knight's move (y leads).
    for (const STEP step : {STEP{e2, e4}, STEP{g8, f6}}) {
        board->animate_move(step.from, step.to);
        EXPECT_FALSE(board->is_animating());
        EXPECT_EQ(board->mode(), CHESS_GUI_BOARD::mode_waiting);
        EXPECT_TRUE(board->isEnabled());
        // Before the new info arrives, the picture already shows the move made (with the marks
        // of the position before it).
        const CHESS_GUI_BOARD_INFO before = info_of(game);
        game.make_move(*game.find_legal_move(step.from, step.to, 0));
        CHESS_GUI_BOARD_INFO moved = info_of(game);
        moved.last_move_from = before.last_move_from;
        moved.last_move_to = before.last_move_to;
        CHESS_GUI_BOARD other(window.get(), QPoint(14, 6));
        other.set_board_info(moved);
        EXPECT_EQ(board->picture(), other.picture());
        board->set_board_info(info_of(game));
        EXPECT_EQ(board->picture(), fresh_picture(game));
    }
}

TEST_F(BoardControl, MiddleGamePictureInBothOrientations) {
    // A middle game with captures on both sides, including a ninth capture for white.
    CHESS_GAME game = game_from("r4rk1/pp3ppp/2n1b3/3q4/3P4/2P2N2/P4PPP/R2QR1K1 w - - 0 16");
    CHESS_GUI_BOARD_INFO info = info_of(game);
    info.white_captures = {1, 1, 3, 2, 1, 1, 4, 2, 1};
    info.black_captures = {1, 1, 3, 2, 1, 1, 2};
    board->set_board_info(info);
    save(QStringLiteral("board_middle_game.png"));
    // White's ninth capture, a black pawn, stands at the bottom of the second column.
    const QImage strip = board->picture();
    EXPECT_NE(strip.copy(406, 360, 19, 19), strip.copy(406, 336, 19, 19));
    board->set_bottom_side(2);
    save(QStringLiteral("board_middle_game_black_below.png"));
}

// The farthest apart two colours are in any channel.
int channel_distance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

TEST_F(BoardControl, MarksOfTheLastMoveTheCheckAndThePickUp) {
    using MARK = CHESS_GUI_BOARD_MARK;
    CHESS_GAME game;
    game.make_move(*game.find_legal_move(e2, e4, 0));
    show(game);
    EXPECT_EQ(board->shown_marks(),
              (std::vector<MARK>{{MARK::last_move, e2}, {MARK::last_move, e4}}));
    // The ring of the square around the piece shows the tint; an unmarked square its tile.
    EXPECT_NE(pixel(at(e2, -3, -3)), tile_of(e2));
    EXPECT_NE(pixel(at(e4, -3, -3)), tile_of(e4));
    EXPECT_EQ(pixel(at(e3, -3, -3)), tile_of(e3));

    // A knight picked up marks its two destinations with dots; dropped back, they are gone.
    const int32_t b8 = 58, a6 = 41, c6 = 43;
    show(game_from("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1"));
    const QImage plain = board->picture().copy();
    QTest::mousePress(board, Qt::LeftButton, {}, at(b8));
    const std::vector<MARK> marks = board->shown_marks();
    EXPECT_EQ(std::count(marks.begin(), marks.end(), MARK{MARK::legal_destination, a6}), 1);
    EXPECT_EQ(std::count(marks.begin(), marks.end(), MARK{MARK::legal_destination, c6}), 1);
    EXPECT_EQ(marks.size(), 2u);
    EXPECT_NE(pixel(at(a6)), tile_of(a6));
    EXPECT_NE(pixel(at(c6)), tile_of(c6));
    QTest::mouseMove(board, at(e5));
    QTest::mouseRelease(board, Qt::LeftButton, {}, at(e5));
    EXPECT_TRUE(board->shown_marks().empty());
    EXPECT_EQ(board->picture(), plain);

    // The king in check.
    const int32_t e8 = 61;
    CHESS_GAME checked = game_from("4k3/8/8/8/8/8/8/R5K1 w - - 0 1");
    checked.make_move(*checked.find_legal_move(a1, a1 + 4, 0));
    show(checked);
    board->set_marks({{MARK::played_move, a1, a1 + 4}, {MARK::better_move, g1, g1 + 9}});
    save(QStringLiteral("board_marks.png"));
    board->set_marks({});
    show(game_from("4k3/8/8/8/8/8/8/4R1K1 b - - 0 1"));
    EXPECT_EQ(board->shown_marks(), (std::vector<MARK>{{MARK::check, e8}}));
    EXPECT_NE(pixel(at(e8, 1, 1)), tile_of(e8));
}

TEST_F(BoardControl, EveryMarkReadsOnBothSquareColoursAtEveryZoom) {
    using MARK = CHESS_GUI_BOARD_MARK;
    // An empty board but for the kings, so every square below shows its plain tile unmarked.
    const CHESS_GAME game = game_from("7k/8/8/8/8/8/8/K7 w - - 0 1");
    const int32_t d4 = 28, c5 = 35; // dark, light
    struct KIND_CASE {
        int32_t kind;
        int32_t dx; // where the mark shows, from the piece's corner
        int32_t dy;
    };
    const std::vector<KIND_CASE> kinds{
        {MARK::last_move, -3, -3},   {MARK::check, 17, 17},
        {MARK::selected, -3, -3},    {MARK::legal_destination, 17, 17},
        {MARK::played_move, 17, 17}, {MARK::better_move, 17, 17}};
    for (const int32_t zoom : {100, 200, 300}) {
        board->set_zoom(zoom);
        show(game);
        const double scale = zoom / 100.0;
        for (const KIND_CASE& k : kinds) {
            for (const int32_t s : {d4, c5}) {
                SCOPED_TRACE(testing::Message()
                             << "zoom " << zoom << " kind " << k.kind << " on " << s);
                // Arrows run through the square from the one on its left to the one on its right.
                const MARK mark =
                    MARK{k.kind}.is_arrow() ? MARK{k.kind, s - 1, s + 1} : MARK{k.kind, s};
                board->set_marks({mark});
                const QPoint p = at(s, k.dx, k.dy);
                const QRgb shown = board->picture().pixel(
                    QPoint(static_cast<int>(p.x() * scale), static_cast<int>(p.y() * scale)));
                EXPECT_GE(channel_distance(shown, tile_of(s)), 48);
            }
        }
        board->set_marks({});
        EXPECT_TRUE(board->shown_marks().empty());
    }
}

TEST_F(BoardControl, ClickThePieceThenItsDestination) {
    using MARK = CHESS_GUI_BOARD_MARK;
    const CHESS_GAME game;
    show(game);
    QSignalSpy moves(board, &CHESS_GUI_BOARD::move_completed);
    QTest::mouseClick(board, Qt::LeftButton, {}, at(e2));
    ASSERT_EQ(board->mode(), CHESS_GUI_BOARD::mode_selected);
    EXPECT_EQ(board->shown_marks(), (std::vector<MARK>{{MARK::selected, e2},
                                                       {MARK::legal_destination, e3},
                                                       {MARK::legal_destination, e4}}));
    EXPECT_NE(pixel(at(e2, -3, -3)), tile_of(e2));
    EXPECT_NE(pixel(at(e2)), tile_of(e2)); // the pawn stays on its square
    save(QStringLiteral("board_piece_selected.png"));
    QTest::mouseClick(board, Qt::LeftButton, {}, at(e4));
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves[0], (QList<QVariant>{e2, e4, 0}));
    EXPECT_EQ(board->mode(), CHESS_GUI_BOARD::mode_waiting);
    EXPECT_TRUE(board->shown_marks().empty());
    EXPECT_EQ(pixel(at(e2)), tile_of(e2));

    // A selected piece may still be dragged.
    show(game);
    moves.clear();
    QTest::mouseClick(board, Qt::LeftButton, {}, at(g1));
    drag(g1, {}, at(f3));
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves[0], (QList<QVariant>{g1, f3, 0}));

    // A press on another piece that can move selects that one.
    show(game);
    QTest::mouseClick(board, Qt::LeftButton, {}, at(g1));
    QTest::mouseClick(board, Qt::LeftButton, {}, at(e2));
    EXPECT_EQ(board->mode(), CHESS_GUI_BOARD::mode_selected);
    EXPECT_EQ(board->shown_marks().front(), (MARK{MARK::selected, e2}));
    EXPECT_NE(pixel(at(g1, -3, -3)), pixel(at(e2, -3, -3)));
}

TEST_F(BoardControl, ASelectionIsDroppedByTheSameOrAnotherClickOrEscape) {
    const CHESS_GAME game;
    show(game);
    const QImage plain = board->picture().copy();
    QSignalSpy moves(board, &CHESS_GUI_BOARD::move_completed);
    const std::vector<std::pair<const char*, std::function<void()>>> cancels{
        {"the piece again", [&] { QTest::mouseClick(board, Qt::LeftButton, {}, at(g1)); }},
        {"a piece that cannot move", [&] { QTest::mouseClick(board, Qt::LeftButton, {}, at(h1)); }},
        {"an empty square", [&] { QTest::mouseClick(board, Qt::LeftButton, {}, at(e5)); }},
        {"the frame", [&] { QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(5, 300)); }},
        {"escape", [&] { QTest::keyClick(board, Qt::Key_Escape); }},
    };
    for (const auto& [name, cancel] : cancels) {
        SCOPED_TRACE(name);
        QTest::mouseClick(board, Qt::LeftButton, {}, at(g1));
        ASSERT_EQ(board->mode(), CHESS_GUI_BOARD::mode_selected);
        cancel();
        EXPECT_EQ(board->mode(), CHESS_GUI_BOARD::mode_waiting);
        EXPECT_EQ(board->picture(), plain);
    }
    // A press on a destination that is released elsewhere makes no move and keeps the piece.
    QTest::mouseClick(board, Qt::LeftButton, {}, at(g1));
    QTest::mousePress(board, Qt::LeftButton, {}, at(f3));
    QTest::mouseRelease(board, Qt::LeftButton, {}, at(e5));
    EXPECT_EQ(board->mode(), CHESS_GUI_BOARD::mode_selected);
    EXPECT_EQ(moves.count(), 0);
}

TEST_F(BoardControl, PromotionByClicksAndThePromptCancelled) {
    const CHESS_GAME game = game_from("4k3/1P6/8/8/8/8/8/4K3 w - - 0 1");
    const int32_t b7 = 50, b8 = 58;
    const QPoint queen_slot(134 + 17, 200);
    show(game);
    const QImage plain = board->picture().copy();
    QSignalSpy moves(board, &CHESS_GUI_BOARD::move_completed);
    QSignalSpy beeps(board, &CHESS_GUI_BOARD::beeped);
    QTest::mouseClick(board, Qt::LeftButton, {}, at(b7));
    QTest::mouseClick(board, Qt::LeftButton, {}, at(b8));
    ASSERT_EQ(board->mode(), CHESS_GUI_BOARD::mode_promoting);
    QTest::mouseClick(board, Qt::LeftButton, {}, queen_slot);
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves[0], (QList<QVariant>{b7, b8, 5}));

    // Escape, or a click outside the box (on the board or its frame), puts the pawn back.
    const std::vector<std::pair<const char*, std::function<void()>>> cancels{
        {"escape", [&] { QTest::keyClick(board, Qt::Key_Escape); }},
        {"a click on the board", [&] { QTest::mouseClick(board, Qt::LeftButton, {}, at(a1)); }},
        {"a click on the frame",
         [&] { QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(3, 3)); }},
    };
    for (const auto& [name, cancel] : cancels) {
        SCOPED_TRACE(name);
        show(game);
        moves.clear();
        drag(b7, {}, at(b8));
        ASSERT_EQ(board->mode(), CHESS_GUI_BOARD::mode_promoting);
        cancel();
        EXPECT_EQ(board->mode(), CHESS_GUI_BOARD::mode_waiting);
        EXPECT_EQ(board->picture(), plain);
        EXPECT_EQ(moves.count(), 0);
    }
    EXPECT_EQ(beeps.count(), 0);
}

TEST_F(BoardControl, TheSquareCursorFollowsTheBoardAsShown) {
    const CHESS_GAME game;
    struct CURSOR_CASE {
        int32_t bottom;
        std::vector<Qt::Key> keys;
        int32_t square;
    };
    const int32_t e7 = 53, d7 = 52, f8 = 62, a2 = 9;
    const std::vector<CURSOR_CASE> cases{
        {1, {Qt::Key_Up}, e2}, // the first key shows the cursor where it starts
        {1, {Qt::Key_Up, Qt::Key_Up, Qt::Key_Right}, f3},
        {1,
         {Qt::Key_Up, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left},
         a2}, // held at the edge
        {2, {Qt::Key_Down}, e7},
        {2, {Qt::Key_Down, Qt::Key_Right}, d7},
        {2, {Qt::Key_Down, Qt::Key_Left, Qt::Key_Down, Qt::Key_Down}, f8}, // down is towards rank 8
    };
    for (const CURSOR_CASE& c : cases) {
        show(game, c.bottom);
        for (const Qt::Key k : c.keys) {
            QTest::keyClick(board, k);
        }
        EXPECT_EQ(board->cursor_square(), c.square);
        // A press of the mouse hides it.
        QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_EQ(board->cursor_square(), 0);
    }
    // Other typing is handed on, even a letter that is a one-key shortcut of the window ("f4" is
    // a move); Space is the cursor's and Control keys are commands.
    int flips = 0;
    auto* flip = new QShortcut(QKeySequence(Qt::Key_F), window.get());
    QObject::connect(flip, &QShortcut::activated, [&flips] { ++flips; });
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    board->setFocus();
    QSignalSpy typed(board, &CHESS_GUI_BOARD::typing_started);
    QTest::keyClick(board, 'f');
    QTest::keyClick(board, 'N');
    QTest::keyClick(board, ' ');
    QTest::keyClick(board, 'n', Qt::ControlModifier);
    ASSERT_EQ(typed.count(), 2);
    EXPECT_EQ(typed[0][0].toString(), QStringLiteral("f"));
    EXPECT_EQ(typed[1][0].toString(), QStringLiteral("N"));
    EXPECT_EQ(flips, 0);
}

} // namespace
