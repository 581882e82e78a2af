#include "board_view/chess_gui_board.h"

#include "board_view/chess_gui_line_segment.h"
#include "board_view/chess_gui_mark_painter.h"
#include "desktop/chess_gui_zoom.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <thread>

namespace {

// Geometry taken from the pictures themselves.
CHESS_GUI_TRANSFORM make_transform(const CHESS_GUI_SPRITE_MANAGER& sprites) {
    CHESS_GUI_TRANSFORM tf;
    tf.board_width = sprites.board_sprite.width();
    tf.board_height = sprites.board_sprite.height();
    tf.border_width = sprites.border.width();
    tf.border_height = sprites.border.height();
    tf.piece_width = sprites.piece(1).width();
    tf.piece_height = sprites.piece(1).height();
    tf.capture_width = sprites.capture(1).width();
    tf.capture_height = sprites.capture(1).height();
    tf.capture_area_width = sprites.capture_area.width();
    tf.capture_area_height = sprites.capture_area.height();
    return tf;
}

// The prompt's choices in slot order: queen, rook, bishop, knight.
constexpr std::array<int32_t, 4> prompt_kinds{
    CHESS_PIECE_CONSTANTS::queen, CHESS_PIECE_CONSTANTS::rook, CHESS_PIECE_CONSTANTS::bishop,
    CHESS_PIECE_CONSTANTS::knight};

} // namespace

CHESS_GUI_BOARD::CHESS_GUI_BOARD(QWidget* parent, QPoint position,
                                 const CHESS_GUI_SPRITE_MANAGER& sprites)
    : QWidget(parent), base_sprites(sprites), sprites(sprites), tf(make_transform(sprites)),
      cdev(this, QSize(tf.control_width(), tf.control_height())) {
    Q_ASSERT(sprites.is_complete());
    setObjectName(QStringLiteral("chess_ctrl"));
    setGeometry(QRect(position, cdev.client.size()));
    setFixedSize(cdev.client.size());
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The prompt follows the pointer with no button held.
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    tf.set_bounds(x(), y(), x() + width() - 1, y() + height() - 1);
    tf.side_facing_bottom = side_facing_bottom;
    setEnabled(false);
    rescale();
}

void CHESS_GUI_BOARD::set_zoom(int32_t percent) {
    zoom_ = percent;
    setFixedSize(CHESS_GUI_ZOOM::scaled(cdev.client.size(), zoom_));
    rescale();
}

void CHESS_GUI_BOARD::rescale() {
    const double ratio = devicePixelRatioF();
    const double scale = zoom_ / 100.0 * ratio;
    if (scale != sprites.scale) {
        sprites = scale == 1.0 ? base_sprites : CHESS_GUI_SPRITE_MANAGER::standard(scale);
    }
    cdev.set_scale(zoom_ / 100.0, ratio);
    repaint_board();
}

// Public operations ------------------------------------------------------------------------------

void CHESS_GUI_BOARD::set_board_info(const CHESS_GUI_BOARD_INFO& new_info) {
    info = new_info;
    end_pending(mode_ == mode_disabled ? mode_disabled : mode_waiting);
    repaint_board();
}

void CHESS_GUI_BOARD::set_marks(const std::vector<CHESS_GUI_BOARD_MARK>& marks) {
    caller_marks = marks;
    repaint_board();
}

std::vector<CHESS_GUI_BOARD_MARK> CHESS_GUI_BOARD::shown_marks() const {
    using MARK = CHESS_GUI_BOARD_MARK;
    std::vector<MARK> marks;
    if (info.last_move_from != 0) {
        marks.push_back({MARK::last_move, info.last_move_from});
        marks.push_back({MARK::last_move, info.last_move_to});
    }
    if (info.check_square != 0) {
        marks.push_back({MARK::check, info.check_square});
    }
    if (mode_ == mode_selected) {
        marks.push_back({MARK::selected, src_square});
    }
    if (shows_destinations()) {
        for (int32_t to = 1; to <= 64; ++to) {
            if (info.is_move(src_square, to)) {
                marks.push_back({MARK::legal_destination, to});
            }
        }
    }
    marks.insert(marks.end(), caller_marks.begin(), caller_marks.end());
    return marks;
}

bool CHESS_GUI_BOARD::shows_destinations() const {
    return (mode_ == mode_dragging && !animating) || mode_ == mode_selected;
}

