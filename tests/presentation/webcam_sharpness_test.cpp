// The default persona's video is drawn larger than the webcam window, so when the window is
// zoomed it shows edges drawn at the new size rather than the 100 % picture's pixels doubled.
#include "presentation/chess_gui_video.h"
#include "presentation/chess_gui_video_device.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// The first frame of the video: the room with Velmora at her desk, full of edges.
QImage shown_frame(CHESS_GUI_VIDEO& webcam, int32_t zoom) {
    webcam.set_zoom(zoom);
    auto* device = webcam.findChild<CHESS_GUI_VIDEO_DEVICE*>();
    QSignalSpy shown(device, &CHESS_GUI_VIDEO_DEVICE::frame_shown);
    webcam.play(0, 0);
    EXPECT_TRUE(shown.wait(5000));
    const QImage picture = webcam.findChild<QLabel*>(QStringLiteral("video_window"))
                               ->grab()
                               .toImage()
                               .convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !webcam.is_playing_clip(); }, 5000));
    return picture;
}

// The share of pixels whose colour differs by more than a small tolerance in any channel.
double differing_share(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int most = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                       std::abs(qBlue(p) - qBlue(q))});
            differing += most > 24 ? 1 : 0;
        }
    }
    return static_cast<double>(differing) / (a.width() * a.height());
}

TEST(WebcamSharpness, ZoomedPictureIsDrawnNotEnlarged) {
    CHESS_GUI_VIDEO webcam;
    webcam.show();
    webcam.open(VELMORA_VIDEO_FILE);
    ASSERT_FALSE(webcam.failed()) << webcam.error_message();
    const QImage normal = shown_frame(webcam, 100);
    const QImage doubled = shown_frame(webcam, 200);
    ASSERT_EQ(normal.size(), QSize(160, 120));
    ASSERT_EQ(doubled.size(), QSize(320, 240));
    // The same picture: brought back to 100 %, the zoomed one matches it nearly everywhere...
    const QImage reduced =
        doubled.scaled(normal.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(differing_share(reduced, normal), 0.02);
    // ...but it is not the 100 % picture enlarged, with its pixels doubled or blended: its edges
    // are finer.
    for (const Qt::TransformationMode mode : {Qt::FastTransformation, Qt::SmoothTransformation}) {
        const QImage enlarged = normal.scaled(doubled.size(), Qt::IgnoreAspectRatio, mode);
        EXPECT_GT(differing_share(doubled, enlarged), 0.03) << "mode " << mode;
    }
}

} // namespace
