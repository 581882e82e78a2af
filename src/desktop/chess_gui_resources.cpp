#include "desktop/chess_gui_resources.h"

#include <QString>

// Q_INIT_RESOURCE declares a function and must be used at global scope.
static void register_velmora_resources() {
    Q_INIT_RESOURCE(velmora_chess);
}

QImage CHESS_GUI_RESOURCES::image(int32_t id) {
    static const bool registered = (register_velmora_resources(), true);
    (void)registered;
    const QImage picture(QStringLiteral(":/%1.png").arg(id));
    if (picture.isNull()) {
        qFatal("the picture with resource number %d is not built into the program", int(id));
    }
    return picture;
}

QPixmap CHESS_GUI_RESOURCES::pixmap(int32_t id) {
    return QPixmap::fromImage(image(id));
}
