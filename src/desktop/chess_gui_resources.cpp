#include "desktop/chess_gui_resources.h"

#include <QColor>
#include <QFile>
#include <QString>

// Q_INIT_RESOURCE declares a function and must be used at global scope.
static void register_velmora_resources() {
    Q_INIT_RESOURCE(velmora_chess);
}

namespace {
QString resource_path(int32_t id) {
    return QStringLiteral(":/%1.png").arg(id);
}
} // namespace

void CHESS_GUI_RESOURCES::ensure_registered() {
    static const bool registered = (register_velmora_resources(), true);
    (void)registered;
}

bool CHESS_GUI_RESOURCES::has_pixmap(int32_t id) {
    ensure_registered();
    return QFile::exists(resource_path(id));
}

QPixmap CHESS_GUI_RESOURCES::pixmap(int32_t id, QSize fallback_size) {
    ensure_registered();
    QPixmap picture(resource_path(id));
    if (picture.isNull()) {
        picture = QPixmap(fallback_size);
        picture.fill(QColor(128, 128, 128));
    }
    return picture;
}