void CHESS_GUI_BOARD::set_bottom_side(int32_t side) {
    side_facing_bottom = side;
    tf.side_facing_bottom = side;
    // A prompt survives the turn (it is drawn afresh); a piece in the hand goes back.
    if (mode_ == mode_dragging) {
        end_pending(mode_waiting);
    }
    repaint_board();
}

void CHESS_GUI_BOARD::enable_input() {
    setEnabled(true);
    if (end_pending(mode_waiting)) {
        repaint_board();
    }
}

void CHESS_GUI_BOARD::disable_input() {
    setEnabled(false);
    if (end_pending(mode_disabled)) {
        repaint_board();
    }
}

bool CHESS_GUI_BOARD::end_pending(int32_t new_mode) {
    const bool pending =
        mode_ == mode_dragging || mode_ == mode_promoting || mode_ == mode_selected;
    mode_ = new_mode;
    highlighted_square = 0;
    old_pslot = 0;
    if (pending) {
        dst_square = 0;
    }
    return pending;
}

void CHESS_GUI_BOARD::repaint_board() {
    const CHESS_GUI_SPRITE& board =
        side_facing_bottom == white ? sprites.board_sprite : sprites.rotated_sprite;
    cdev.draw_sprite(board, 0, 0);
    cdev.draw_sprite(sprites.capture_area, tf.board_width, 0);
    const QRect board_area(0, 0, tf.board_width, tf.board_height);
    draw_marks_under(board_area);
    draw_board_pieces();
    draw_marks_over(board_area);
    draw_captures(white, info.white_captures);
    draw_captures(black, info.black_captures);
    if (mode_ == mode_promoting) {
        draw_prompt();
    }
    cdev.copy_to_window();
}

void CHESS_GUI_BOARD::animate_move(int32_t from, int32_t to) {
    if (!is_valid_square(from) || !is_valid_square(to)) {
        return;
    }
    // Step 1-3: the line between the piece positions of the two squares, in the parent.
    animating = true;
    cdev.immediate = true;
    tf.compute_square_absolute(from);
    const QPoint start(tf.piece_x, tf.piece_y);
    tf.compute_square_absolute(to);
    const QPoint end(tf.piece_x, tf.piece_y);
    CHESS_GUI_LINE_SEGMENT line(start.x(), start.y(), end.x(), end.y(), animation_step);

    // Step 4-5: pick the piece up and slide it, one step per 10 ms, until it has passed the end.
    pick_up(start.x(), start.y());
    if (mode_ == mode_dragging) {
        using clock = std::chrono::steady_clock;
        while (!line.is_past_end()) {
            drag_to(line.x, line.y);
            std::this_thread::sleep_until(clock::now() +
                                          std::chrono::milliseconds(animation_delay_ms));
            line.advance();
        }
        // The last step may fall short of the end by less than a step; land on it.
        drag_to(end.x(), end.y());
    }

    // Step 6: the piece stays shown where it arrived until the caller hands over the new info.
    cdev.immediate = false;
    animating = false;
    setEnabled(true);
    mode_ = mode_waiting;
    highlighted_square = 0;
}

// Drawing ---------------------------------------------------------------------------------------

QRect CHESS_GUI_BOARD::piece_rect(int32_t s) {
    tf.compute_square(s);
    return {tf.piece_x, tf.piece_y, tf.piece_width, tf.piece_height};
}

int32_t CHESS_GUI_BOARD::displayed_piece(int32_t s) const {
    if (mode_ == mode_dragging && s == src_square) {
        return empty;
    }
    // While the prompt asks, the pawn already stands on its destination.
    if (mode_ == mode_promoting) {
        if (s == src_square) {
            return empty;
        }
        if (s == dst_square) {
            return drag_piece;
        }
    }
    return info.item(s);
}

void CHESS_GUI_BOARD::draw_board_pieces() {
    for (int32_t s = 1; s <= 64; ++s) {
        const int32_t piece = displayed_piece(s);
        if (is_valid_piece(piece)) {
            tf.compute_square(s);
            cdev.draw_sprite(sprites.piece(piece), tf.piece_x, tf.piece_y);
        }
    }
}

