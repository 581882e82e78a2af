// One key pose of the character on the webcam: whether she is in the chair, where she sits, where
// she looks, what her face and hands do, what she holds and what the camera shows over the
// picture. Every field defaults to the neutral seated pose (at the board, a soft smile, hands on
// the desk), so a clip table names only what differs, and clips that start and end near the
// default follow one another without a jump.
#pragma once

enum class VELMORA_VIDEO_EYES { open, closed, happy, wink, squint, wide };

// Talking cycles through the open shapes frame by frame; the others are held.
enum class VELMORA_VIDEO_MOUTH { closed, smile, grin, open, wide, o, frown, smirk, flat, bite };

// Where one hand is and what it does. The same pose mirrors for the left and the right hand.
enum class VELMORA_VIDEO_HAND {
    desk,   // resting on the desk by the board
    tap,    // drumming a finger on the desk
    chin,   // propping the chin
    cheek,  // palm on the cheek
    mouth,  // covering the mouth
    temple, // a finger at the temple
    hair,   // tucking a strand behind the ear
    wave,   // waving at the camera
    raised, // fist in the air
    finger, // index finger raised, wagging
    thumb,  // thumbs up
    hold,   // holding up the prop
    clap,   // hands together in front
    shrug,  // open palm turned up at the side
    mug     // holding her mug under the chin
};

// What she holds up in a "hold" hand, or wears.
enum class VELMORA_VIDEO_PROP { none, pawn, knight, bishop, rook, queen, crown, sunglasses };

// What the camera shows over the picture.
enum class VELMORA_VIDEO_EFFECT {
    none,
    static_noise, // the camera switching: grey snow over the picture
    black,        // the camera dark
    sparkle,      // little stars around her
    thought,      // thought bubbles rising beside her head
    spin,         // a turning arrow over the board
    sweat,        // a drop of nervous sweat
    exclaim       // an exclamation mark beside her head
};

struct VELMORA_VIDEO_POSE {
    bool present = true; // someone in the picture; false shows the empty chair
    // Offset of the whole figure in design units (320 x 240); negative y lifts her out of the
    // chair, so a standing figure shows from the chin down.
    double body_x = 0;
    double body_y = 0;
    double head_tilt = 0;    // degrees, positive to the viewer's right
    double head_turn = 0.25; // -1..1; positive turns her face towards the board on the left
    double head_nod = 0;     // -1 (looking up) .. 1 (looking down)

    VELMORA_VIDEO_EYES eyes = VELMORA_VIDEO_EYES::open;
    double look_x = 0; // pupils, -1..1
    double look_y = 0;
    double brow_raise = 0; // -1 (lowered) .. 1 (raised)
    double brow_tilt = 0;  // positive: inner ends up (worried); negative: inner ends down (cross)

    VELMORA_VIDEO_MOUTH mouth = VELMORA_VIDEO_MOUTH::smile;
    bool talking = false;
    double blush = 0; // 0..1

    VELMORA_VIDEO_HAND left_hand = VELMORA_VIDEO_HAND::desk; // as the viewer sees her
    VELMORA_VIDEO_HAND right_hand = VELMORA_VIDEO_HAND::desk;
    VELMORA_VIDEO_PROP prop = VELMORA_VIDEO_PROP::none;
    VELMORA_VIDEO_EFFECT effect = VELMORA_VIDEO_EFFECT::none;
    double effect_amount = 1.0; // strength of static or darkness, 0..1
};
