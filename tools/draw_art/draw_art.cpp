// Draws the program's generated artwork into the resources folder, one PNG per resource number:
//   velmora-draw-art <resources directory> [--sheet <file.png>]
// With --sheet it also lays every picture out enlarged on one page, for looking them over.
#include "art.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <cstring>

namespace {

// Pictures are drawn with DejaVu Sans (the chess glyphs, the labels); load it from the system's
// font folder when the font configuration does not already know it.
void load_fonts() {
    if (QFontDatabase::families().contains(QStringLiteral("DejaVu Sans"))) {
        return;
    }
    QFontDatabase::addApplicationFont(
        QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
    QFontDatabase::addApplicationFont(
        QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"));
}

// Every picture at three times its size (large ones at their own size), labelled by number.
QImage contact_sheet(const std::vector<ART_PICTURE>& pictures) {
    const int page_width = 1400;
    QImage sheet(page_width, 2600, QImage::Format_RGB32);
    sheet.fill(QColor(90, 96, 100));
    QPainter p(&sheet);
    int x = 10;
    int y = 10;
    int row_height = 0;
    for (const ART_PICTURE& picture : pictures) {
        const int zoom = picture.image.width() > 100 ? 1 : 3;
        const QSize size = picture.image.size() * zoom;
        if (x + size.width() > page_width - 10) {
            x = 10;
            y += row_height + 24;
            row_height = 0;
        }
        p.drawImage(QRect(QPoint(x, y), size), picture.image);
        p.setPen(Qt::white);
        p.drawText(x, y + size.height() + 14, QString::number(picture.id));
        x += size.width() + 12;
        row_height = std::max(row_height, size.height());
    }
    p.end();
    return sheet.copy(0, 0, page_width, std::min(sheet.height(), y + row_height + 30));
}

} // namespace

int main(int argc, char** argv) {
    // Drawing needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const bool with_sheet = argc == 4 && std::strcmp(argv[2], "--sheet") == 0;
    if (argc != 2 && !with_sheet) {
        std::fprintf(stderr,
                     "usage: velmora-draw-art <resources directory> [--sheet <file.png>]\n");
        return 2;
    }
    load_fonts();
    std::vector<ART_PICTURE> pictures;
    for (auto draw : {art::draw_board_set, art::draw_pieces, art::draw_buttons, art::draw_levels,
                      art::draw_video_set}) {
        std::vector<ART_PICTURE> drawn = draw();
        pictures.insert(pictures.end(), drawn.begin(), drawn.end());
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (const ART_PICTURE& picture : pictures) {
        const QString name = folder + QStringLiteral("/%1.png").arg(picture.id);
        if (!picture.image.save(name)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    if (with_sheet && !contact_sheet(pictures).save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