void CHESS_GUI_BOARD::draw_marks_under(const QRect& clip) {
    CHESS_GUI_MARK_PAINTER painter(cdev.virtual_picture, cdev.scale, clip);
    for (const CHESS_GUI_BOARD_MARK& mark : shown_marks()) {
        if (!mark.is_arrow() && mark.kind != CHESS_GUI_BOARD_MARK::legal_destination) {
            tf.compute_square(mark.square);
            painter.paint_under(mark.kind, QRect(tf.x, tf.y, tf.width, tf.height));
        }
    }
}

void CHESS_GUI_BOARD::draw_marks_over(const QRect& clip) {
    CHESS_GUI_MARK_PAINTER painter(cdev.virtual_picture, cdev.scale, clip);
    for (const CHESS_GUI_BOARD_MARK& mark : shown_marks()) {
        tf.compute_square(mark.square);
        const QRect square(tf.x, tf.y, tf.width, tf.height);
        if (mark.kind == CHESS_GUI_BOARD_MARK::legal_destination) {
            painter.paint_destination(square, displayed_piece(mark.square) != empty);
        } else if (mark.is_arrow()) {
            tf.compute_square(mark.target);
            painter.paint_arrow(mark.kind, square, QRect(tf.x, tf.y, tf.width, tf.height));
        }
    }
    if (cursor_ != 0) {
        tf.compute_square(cursor_);
        painter.paint_cursor(QRect(tf.x, tf.y, tf.width, tf.height));
    }
}

void CHESS_GUI_BOARD::redraw_pick_up_squares() {
    draw_square(src_square, displayed_piece(src_square));
    for (int32_t to = 1; to <= 64; ++to) {
        if (info.is_move(src_square, to)) {
            draw_square(to, displayed_piece(to));
        }
    }
}

void CHESS_GUI_BOARD::draw_captures(int32_t colour, const std::vector<int32_t>& kinds) {
    // A side's captures are the other side's pieces; the strip has sixteen slots per side.
    const int32_t count = std::min<int32_t>(static_cast<int32_t>(kinds.size()), 16);
    for (int32_t i = 1; i <= count; ++i) {
        const int32_t kind = kinds[i - 1];
        if (!is_valid_kind(kind)) {
            continue;
        }
        tf.compute_capture_slot(i, colour);
        cdev.draw_sprite(sprites.capture(piece(kind, opponent(colour))), tf.piece_x, tf.piece_y);
    }
}

void CHESS_GUI_BOARD::draw_prompt() {
    tf.compute_prompt_slot(1);
    const int32_t pieces_top = tf.y;
    tf.compute_prompt_box();
    cdev.draw_prompt_box(QRect(tf.x, tf.y, tf.width, tf.height), QStringLiteral("Promote Pawn to?"),
                         pieces_top);
    const int32_t colour = side_of(drag_piece);
    for (int32_t i = 1; i <= 4; ++i) {
        tf.compute_prompt_slot(i);
        cdev.draw_sprite(sprites.piece(piece(prompt_kinds[i - 1], colour)), tf.piece_x, tf.piece_y);
    }
}

void CHESS_GUI_BOARD::draw_square(int32_t s, int32_t piece) {
    // The whole square comes from the board picture, so a tint that covers the square goes and
    // comes with it.
    tf.compute_square(s);
    const QRect square(tf.x, tf.y, tf.width, tf.height);
    cdev.draw_sprite_part(
        side_facing_bottom == white ? sprites.board_sprite : sprites.rotated_sprite, 0, 0, square);
    draw_marks_under(square);
    if (is_valid_piece(piece)) {
        const QRect area = piece_rect(s);
        cdev.draw_sprite(sprites.piece(piece), area.x(), area.y());
    }
    draw_marks_over(square);
    cdev.copy_to_window(square);
}

void CHESS_GUI_BOARD::frame_square(int32_t s) {
    const QRect area = piece_rect(s);
    cdev.frame_rect(area);
    cdev.copy_to_window(area);
}

void CHESS_GUI_BOARD::unframe_square(int32_t s) {
    // The piece standing there comes back with the tile, unless it is the one in the hand.
    draw_square(s, displayed_piece(s));
}

void CHESS_GUI_BOARD::beep() {
    QApplication::beep();
    emit beeped();
}

// Interaction -----------------------------------------------------------------------------------

QPoint CHESS_GUI_BOARD::parent_point(const QPointF& control_point) const {
    const double units = 100.0 / zoom_;
    return {static_cast<int>(std::floor(control_point.x() * units)) + tf.bounds_x1,
            static_cast<int>(std::floor(control_point.y() * units)) + tf.bounds_y1};
}

