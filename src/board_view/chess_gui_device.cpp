#include "board_view/chess_gui_device.h"

#include <QFont>
#include <QPainter>

namespace {
const QColor highlight(255, 255, 0);
const QColor prompt_colour(206, 206, 148);
} // namespace

CHESS_GUI_DEVICE::CHESS_GUI_DEVICE(QWidget* parent, QSize size)
    : parent(parent), window_picture(size, QImage::Format_RGB32),
      virtual_picture(size, QImage::Format_RGB32), double_picture(size, QImage::Format_RGB32),
      client(QPoint(0, 0), size) {
    window_picture.fill(Qt::black);
    virtual_picture.fill(Qt::black);
    double_picture.fill(Qt::black);
}

void CHESS_GUI_DEVICE::draw_sprite(const CHESS_GUI_SPRITE& sprite, int x, int y) {
    QPainter p(&virtual_picture);
    p.drawPixmap(x, y, sprite.bitmap);
}

void CHESS_GUI_DEVICE::copy_to_window() {
    window_picture = virtual_picture.copy();
    present(client);
}

void CHESS_GUI_DEVICE::copy_to_window(const QRect& area) {
    const QRect inside = area & client;
    QPainter p(&window_picture);
    p.drawImage(inside.topLeft(), virtual_picture, inside);
    p.end();
    present(inside);
}

void CHESS_GUI_DEVICE::move_sprite(const CHESS_GUI_SPRITE& sprite, const QRect& old_area, int x,
                                   int y) {
    const QRect new_area(x, y, sprite.width(), sprite.height());
    const QRect changed = (old_area | new_area) & client;
    QPainter compose(&double_picture);
    compose.drawImage(changed.topLeft(), virtual_picture, changed);
    compose.setClipRect(changed);
    compose.drawPixmap(x, y, sprite.bitmap);
    compose.end();
    QPainter p(&window_picture);
    p.drawImage(changed.topLeft(), double_picture, changed);
    p.end();
    present(changed);
}

void CHESS_GUI_DEVICE::frame(QImage& picture, const QRect& area) {
    QPainter p(&picture);
    p.setPen(QPen(highlight, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    // A 2-pixel pen centred on a line half a pixel in covers the two outermost pixel rows.
    p.drawRect(QRectF(area).adjusted(1, 1, -1, -1));
}

void CHESS_GUI_DEVICE::frame_rect(const QRect& area) {
    frame(virtual_picture, area);
}

void CHESS_GUI_DEVICE::frame_window_rect(const QRect& area) {
    frame(window_picture, area);
    present(area);
}

void CHESS_GUI_DEVICE::draw_prompt_box(const QRect& box, const QString& text, int text_bottom) {
    QPainter p(&virtual_picture);
    p.fillRect(box, prompt_colour);
    // Raised edge: light outer and inner lines at the top and left, dark at the bottom and right.
    const QColor light_outer(240, 240, 214);
    const QColor light_inner(226, 226, 186);
    const QColor dark_outer(70, 70, 40);
    const QColor dark_inner(150, 150, 104);
    const int l = box.left();
    const int t = box.top();
    const int r = box.right();
    const int b = box.bottom();
    p.setPen(light_outer);
    p.drawLine(l, t, r - 1, t);
    p.drawLine(l, t, l, b - 1);
    p.setPen(dark_outer);
    p.drawLine(l, b, r, b);
    p.drawLine(r, t, r, b);
    p.setPen(light_inner);
    p.drawLine(l + 1, t + 1, r - 2, t + 1);
    p.drawLine(l + 1, t + 1, l + 1, b - 2);
    p.setPen(dark_inner);
    p.drawLine(l + 1, b - 1, r - 1, b - 1);
    p.drawLine(r - 1, t + 1, r - 1, b - 1);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(96, 20, 20));
    p.setRenderHint(QPainter::TextAntialiasing);
    p.drawText(QRect(l, t + 2, box.width(), text_bottom - t - 2), Qt::AlignCenter, text);
}

void CHESS_GUI_DEVICE::present(const QRect& area) {
    if (immediate) {
        parent->repaint(area);
    } else {
        parent->update(area);
    }
}
