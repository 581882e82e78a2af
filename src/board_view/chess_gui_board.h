// The board the player moves on. It shows a CHESS_GUI_BOARD_INFO in either orientation, lets the
// player drag a piece that has a legal move (framing each legal destination passed over), accepts
// a drop only on a destination the info marks as legal, asks for the piece when the move is a
// promotion, and reports each completed move through move_completed(from, to, promotion piece
// code or 0). It knows no chess rules beyond the info's two tables, so it only ever reports moves
// the info allows. The computer's moves are shown by animate_move, which slides the piece along a
// straight line at 5 pixels per 10 ms and returns when it arrives.
//
// Marks drawn over the squares: the last move's two squares and a king in check (both from the
// info), the legal destinations of the piece picked up, and whatever marks a caller sets (the
// review's arrows). They are part of the still picture, so a square redrawn shows its marks.
//
// Besides dragging, a piece moves by two clicks: a press and release that does not travel the
// platform's drag distance selects the piece (mode 5); a click on one of its destinations then
// makes the move, a click on the piece again or anywhere else drops the selection (a press on
// another piece that can move picks that one up instead). The promotion prompt is cancelled by
// Escape or a click outside its box, and the pawn goes back.
//
// From the keyboard: the arrow keys move a square cursor over the board (as it is shown, either
// side at the bottom); Space or Enter picks up the piece under it and puts it down on a
// destination, like two clicks. In the prompt Left and Right choose a piece, Space or Enter takes
// it, and Q, R, B or N take theirs. Other typing is handed on through typing_started, for the
// window's move box. A mouse press hides the cursor.
//
// Modes: 1 input disabled, 2 waiting for a pick-up, 3 dragging, 4 promotion prompt shown,
// 5 a piece selected by a click. Changing the info, the orientation or the input state ends a
// drag, a selection or a prompt in progress.
//
// Positions, sizes and the animation's steps are in board units, the pixels of the board at a
// zoom of 100 %. At any zoom the control covers its units scaled, draws every picture for the
// device pixels it covers, and maps the pointer back into units, so that hit tests, dragging, the
// prompt and the animation behave the same at every zoom and pixel density.
#pragma once

#include "board_model/chess_gui_board_info.h"
#include "board_model/chess_gui_transform.h"
#include "board_view/chess_gui_board_mark.h"
#include "board_view/chess_gui_device.h"
#include "board_view/chess_gui_sprite_manager.h"

#include <QWidget>
#include <cstdint>
#include <vector>

