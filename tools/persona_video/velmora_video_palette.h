// The colours of the webcam picture, a handful per element: a base tone, one shadow tone and, where
// it helps, one light tone. The room stays muted and warm so that the character, in plum hair and
// a teal jacket, stands out from it at 160 x 120.
#pragma once

#include <QColor>

struct VELMORA_VIDEO_PALETTE {
    // Room
    static inline const QColor wall_light{216, 203, 182};
    static inline const QColor wall_dark{178, 162, 142};
    static inline const QColor window_frame{242, 236, 224};
    static inline const QColor sky_top{158, 192, 210};
    static inline const QColor sky_bottom{218, 230, 228};
    static inline const QColor curtain{184, 138, 136};
    static inline const QColor curtain_dark{156, 110, 110};
    static inline const QColor wood{142, 98, 64};
    static inline const QColor wood_dark{110, 74, 48};
    static inline const QColor wood_light{168, 122, 84};
    static inline const QColor chair{68, 72, 90};
    static inline const QColor chair_light{92, 98, 120};
    static inline const QColor gold{214, 170, 72};
    static inline const QColor gold_dark{160, 118, 40};
    static inline const QColor light_square{206, 206, 148};
    static inline const QColor dark_square{148, 26, 26};

    // Velmora
    static inline const QColor skin{244, 202, 170};
    static inline const QColor skin_shadow{224, 166, 134};
    static inline const QColor skin_line{168, 102, 80};
    static inline const QColor blush{236, 120, 120};
    static inline const QColor hair{78, 34, 70};
    static inline const QColor hair_light{128, 62, 110};
    static inline const QColor hair_dark{46, 16, 42};
    static inline const QColor jacket{44, 128, 118};
    static inline const QColor jacket_shadow{30, 94, 88};
    static inline const QColor jacket_line{18, 62, 58};
    static inline const QColor trousers{62, 58, 80};
    static inline const QColor blouse{248, 242, 232};
    static inline const QColor blouse_shadow{214, 204, 194};
    static inline const QColor eye_white{252, 250, 246};
    static inline const QColor iris{52, 140, 98};
    static inline const QColor iris_dark{26, 84, 60};
    static inline const QColor pupil{22, 30, 28};
    static inline const QColor lash{40, 18, 36};
    static inline const QColor lips{186, 72, 86};
    static inline const QColor mouth_inside{96, 30, 46};
    static inline const QColor teeth{255, 251, 244};
    static inline const QColor tongue{226, 120, 128};

    // Props and effects
    static inline const QColor piece_white{248, 243, 232};
    static inline const QColor piece_black{44, 40, 46};
    static inline const QColor piece_line{58, 48, 48};
    static inline const QColor mug{226, 108, 84};
    static inline const QColor steam{255, 255, 255, 150};
    static inline const QColor sweat{120, 180, 235};
    static inline const QColor exclaim{214, 58, 52};
    static inline const QColor sparkle{255, 232, 140};
    static inline const QColor bubble{255, 255, 255, 225};
};
