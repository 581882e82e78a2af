// The program's pictures, compiled in with the Qt resource system as one PNG per resource number
// (":/190.png"). The resources live in a static library, so they are registered here once before
// the first picture is read. A picture that is missing from the build gives a plain grey square of
// a stated size, so a window stays usable and the gap is visible rather than a crash.
#pragma once

#include <QPixmap>
#include <QSize>
#include <cstdint>

class CHESS_GUI_RESOURCES {
  public:
    static QPixmap pixmap(int32_t id, QSize fallback_size = QSize(24, 24));
    static bool has_pixmap(int32_t id);
    // Makes sure the resources are registered (safe to call any number of times).
    static void ensure_registered();
};
