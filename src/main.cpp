// velmora-chess: the desktop game.
#include "windows/velmora_chess.h"

int main(int argc, char** argv) {
    VELMORA_CHESS application(argc, argv);
    return application.run();
}
