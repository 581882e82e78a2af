// The board in both orientations (flat light and dark squares inside a 12-pixel walnut frame
// with the file letters below and the rank digits on the left), the two plain square tiles the
// control repaints single squares with, a piece of the frame, and the strip beside the board
// where captured pieces stand: a walnut tray lined with green baize.
#include "desktop/chess_gui_board_art.h"

#include "desktop/chess_gui_resource_ids.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <cmath>

namespace {

constexpr int board_size = 384;
constexpr int frame = 12;
constexpr int square = 45;

const QColor walnut_light(128, 84, 52);
const QColor walnut_dark(86, 54, 32);
const QColor frame_text(240, 222, 178);
const QColor light_square(206, 206, 148);
const QColor dark_square(148, 26, 26);

// A picture of size pixels drawn with scale device pixels per pixel.
QImage canvas(int width, int height, double scale) {
    return QImage(static_cast<int>(std::ceil(width * scale)),
                  static_cast<int>(std::ceil(height * scale)), QImage::Format_RGB32);
}

// Wood: a soft diagonal gradient with faint grain lines, the same on every picture that uses it.
void fill_walnut(QPainter& p, const QRect& area) {
    QLinearGradient wood(0, 0, board_size, board_size);
    wood.setColorAt(0, walnut_light);
    wood.setColorAt(1, walnut_dark);
    p.fillRect(area, wood);
    p.save();
    p.setClipRect(area);
    for (int y = area.top() + 1; y < area.bottom(); y += 3) {
        p.setPen(QColor(60, 36, 20, (y * 37) % 5 == 0 ? 34 : 16));
        p.drawLine(area.left(), y, area.right(), y);
    }
    p.restore();
}

QImage draw_board(bool white_at_bottom, double scale) {
    QImage image = canvas(board_size, board_size, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    fill_walnut(p, QRect(0, 0, board_size, board_size));
    // A bevel: light along the outer top and left, dark along the inner edge around the squares.
    p.setPen(QColor(176, 128, 86));
    p.drawLine(0, 0, board_size - 1, 0);
    p.drawLine(0, 0, 0, board_size - 1);
    p.setPen(QColor(44, 26, 14));
    p.drawLine(board_size - 1, 1, board_size - 1, board_size - 1);
    p.drawLine(1, board_size - 1, board_size - 1, board_size - 1);
    p.drawRect(frame - 1, frame - 1, 8 * square + 1, 8 * square + 1);

    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            // Screen column and row from the top back to file and rank.
            const int file = white_at_bottom ? column + 1 : 8 - column;
            const int rank = white_at_bottom ? 8 - row : row + 1;
            const bool dark = (file + rank) % 2 == 0;
            p.fillRect(frame + column * square, frame + row * square, square, square,
                       dark ? dark_square : light_square);
        }
    }

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(frame_text);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (int i = 0; i < 8; ++i) {
        const QChar file_letter(white_at_bottom ? 'a' + i : 'h' - i);
        const QChar rank_digit(white_at_bottom ? '8' - i : '1' + i);
        p.drawText(QRect(frame + i * square, board_size - frame, square, frame), Qt::AlignCenter,
                   file_letter);
        p.drawText(QRect(0, frame + i * square, frame, square), Qt::AlignCenter, rank_digit);
    }
    return image;
}

QImage plain_tile(const QColor& colour, double scale) {
    QImage image = canvas(35, 35, scale);
    image.fill(colour);
    return image;
}

QImage draw_frame_piece(double scale) {
    QImage image = canvas(frame, frame, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    fill_walnut(p, QRect(0, 0, frame, frame));
    return image;
}

QImage draw_capture_strip(double scale) {
    QImage image = canvas(45, board_size, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    fill_walnut(p, QRect(0, 0, 45, board_size));
    p.setPen(QColor(44, 26, 14));
    p.drawLine(44, 0, 44, board_size - 1);
    p.drawLine(0, board_size - 1, 44, board_size - 1);
    p.setPen(QColor(176, 128, 86));
    p.drawLine(0, 0, 44, 0);

    // Baize lining, sunk into the tray: dark top-left lip, light bottom-right lip. The top
    // side's first captured piece stands at the very top, so the lining starts there too.
    const QRect baize(3, 1, 38, board_size - 4);
    QLinearGradient felt(0, 0, 0, board_size);
    felt.setColorAt(0, QColor(58, 96, 80));
    felt.setColorAt(0.5, QColor(70, 110, 92));
    felt.setColorAt(1, QColor(58, 96, 80));
    p.fillRect(baize, felt);
    p.setPen(QColor(34, 22, 12));
    p.drawLine(baize.topLeft(), baize.topRight());
    p.drawLine(baize.topLeft(), baize.bottomLeft());
    p.setPen(QColor(150, 108, 72));
    p.drawLine(baize.bottomLeft(), baize.bottomRight());
    p.drawLine(baize.topRight(), baize.bottomRight());
    // A stitched seam across the middle parts the two sides' captures.
    p.setPen(QPen(QColor(108, 150, 130), 1, Qt::DashLine));
    p.drawLine(6, 189, 38, 189); // between the top side's eighth row and the bottom side's
    return image;
}

} // namespace

const std::vector<int32_t>& CHESS_GUI_BOARD_ART::ids() {
    using ids = CHESS_GUI_RESOURCE_IDS;
    static const std::vector<int32_t> all{ids::board_white_bottom,
                                          ids::board_black_bottom,
                                          ids::light_square,
                                          ids::dark_square,
                                          ids::frame,
                                          ids::capture_strip};
    return all;
}

QImage CHESS_GUI_BOARD_ART::draw(int32_t id, double scale) {
    using ids = CHESS_GUI_RESOURCE_IDS;
    switch (id) {
    case ids::board_white_bottom:
        return draw_board(true, scale);
    case ids::board_black_bottom:
        return draw_board(false, scale);
    case ids::light_square:
        return plain_tile(light_square, scale);
    case ids::dark_square:
        return plain_tile(dark_square, scale);
    case ids::frame:
        return draw_frame_piece(scale);
    case ids::capture_strip:
        return draw_capture_strip(scale);
    default:
        return QImage();
    }
}
