// Dialog layouts are given in dialog units of an 8-point sans-serif dialog font, as the game's
// dialogs were designed; one unit is 1.5 pixels across and 1.625 pixels down.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <cmath>

class CHESS_GUI_DIALOG_UNITS {
  public:
    static int x(double units) { return static_cast<int>(std::lround(units * 1.5)); }
    static int y(double units) { return static_cast<int>(std::lround(units * 1.625)); }
    static QRect rect(int left, int top, int width, int height) {
        return QRect(x(left), y(top), x(width), y(height));
    }
    static QSize size(int width, int height) { return QSize(x(width), y(height)); }
    // The dialogs' font, about 8 points.
    static QFont font() {
        QFont dialog_font(QStringLiteral("DejaVu Sans"));
        dialog_font.setPixelSize(10);
        return dialog_font;
    }
};
