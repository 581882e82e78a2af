#include "velmora_video_pieces.h"

#include <QPainterPath>

// Outlines in a 20-unit-tall box standing on (0, 0), x from -8 to 8.
QPainterPath VELMORA_VIDEO_PIECES::outline(VELMORA_VIDEO_PROP piece) {
    QPainterPath path;
    // Every piece stands on the same foot.
    path.addRoundedRect(-7.5, -3.5, 15, 3.5, 1.2, 1.2);
    switch (piece) {
    case VELMORA_VIDEO_PROP::pawn:
        path.moveTo(-5, -3.5);
        path.cubicTo(-4, -7, -2.5, -9, -2, -10);
        path.lineTo(2, -10);
        path.cubicTo(2.5, -9, 4, -7, 5, -3.5);
        path.closeSubpath();
        path.addEllipse(QPointF(0, -12.5), 3.6, 3.6);
        break;
    case VELMORA_VIDEO_PROP::rook:
        path.addRect(-4.5, -13, 9, 9.5);
        path.moveTo(-6, -13);
        path.lineTo(-6, -18);
        path.lineTo(-3.6, -18);
        path.lineTo(-3.6, -16);
        path.lineTo(-1.2, -16);
        path.lineTo(-1.2, -18);
        path.lineTo(1.2, -18);
        path.lineTo(1.2, -16);
        path.lineTo(3.6, -16);
        path.lineTo(3.6, -18);
        path.lineTo(6, -18);
        path.lineTo(6, -13);
        path.closeSubpath();
        break;
    case VELMORA_VIDEO_PROP::bishop:
        path.moveTo(-4.5, -3.5);
        path.lineTo(-2.5, -9);
        path.lineTo(2.5, -9);
        path.lineTo(4.5, -3.5);
        path.closeSubpath();
        path.moveTo(0, -19);
        path.cubicTo(4.5, -16, 5, -12, 3, -9);
        path.lineTo(-3, -9);
        path.cubicTo(-5, -12, -4.5, -16, 0, -19);
        path.addEllipse(QPointF(0, -19.5), 1.4, 1.4);
        break;
    case VELMORA_VIDEO_PROP::knight:
        path.moveTo(-5.5, -3.5);
        path.cubicTo(-5.5, -8, -2, -9, -3.5, -12);
        path.lineTo(-7, -12.5);
        path.cubicTo(-8, -14, -7, -15.5, -5, -16);
        path.cubicTo(-3, -18.5, 0, -20, 2, -19.5);
        path.lineTo(3, -21);
        path.lineTo(3.8, -18.5);
        path.cubicTo(6.5, -16, 6.5, -9, 5.5, -3.5);
        path.closeSubpath();
        break;
    case VELMORA_VIDEO_PROP::queen:
        path.moveTo(-5, -3.5);
        path.lineTo(-6.5, -15);
        path.lineTo(-3.2, -11);
        path.lineTo(0, -17);
        path.lineTo(3.2, -11);
        path.lineTo(6.5, -15);
        path.lineTo(5, -3.5);
        path.closeSubpath();
        path.addEllipse(QPointF(-6.5, -16), 1.5, 1.5);
        path.addEllipse(QPointF(0, -18.2), 1.5, 1.5);
        path.addEllipse(QPointF(6.5, -16), 1.5, 1.5);
        break;
    default:
        return {};
    }
    return path.simplified();
}

void VELMORA_VIDEO_PIECES::draw(QPainter& p, VELMORA_VIDEO_PROP piece, QPointF base, double height,
                                const QColor& fill, const QColor& line) {
    const QPainterPath shape = outline(piece);
    if (shape.isEmpty()) {
        return;
    }
    p.save();
    p.translate(base);
    p.scale(height / 20.0, height / 20.0);
    p.setPen(QPen(line, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(shape);
    p.restore();
}
