// The pieces: the chess glyphs of DejaVu Sans drawn large. A white piece is the solid silhouette
// filled in ivory with the outline glyph's lines in near-black over it; a black piece is the
// silhouette in ebony with a pale rim, so that both read on the light and on the dark squares.
#include "desktop/chess_gui_piece_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Kinds in the program's order: pawn, bishop, knight, rook, queen, king.
constexpr std::array<int, 6> glyph_offset{5, 3, 4, 2, 1, 0}; // from the king's glyph
const QRgb key_colour = qRgb(255, 255, 0);

QPainterPath glyph_path(char16_t code) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, font, QString(QChar(code)));
    return path;
}

QPainterPath solid_glyph(int kind) {
    return glyph_path(static_cast<char16_t>(0x265A + glyph_offset[kind - 1]));
}

// The solid glyph with its inner holes filled: every contour filled on its own, then united.
QPainterPath silhouette(const QPainterPath& solid) {
    QPainterPath filled;
    filled.setFillRule(Qt::WindingFill);
    for (const QPolygonF& contour : solid.toSubpathPolygons()) {
        QPainterPath part;
        part.addPolygon(contour);
        part.closeSubpath();
        filled = filled.united(part);
    }
    return filled;
}

QPainterPath outline_glyph(int kind) {
    return glyph_path(static_cast<char16_t>(0x2654 + glyph_offset[kind - 1]));
}

// One scale and one baseline for all six kinds, so a pawn stays smaller than a king.
struct PIECE_FRAME {
    qreal scale;
    qreal bottom; // of all glyphs, in glyph units
};

PIECE_FRAME piece_frame(int size, qreal margin) {
    QRectF all;
    for (int kind = 1; kind <= 6; ++kind) {
        all = all.united(solid_glyph(kind).boundingRect());
    }
    const qreal room = size - 2 * margin;
    return {room / std::max(all.width(), all.height()), all.bottom()};
}

} // namespace

QImage CHESS_GUI_PIECE_ART::draw(int kind, bool white, int size, double scale) {
    const qreal margin = size > 24 ? 1.4 : 0.9;
    const PIECE_FRAME frame = piece_frame(size, margin);
    const QPainterPath solid = solid_glyph(kind);
    const QPainterPath body_path = silhouette(solid);
    const QRectF bounds = solid.boundingRect();

    QTransform place;
    place.translate(size / 2.0, size - margin);
    place.scale(frame.scale, frame.scale);
    place.translate(-bounds.center().x(), -frame.bottom);

    const int pixels = static_cast<int>(std::ceil(size * scale));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(place * QTransform::fromScale(scale, scale));
    const qreal pixel = 1.0 / frame.scale; // one screen pixel in glyph units
    if (white) {
        QLinearGradient body(bounds.topLeft(), bounds.bottomRight());
        body.setColorAt(0, QColor(255, 253, 244));
        body.setColorAt(1, QColor(214, 206, 186));
        p.setPen(QPen(QColor(24, 22, 20), pixel * (size > 24 ? 1.1 : 0.8)));
        p.setBrush(body);
        p.drawPath(body_path);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(24, 22, 20));
        QPainterPath lines = outline_glyph(kind);
        lines.setFillRule(Qt::OddEvenFill);
        p.drawPath(lines);
    } else {
        QLinearGradient body(bounds.topLeft(), bounds.bottomRight());
        body.setColorAt(0, QColor(84, 78, 74));
        body.setColorAt(1, QColor(18, 16, 16));
        // A pale rim outside, then the body widened by half a pixel so thin pieces (the queen's
        // crown) keep their weight at this size.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(236, 228, 210), pixel * (size > 24 ? 2.6 : 1.8)));
        p.drawPath(body_path);
        p.setPen(QPen(QColor(30, 27, 26), pixel * (size > 24 ? 1.0 : 0.7)));
        p.drawPath(body_path);
        // The glyph's inner cut-outs (bands, crosses) show as pale lines on the ebony.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(206, 198, 182));
        p.drawPath(body_path);
        p.setBrush(body);
        p.drawPath(solid);
    }
    p.end();
    return flatten_onto_key(image);
}

QImage CHESS_GUI_PIECE_ART::flatten_onto_key(const QImage& drawn) {
    const QImage source = drawn.convertToFormat(QImage::Format_ARGB32);
    QImage flat(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = source.pixel(x, y);
            flat.setPixel(x, y, qAlpha(pixel) >= 128 ? (pixel | 0xff000000u) : key_colour);
        }
    }
    return flat;
}