class CHESS_GUI_BOARD : public QWidget,
                        public CHESS_GENERAL_CONSTANTS,
                        public CHESS_SQUARE_CONSTANTS,
                        public CHESS_PIECE_CONSTANTS {
    Q_OBJECT

  public:
    static constexpr int32_t mode_disabled = 1;
    static constexpr int32_t mode_waiting = 2;
    static constexpr int32_t mode_dragging = 3;
    static constexpr int32_t mode_promoting = 4;
    static constexpr int32_t mode_selected = 5;
    static constexpr int32_t animation_step = 5;      // pixels
    static constexpr int32_t animation_delay_ms = 10; // per step

    // A board at position in parent, showing an empty board with white at the bottom and
    // input disabled.
    CHESS_GUI_BOARD(QWidget* parent, QPoint position,
                    const CHESS_GUI_SPRITE_MANAGER& sprites = CHESS_GUI_SPRITE_MANAGER::standard());

    void set_board_info(const CHESS_GUI_BOARD_INFO& info);
    // 1: white at the bottom, 2: black.
    void set_bottom_side(int32_t side);
    void enable_input();
    void disable_input();
    // Slides the piece on from to the piece position of to; returns with input enabled. The
    // caller then makes the move and hands over the new info.
    void animate_move(int32_t from, int32_t to);
    // Composes the whole picture again and shows it.
    void repaint_board();
    // The zoom in percent; the control's size follows it, its place is the parent's to set.
    void set_zoom(int32_t percent);
    int32_t zoom() const { return zoom_; }
    // The caller's own marks, kept until replaced (an empty list removes them).
    void set_marks(const std::vector<CHESS_GUI_BOARD_MARK>& marks);
    // Every mark shown now: the info's, the pick-up's and the caller's.
    std::vector<CHESS_GUI_BOARD_MARK> shown_marks() const;

    int32_t mode() const { return mode_; }
    // The square the keyboard's cursor is on, 0 while it is hidden.
    int32_t cursor_square() const { return cursor_; }
    int32_t bottom_side() const { return side_facing_bottom; }
    bool is_animating() const { return animating; }
    const CHESS_GUI_BOARD_INFO& board_info() const { return info; }
    const CHESS_GUI_TRANSFORM& transform() const { return tf; }
    // What the control shows.
    const QImage& picture() const { return cdev.window_picture; }

  signals:
    // A move the info allows; promotion is the chosen piece code, 0 when the move promotes not.
    void move_completed(int from, int to, int promotion);
    // A click beside the prompt's pieces sounded the beep.
    void beeped();
    // Printable text typed on the board, the beginning of a move in words.
    void typing_started(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Letters and digits that begin a move are the player's typing, not one-key shortcuts.
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    // Event positions are in the control; hit tests work in the parent's coordinates.
    QPoint parent_point(const QPointF& control_point) const;
    QRect piece_rect(int32_t s);
    int32_t displayed_piece(int32_t s) const;
    void draw_board_pieces();
    // The marks of the squares within clip (board units): tints under the pieces, and dots,
    // rings and arrows over them.
    void draw_marks_under(const QRect& clip);
    void draw_marks_over(const QRect& clip);
    // The pick-up's destinations are shown while a piece is in the hand.
    bool shows_destinations() const;
    // Redraws the squares the pick-up marks, as they are to be shown now.
    void redraw_pick_up_squares();
    void draw_captures(int32_t colour, const std::vector<int32_t>& kinds);
    void draw_prompt();
    // Into the still picture and onto the window: square s's tile, with piece (0 for none).
    void draw_square(int32_t s, int32_t piece);
    void frame_square(int32_t s);
    void unframe_square(int32_t s);
    void pick_up(int32_t px, int32_t py);
    void drag_to(int32_t px, int32_t py);
    void drop();
    // Shows the piece in the hand moved from src_square to dst_square and reports the move, or
    // opens the prompt when it promotes.
    void complete_move();
    // A press and release that did not drag: the piece goes back, selected or (when it was
    // selected before the press) not.
    void finish_click();
    void press_while_selected(QPoint p);
    void deselect();
    void choose(int32_t px, int32_t py);
    void cancel_prompt();
    void choose_slot(int32_t choice);
    void move_cursor(int32_t key);
    void show_cursor(int32_t s);
    // Space or Enter on the cursor's square: pick up, put down, or let go.
    void press_cursor();
    // Picks up the piece on s without a pointer, as a click would select it.
    void select_square(int32_t s);
    void prompt_key(QKeyEvent* event);
    // Text that hands on to the move box.
    bool is_typing(const QKeyEvent* event) const;
    bool is_inside_prompt(QPoint p);
    void track_prompt(int32_t px, int32_t py);
    // Ends a drag or a prompt in progress and enters new_mode; true when one was ended.
    bool end_pending(int32_t new_mode);
    void beep();
    // Pictures and the device drawn for the current zoom and the screen's pixel ratio.
    void rescale();

    CHESS_GUI_BOARD_INFO info;
    CHESS_GUI_SPRITE_MANAGER base_sprites;
    CHESS_GUI_SPRITE_MANAGER sprites;
    CHESS_GUI_TRANSFORM tf;
    CHESS_GUI_DEVICE cdev;
    bool animating = false;
    int32_t side_facing_bottom = white;
    int32_t mode_ = mode_disabled;
    int32_t src_square = 0;
    int32_t dst_square = 0;
    int32_t old_x = 0;
    int32_t old_y = 0;
    int32_t drag_piece = 0;
    int32_t rel_x = 0;
    int32_t rel_y = 0;
    int32_t highlighted_square = 0;
    int32_t old_pslot = 0;
    // Where the press that began the current click or drag was, in the control's own pixels.
    QPoint press_position;
    bool moved_far = false;    // the pointer left the press point by the drag distance
    bool reselected = false;   // the press picked up the piece that was selected
    int32_t target_square = 0; // a destination pressed on while a piece is selected
    int32_t cursor_ = 0;
    int32_t zoom_ = 100;
    std::vector<CHESS_GUI_BOARD_MARK> caller_marks;
};
