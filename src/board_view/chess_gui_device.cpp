#include "board_view/chess_gui_device.h"

#include <QFont>
#include <QPainter>
#include <cmath>

namespace {
const QColor highlight(255, 255, 0);
const QColor prompt_colour(206, 206, 148);
} // namespace

CHESS_GUI_DEVICE::CHESS_GUI_DEVICE(QWidget* parent, QSize size)
    : parent(parent), client(QPoint(0, 0), size) {
    allocate();
}

void CHESS_GUI_DEVICE::set_scale(double zoom, double ratio) {
    scale = zoom * ratio;
    pixel_ratio = ratio;
    allocate();
}

void CHESS_GUI_DEVICE::allocate() {
    const QSize size = device_rect(client).size();
    for (QImage* picture : {&window_picture, &virtual_picture, &double_picture}) {
        *picture = QImage(size, QImage::Format_RGB32);
        picture->fill(Qt::black);
    }
}

QRect CHESS_GUI_DEVICE::device_rect(const QRect& area) const {
    const int left = static_cast<int>(std::floor(area.left() * scale));
    const int top = static_cast<int>(std::floor(area.top() * scale));
    const int right = static_cast<int>(std::ceil((area.left() + area.width()) * scale));
    const int bottom = static_cast<int>(std::ceil((area.top() + area.height()) * scale));
    return {left, top, right - left, bottom - top};
}

QPoint CHESS_GUI_DEVICE::device_point(int x, int y) const {
    return {static_cast<int>(std::floor(x * scale)), static_cast<int>(std::floor(y * scale))};
}

QRect CHESS_GUI_DEVICE::device_rect_of_control(const QRect& area) const {
    const int left = static_cast<int>(std::floor(area.left() * pixel_ratio));
    const int top = static_cast<int>(std::floor(area.top() * pixel_ratio));
    const int right = static_cast<int>(std::ceil((area.left() + area.width()) * pixel_ratio));
    const int bottom = static_cast<int>(std::ceil((area.top() + area.height()) * pixel_ratio));
    return QRect(left, top, right - left, bottom - top) & window_picture.rect();
}

void CHESS_GUI_DEVICE::draw_sprite(const CHESS_GUI_SPRITE& sprite, int x, int y) {
    QPainter p(&virtual_picture);
    p.drawPixmap(device_point(x, y), sprite.bitmap);
}

void CHESS_GUI_DEVICE::draw_sprite_part(const CHESS_GUI_SPRITE& sprite, int x, int y,
                                        const QRect& clip) {
    QPainter p(&virtual_picture);
    p.setClipRect(device_rect(clip));
    p.drawPixmap(device_point(x, y), sprite.bitmap);
}

void CHESS_GUI_DEVICE::copy_to_window() {
    window_picture = virtual_picture.copy();
    present(window_picture.rect());
}

void CHESS_GUI_DEVICE::copy_to_window(const QRect& area) {
    const QRect inside = device_rect(area) & window_picture.rect();
    QPainter p(&window_picture);
    p.drawImage(inside.topLeft(), virtual_picture, inside);
    p.end();
    present(inside);
}

void CHESS_GUI_DEVICE::move_sprite(const CHESS_GUI_SPRITE& sprite, const QRect& old_area, int x,
                                   int y) {
    const QRect new_area(x, y, sprite.width(), sprite.height());
    const QRect changed = device_rect(old_area | new_area) & window_picture.rect();
    QPainter compose(&double_picture);
    compose.drawImage(changed.topLeft(), virtual_picture, changed);
    compose.setClipRect(changed);
    compose.drawPixmap(device_point(x, y), sprite.bitmap);
    compose.end();
    QPainter p(&window_picture);
    p.drawImage(changed.topLeft(), double_picture, changed);
    p.end();
    present(changed);
}

void CHESS_GUI_DEVICE::frame(QImage& picture, const QRect& area) const {
    QPainter p(&picture);
    const QRect pixels = device_rect(area);
    const int width = std::max(1, static_cast<int>(std::lround(2 * scale)));
    p.setPen(QPen(highlight, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    // A pen centred on a line half its width in covers the outermost pixel rows.
    const qreal inset = width / 2.0;
    p.drawRect(QRectF(pixels).adjusted(inset, inset, -inset, -inset));
}

void CHESS_GUI_DEVICE::frame_rect(const QRect& area) {
    frame(virtual_picture, area);
}

void CHESS_GUI_DEVICE::frame_window_rect(const QRect& area) {
    frame(window_picture, area);
    present(device_rect(area));
}

void CHESS_GUI_DEVICE::draw_prompt_box(const QRect& box, const QString& text, int text_bottom) {
    QPainter p(&virtual_picture);
    p.scale(scale, scale);
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
    const auto line = [&p](const QColor& colour, int x1, int y1, int x2, int y2) {
        p.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), colour);
    };
    line(light_outer, l, t, r - 1, t);
    line(light_outer, l, t, l, b - 1);
    line(dark_outer, l, b, r, b);
    line(dark_outer, r, t, r, b);
    line(light_inner, l + 1, t + 1, r - 2, t + 1);
    line(light_inner, l + 1, t + 1, l + 1, b - 2);
    line(dark_inner, l + 1, b - 1, r - 1, b - 1);
    line(dark_inner, r - 1, t + 1, r - 1, b - 1);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(96, 20, 20));
    p.setRenderHint(QPainter::TextAntialiasing);
    p.drawText(QRect(l, t + 2, box.width(), text_bottom - t - 2), Qt::AlignCenter, text);
}

void CHESS_GUI_DEVICE::present(const QRect& pixels) {
    const QRect area = QRectF(pixels.x() / pixel_ratio, pixels.y() / pixel_ratio,
                              pixels.width() / pixel_ratio, pixels.height() / pixel_ratio)
                           .toAlignedRect();
    if (immediate) {
        parent->repaint(area);
    } else {
        parent->update(area);
    }
}