void CHESS_GUI_BOARD::pick_up(int32_t px, int32_t py) {
    mode_ = mode_waiting;
    const int32_t s = tf.compute_square_at(px, py);
    const int32_t piece = info.item(s);
    if (is_valid_piece(piece) && (info.can_move_from(s) || animating)) {
        mode_ = mode_dragging;
    }
    if (mode_ != mode_dragging) {
        return;
    }
    drag_piece = piece;
    src_square = s;
    dst_square = 0;
    highlighted_square = 0;
    tf.compute_square_absolute(s);
    rel_x = px - tf.piece_x;
    rel_y = py - tf.piece_y;
    if (shows_destinations()) {
        redraw_pick_up_squares();
    } else {
        draw_square(s, empty);
    }
    const QRect area = piece_rect(s);
    old_x = area.x();
    old_y = area.y();
    cdev.move_sprite(sprites.piece(drag_piece), area, old_x, old_y);
}

void CHESS_GUI_BOARD::drag_to(int32_t px, int32_t py) {
    // Step 1: the still picture back under the piece's last position.
    const QRect old_area(old_x, old_y, tf.piece_width, tf.piece_height);
    cdev.copy_to_window(old_area);

    // Step 2: the square under the piece's centre.
    int32_t cx = px - rel_x + tf.piece_width / 2;
    int32_t cy = py - rel_y + tf.piece_height / 2;
    tf.clamp_to_playing_area(cx, cy);
    dst_square = tf.compute_square_at(cx, cy);

    // Step 3-4: frame a legal destination, unframe the one left. Nothing is framed while a
    // computer move slides.
    if (!animating) {
        if (highlighted_square != 0 && highlighted_square != dst_square) {
            unframe_square(highlighted_square);
            highlighted_square = 0;
        }
        if (dst_square != highlighted_square && info.is_move(src_square, dst_square)) {
            frame_square(dst_square);
            highlighted_square = dst_square;
        }
    }

    // Step 5: the piece at its new place, composed through the double buffer.
    int32_t nx = px - rel_x;
    int32_t ny = py - rel_y;
    tf.to_relative(nx, ny);
    cdev.move_sprite(sprites.piece(drag_piece), old_area, nx, ny);
    old_x = nx;
    old_y = ny;
}

void CHESS_GUI_BOARD::drop() {
    mode_ = mode_waiting;
    redraw_pick_up_squares();
    cdev.copy_to_window(QRect(old_x, old_y, tf.piece_width, tf.piece_height));
    highlighted_square = 0;
    if (dst_square == 0 || !info.is_move(src_square, dst_square)) {
        draw_square(src_square, drag_piece);
        return;
    }
    complete_move();
}

void CHESS_GUI_BOARD::complete_move() {
    draw_square(src_square, empty);
    draw_square(dst_square, drag_piece);
    if (info.is_promotion(src_square, dst_square)) {
        mode_ = mode_promoting;
        old_pslot = 0;
        repaint_board();
        return;
    }
    // The picture is finished before the window hears of the move: handling it runs the whole
    // move, and the computer's search, before this returns.
    emit move_completed(src_square, dst_square, 0);
}

void CHESS_GUI_BOARD::finish_click() {
    cdev.copy_to_window(QRect(old_x, old_y, tf.piece_width, tf.piece_height));
    highlighted_square = 0;
    mode_ = reselected ? mode_waiting : mode_selected;
    redraw_pick_up_squares();
}

void CHESS_GUI_BOARD::press_while_selected(QPoint p) {
    const int32_t s =
        tf.is_inside_playing_area(p.x(), p.y()) ? tf.compute_square_at(p.x(), p.y()) : 0;
    if (s != 0 && info.is_move(src_square, s)) {
        target_square = s; // the move is made when the button comes up over it
        return;
    }
    const bool again = s == src_square;
    deselect();
    if (s != 0) {
        pick_up(p.x(), p.y());
        reselected = again;
    }
}

void CHESS_GUI_BOARD::deselect() {
    mode_ = mode_waiting;
    redraw_pick_up_squares();
}

void CHESS_GUI_BOARD::cancel_prompt() {
    mode_ = mode_waiting;
    old_pslot = 0;
    repaint_board();
}

