// The board in both orientations (flat light and dark squares inside a 12-pixel walnut frame
// with the file letters below and the rank digits on the left), the two plain square tiles the
// control repaints single squares with, a piece of the frame, and the strip beside the board
// where captured pieces stand: a walnut tray lined with green baize.
#include "art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int board_size = 384;
constexpr int frame = 12;
constexpr int square = 45;

const QColor walnut_light(128, 84, 52);
const QColor walnut_dark(86, 54, 32);
const QColor frame_text(240, 222, 178);

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

QImage draw_board(bool white_at_bottom) {
    QImage image(board_size, board_size, QImage::Format_RGB32);
    QPainter p(&image);
    fill_walnut(p, image.rect());
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
                       dark ? art::dark_square : art::light_square);
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

QImage plain_tile(const QColor& colour) {
    QImage image(35, 35, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage draw_frame_piece() {
    QImage image(frame, frame, QImage::Format_RGB32);
    QPainter p(&image);
    fill_walnut(p, image.rect());
    return image;
}

QImage draw_capture_strip() {
    QImage image(45, board_size, QImage::Format_RGB32);
    QPainter p(&image);
    fill_walnut(p, image.rect());
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

std::vector<ART_PICTURE> art::draw_board_set() {
    return {{128, draw_board(true)},         {129, draw_board(false)},
            {134, plain_tile(light_square)}, {135, plain_tile(dark_square)},
            {139, draw_frame_piece()},       {141, draw_capture_strip()}};
}
