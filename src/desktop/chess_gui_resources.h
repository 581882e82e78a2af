// The program's pictures, compiled in with the Qt resource system as one PNG per resource number
// (CHESS_GUI_RESOURCE_IDS). Every control reads its pictures through here: the resources live in
// a static library, so they are registered here, once, before the first picture is read. A
// picture missing from the build is a fault of the build, never of the player's files, so the
// program stops at once and names the number rather than drawing a gap.
#pragma once

#include <QImage>
#include <QPixmap>
#include <cstdint>

class CHESS_GUI_RESOURCES {
  public:
    static QImage image(int32_t id);
    static QPixmap pixmap(int32_t id);
};