bool CHESS_GUI_BOARD::is_inside_prompt(QPoint p) {
    int32_t px = p.x();
    int32_t py = p.y();
    tf.to_relative(px, py);
    tf.compute_prompt_box();
    return QRect(tf.x, tf.y, tf.width, tf.height).contains(px, py);
}

void CHESS_GUI_BOARD::choose(int32_t px, int32_t py) {
    const int32_t choice = tf.compute_slot_at(px, py);
    if (choice == 0) {
        beep();
        return;
    }
    choose_slot(choice);
}

void CHESS_GUI_BOARD::choose_slot(int32_t choice) {
    const int32_t promotion = piece(prompt_kinds[choice - 1], side_of(drag_piece));
    old_pslot = 0;
    mode_ = mode_waiting;
    repaint_board();
    draw_square(src_square, empty);
    draw_square(dst_square, promotion);
    emit move_completed(src_square, dst_square, promotion);
}

void CHESS_GUI_BOARD::track_prompt(int32_t px, int32_t py) {
    if (old_pslot != 0) {
        tf.compute_prompt_slot(old_pslot);
        cdev.copy_to_window(QRect(tf.x, tf.y, tf.width, tf.height).adjusted(-3, -3, 3, 3));
        old_pslot = 0;
    }
    const int32_t choice = tf.compute_slot_at(px, py);
    if (choice != 0) {
        tf.compute_prompt_slot(choice);
        cdev.frame_window_rect(QRect(tf.x, tf.y, tf.width, tf.height).adjusted(-3, -3, 3, 3));
        old_pslot = choice;
    }
}

// Events ----------------------------------------------------------------------------------------

void CHESS_GUI_BOARD::paintEvent(QPaintEvent* event) {
    // A move to a screen of another pixel density draws the pictures again for it.
    if (devicePixelRatioF() != cdev.pixel_ratio) {
        rescale();
    }
    QPainter p(this);
    const QRect source = cdev.device_rect_of_control(event->rect());
    const double ratio = cdev.pixel_ratio;
    p.drawImage(QRectF(source.x() / ratio, source.y() / ratio, source.width() / ratio,
                       source.height() / ratio),
                cdev.window_picture, source);
}

void CHESS_GUI_BOARD::mousePressEvent(QMouseEvent* event) {
    // Only a waiting board picks up; in the prompt the choice is made on release.
    const QPoint p = parent_point(event->position());
    if (event->button() != Qt::LeftButton || !tf.is_inside_control(p.x(), p.y())) {
        return;
    }
    show_cursor(0);
    press_position = event->position().toPoint();
    moved_far = false;
    reselected = false;
    target_square = 0;
    if (mode_ == mode_selected) {
        press_while_selected(p);
    } else if (mode_ == mode_waiting && tf.is_inside_playing_area(p.x(), p.y())) {
        pick_up(p.x(), p.y());
    }
}

void CHESS_GUI_BOARD::mouseMoveEvent(QMouseEvent* event) {
    QPoint p = parent_point(event->position());
    if ((event->position().toPoint() - press_position).manhattanLength() >=
        QApplication::startDragDistance()) {
        moved_far = true;
    }
    int32_t px = p.x();
    int32_t py = p.y();
    tf.clamp_to_playing_area(px, py);
    if (mode_ == mode_dragging) {
        drag_to(px, py);
    } else if (mode_ == mode_promoting) {
        track_prompt(px, py);
    }
}

void CHESS_GUI_BOARD::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint p = parent_point(event->position());
    int32_t px = p.x();
    int32_t py = p.y();
    tf.clamp_to_playing_area(px, py);
    if (mode_ == mode_dragging) {
        if (moved_far) {
            drop();
        } else {
            finish_click();
        }
    } else if (mode_ == mode_selected) {
        if (target_square != 0 && tf.compute_square_at(px, py) == target_square) {
            dst_square = target_square;
            deselect();
            complete_move();
        }
    } else if (mode_ == mode_promoting) {
        if (is_inside_prompt(p)) {
            choose(px, py);
        } else {
            cancel_prompt();
        }
    }
}

void CHESS_GUI_BOARD::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (mode_ == mode_promoting) {
        prompt_key(event);
    } else if (key == Qt::Key_Escape && mode_ == mode_selected) {
        deselect();
    } else if (key == Qt::Key_Escape && mode_ == mode_dragging && !animating) {
        dst_square = 0;
        drop();
    } else if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up ||
               key == Qt::Key_Down) {
        move_cursor(key);
    } else if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
               cursor_ != 0) {
        press_cursor();
    } else if (is_typing(event)) {
        emit typing_started(event->text());
    } else {
        QWidget::keyPressEvent(event);
    }
}

