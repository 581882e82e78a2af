// Tiny videos for the webcam tests, made on the spot with FFmpeg: 160 x 120 MPEG-4 in AVI with a
// key frame every fourth frame, each frame one solid colour from a fixed table, so a test can tell
// from a drawn pixel which frame is on screen.
#pragma once

#include <QColor>
#include <string>

inline constexpr int test_video_width = 160;
inline constexpr int test_video_height = 120;

// Frame k is coloured test_video_colour(first_colour + k). True when the file was written.
bool make_test_video(const std::string& path, int frame_count, int frames_per_second,
                     int first_colour = 0);
QColor test_video_colour(int index);
// The table index of the colour nearest to `colour`, or -1 when none is close.
int test_video_colour_index(QColor colour);
// A valid sound-only file: it opens, but has no frames.
bool make_sound_file(const std::string& path);