// Only a key that can begin a move: a file or a rank (and castling's 0) without Shift, or a piece
// letter or castling's O in capitals. Any other key stays a command key (Shift+H for a hint, F to
// flip, W for the webcam).
bool CHESS_GUI_BOARD::is_typing(const QKeyEvent* event) const {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((mode_ != mode_waiting && mode_ != mode_selected) ||
        (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        return false;
    }
    const int key = event->key();
    const bool square_key =
        !(modifiers & Qt::ShiftModifier) &&
        ((key >= Qt::Key_A && key <= Qt::Key_H) || (key >= Qt::Key_0 && key <= Qt::Key_8));
    const bool piece_key =
        event->text().size() == 1 && QStringLiteral("NBRQKO").contains(event->text().at(0));
    return square_key || piece_key;
}

bool CHESS_GUI_BOARD::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (is_typing(key) || (mode_ == mode_promoting && key->text().size() == 1 &&
                               QStringLiteral("QRBNqrbn").contains(key->text()))) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void CHESS_GUI_BOARD::prompt_key(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        cancel_prompt();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int32_t step = event->key() == Qt::Key_Left ? -1 : 1;
        const int32_t next = old_pslot == 0 ? 1 : std::clamp(old_pslot + step, 1, 4);
        tf.compute_prompt_slot(next);
        track_prompt(tf.bounds_x1 + tf.x + 1, tf.bounds_y1 + tf.y + 1);
        return;
    }
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        choose_slot(old_pslot == 0 ? 1 : old_pslot);
        return;
    default:
        break;
    }
    const QString letters = QStringLiteral("QRBN");
    const qsizetype choice = letters.indexOf(event->text().toUpper());
    if (event->text().size() == 1 && choice >= 0) {
        choose_slot(static_cast<int32_t>(choice) + 1);
    }
}

void CHESS_GUI_BOARD::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    show_cursor(0);
}

void CHESS_GUI_BOARD::move_cursor(int32_t key) {
    if (cursor_ == 0) {
        // The king's file on the second rank of the side at the bottom.
        show_cursor(square(5, side_facing_bottom == white ? 2 : 7));
        return;
    }
    // Screen directions: with black at the bottom, right is towards the a-file and up towards
    // the first rank.
    const int32_t towards = side_facing_bottom == white ? 1 : -1;
    int32_t f = file(cursor_);
    int32_t r = rank(cursor_);
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        f += key == Qt::Key_Right ? towards : -towards;
    } else {
        r += key == Qt::Key_Up ? towards : -towards;
    }
    show_cursor(square(std::clamp(f, 1, 8), std::clamp(r, 1, 8)));
}

void CHESS_GUI_BOARD::show_cursor(int32_t s) {
    const int32_t old = cursor_;
    cursor_ = s;
    if (old != 0 && old != s) {
        draw_square(old, displayed_piece(old));
    }
    if (s != 0) {
        draw_square(s, displayed_piece(s));
    }
}

void CHESS_GUI_BOARD::press_cursor() {
    const int32_t s = cursor_;
    if (mode_ == mode_selected) {
        if (info.is_move(src_square, s)) {
            dst_square = s;
            deselect();
            complete_move();
            return;
        }
        const bool again = s == src_square;
        deselect();
        if (again) {
            return;
        }
    }
    if (mode_ == mode_waiting) {
        select_square(s);
    }
}

void CHESS_GUI_BOARD::select_square(int32_t s) {
    const int32_t piece = info.item(s);
    if (!is_valid_piece(piece) || !info.can_move_from(s)) {
        return;
    }
    drag_piece = piece;
    src_square = s;
    dst_square = 0;
    highlighted_square = 0;
    mode_ = mode_selected;
    redraw_pick_up_squares();
}
// Bounds are in units: the place in the parent mapped back through the zoom.
void CHESS_GUI_BOARD::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    const auto units = [this](int pixels) {
        return static_cast<int>(std::lround(pixels * 100.0 / zoom_));
    };
    const QPoint position(units(x()), units(y()));
    tf.set_bounds(position.x(), position.y(), position.x() + cdev.client.width() - 1,
                  position.y() + cdev.client.height() - 1);
}
