#include "presentation/chess_gui_video.h"
#include "presentation/chess_gui_video_device.h"
#include "test_video.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

constexpr int ten_frames = 10;

// A shown webcam control and two ten-frame test videos: one at a slow 5 frames per second (the
// time codes' rate), and a quicker one at 25 for the tests that are about what happens around a
// range rather than its pace. The fixture records which frame each drawn picture shows and how
// often the end of a clip was reported.
class WebcamTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        video_path_ = path("clips.avi");
        ASSERT_TRUE(make_test_video(video_path_, ten_frames, 5));
        fast_video_path_ = path("quick.avi");
        ASSERT_TRUE(make_test_video(fast_video_path_, ten_frames, 25));
        webcam_ = std::make_unique<CHESS_GUI_VIDEO>();
        webcam_->set_caption(QStringLiteral("Velmora"));
        webcam_->show();
        video_window_ = webcam_->findChild<QLabel*>(QStringLiteral("video_window"));
        device_ = webcam_->findChild<CHESS_GUI_VIDEO_DEVICE*>();
        ASSERT_NE(video_window_, nullptr);
        ASSERT_NE(device_, nullptr);
        QObject::connect(device_, &CHESS_GUI_VIDEO_DEVICE::frame_shown, [this](qint64 frame) {
            // What the window draws, read back from its pixels, must be the frame reported.
            const QImage picture = video_window_->grab().toImage();
            const int shown = test_video_colour_index(picture.pixelColor(80, 60));
            EXPECT_EQ(shown, frame);
            EXPECT_TRUE(video_window_->isVisible());
            shown_.push_back(shown);
        });
        QObject::connect(webcam_.get(), &CHESS_GUI_VIDEO::clip_ended, [this] { ++ends_; });
        QObject::connect(webcam_.get(), &CHESS_GUI_VIDEO::clip_failed, [this] {
            ++ends_;
            ++failures_;
        });
    }

    std::string path(const char* name) const {
        return folder_.filePath(QString::fromLatin1(name)).toStdString();
    }

    void open_clips(bool quick = true) {
        webcam_->open(quick ? fast_video_path_ : video_path_);
        ASSERT_FALSE(webcam_->failed()) << webcam_->error_message();
    }

    bool wait_for_end(int count = 1) {
        return QTest::qWaitFor([&] { return ends_ >= count; }, 5000);
    }
    bool wait_for_frames(size_t count) {
        return QTest::qWaitFor([&] { return shown_.size() >= count; }, 5000);
    }

    QTemporaryDir folder_;
    std::string video_path_;
    std::string fast_video_path_;
    std::unique_ptr<CHESS_GUI_VIDEO> webcam_;
    QLabel* video_window_ = nullptr;
    CHESS_GUI_VIDEO_DEVICE* device_ = nullptr;
    std::vector<int> shown_;
    int ends_ = 0; // clips reported over, played or failed
    int failures_ = 0;
};

std::vector<int> frames(int first, int last) {
    std::vector<int> result;
    for (int k = first; k <= last; ++k) {
        result.push_back(k);
    }
    return result;
}

TEST_F(WebcamTest, OpenReportsSuccessOrTheReasonOfFailure) {
    const std::string missing = path("missing.avi");
    const std::string garbage = path("garbage.avi");
    const std::string sound = path("sound.wav");
    std::ofstream(garbage) << "this is no video at all\n";
    ASSERT_TRUE(make_sound_file(sound));
    struct row {
        std::string file;
        std::string message;
    };
    const std::vector<row> rows = {
        {missing, missing + ": unable to open video file"},
        {garbage, garbage + ": unable to open video file"},
        {sound, sound + ": invalid format (should be frames based)"},
        {video_path_, ""},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.file);
        webcam_->open(r.file);
        EXPECT_EQ(webcam_->failed(), !r.message.empty());
        EXPECT_EQ(webcam_->error_message(), r.message);
        EXPECT_FALSE(video_window_->isVisible());
        EXPECT_FALSE(webcam_->is_playing_clip());
    }
    EXPECT_EQ(video_window_->geometry(), QRect(8, 16, test_video_width, test_video_height));
    EXPECT_EQ(device_->frame_count(), ten_frames);
}

// Ranges that start on a key frame, just after one, and across one (key frames are 0, 4, 8).
TEST_F(WebcamTest, PlaysExactlyTheFramesOfEachRangeAndReportsItsEndOnce) {
    open_clips(false);
    const std::vector<std::pair<int, int>> ranges = {{0, 2}, {5, 7}, {3, 4}, {9, 9}};
    for (const auto& [first, last] : ranges) {
        SCOPED_TRACE(testing::Message() << first << ".." << last);
        shown_.clear();
        ends_ = 0;
        webcam_->play(first, last);
        EXPECT_TRUE(video_window_->isVisible());
        EXPECT_TRUE(webcam_->is_playing_clip());
        ASSERT_TRUE(wait_for_end());
        EXPECT_EQ(shown_, frames(first, last));
        EXPECT_FALSE(video_window_->isVisible());
        EXPECT_FALSE(webcam_->is_playing_clip());
    }
    QTest::qWait(300);
    EXPECT_EQ(ends_, 1);
}

TEST_F(WebcamTest, AnInterruptedRangeReportsNothing) {
    open_clips();
    webcam_->play(0, 9);
    ASSERT_TRUE(wait_for_frames(1));
    shown_.clear();
    webcam_->play(6, 7);
    ASSERT_TRUE(wait_for_end());
    EXPECT_EQ(shown_, frames(6, 7));

    // A burst of plays: only the last one shows anything or reports.
    shown_.clear();
    ends_ = 0;
    for (int first = 0; first < 5; ++first) {
        webcam_->play(first, 9);
    }
    webcam_->play(8, 8);
    ASSERT_TRUE(wait_for_end());
    QTest::qWait(300);
    EXPECT_EQ(ends_, 1);
    EXPECT_EQ(shown_, frames(8, 8));
}

TEST_F(WebcamTest, StopHidesTheVideoAndReportsNothing) {
    open_clips();
    webcam_->play(0, 9);
    ASSERT_TRUE(wait_for_frames(1));
    webcam_->stop();
    EXPECT_FALSE(video_window_->isVisible());
    EXPECT_FALSE(webcam_->is_playing_clip());
    EXPECT_FALSE(device_->is_playing());
    const size_t shown_at_stop = shown_.size();
    QTest::qWait(500);
    EXPECT_EQ(ends_, 0);
    EXPECT_EQ(shown_.size(), shown_at_stop);
}

// The end of a range that cannot play arrives through the event loop, never inside play, and
// says that nothing played; a range that runs past the end after some frames has played.
TEST_F(WebcamTest, ARangePastTheEndReportsItsEndQueued) {
    open_clips();
    webcam_->play(20, 25);
    EXPECT_EQ(ends_, 0);
    ASSERT_TRUE(wait_for_end());
    EXPECT_EQ(failures_, 1);
    EXPECT_TRUE(shown_.empty());
    EXPECT_FALSE(video_window_->isVisible());

    webcam_->play(8, 12);
    EXPECT_EQ(ends_, 1);
    ASSERT_TRUE(wait_for_end(2));
    EXPECT_EQ(failures_, 1);
    EXPECT_EQ(shown_, frames(8, 9));
}

TEST_F(WebcamTest, AClipOnAVideoThatFailedToOpenEndsAtOnce) {
    const std::string sound = path("sound.wav");
    ASSERT_TRUE(make_sound_file(sound));
    for (const std::string& file : {sound, path("missing.avi")}) {
        webcam_->open(file);
        ASSERT_TRUE(webcam_->failed());
        ends_ = failures_ = 0;
        webcam_->play(0, 3);
        EXPECT_EQ(ends_, 0);
        ASSERT_TRUE(wait_for_end());
        EXPECT_EQ(failures_, ends_);
        EXPECT_TRUE(shown_.empty());
    }
}

TEST_F(WebcamTest, OpeningAgainClosesTheFirstVideo) {
    open_clips();
    const std::string other = path("other.avi");
    ASSERT_TRUE(make_test_video(other, 3, 25, 12));
    webcam_->play(0, 9);
    ASSERT_TRUE(wait_for_frames(1));
    webcam_->open(other);
    ASSERT_FALSE(webcam_->failed());
    EXPECT_FALSE(video_window_->isVisible());
    EXPECT_FALSE(webcam_->is_playing_clip());
    EXPECT_EQ(device_->frame_count(), 3);

    // The new file's frame 1 wears colour 13; the frame check in the fixture expects 1, so
    // read the colours here.
    shown_.clear();
    QObject::disconnect(device_, &CHESS_GUI_VIDEO_DEVICE::frame_shown, nullptr, nullptr);
    std::vector<int> colours;
    QObject::connect(device_, &CHESS_GUI_VIDEO_DEVICE::frame_shown, [&] {
        colours.push_back(
            test_video_colour_index(video_window_->grab().toImage().pixelColor(80, 60)));
    });
    webcam_->play(1, 2);
    ASSERT_TRUE(wait_for_end());
    EXPECT_EQ(ends_, 1);
    EXPECT_EQ(colours, (std::vector<int>{13, 14}));

    webcam_->close();
    EXPECT_FALSE(device_->is_open());
    webcam_->play(0, 1);
    ASSERT_TRUE(wait_for_end(2));
}

// Whatever happens to the video, the control shows its background picture and its caption.
TEST_F(WebcamTest, DrawsTheBackgroundAndTheCaption) {
    webcam_->open(path("missing.avi"));
    ASSERT_TRUE(webcam_->failed());
    EXPECT_EQ(webcam_->size(), QSize(176, 145));
    const QImage background(QStringLiteral(":/185.png"));
    ASSERT_EQ(background.size(), QSize(176, 145));
    const QImage with_caption = webcam_->grab().toImage();
    webcam_->set_caption(QString());
    const QImage without_caption = webcam_->grab().toImage();

    EXPECT_EQ(with_caption.pixel(88, 76), background.pixel(88, 76));
    EXPECT_EQ(without_caption.pixel(30, 8), background.pixel(30, 8));
    int caption_pixels = 0;
    for (int y = 0; y < with_caption.height(); ++y) {
        for (int x = 0; x < with_caption.width(); ++x) {
            if (with_caption.pixel(x, y) != without_caption.pixel(x, y)) {
                EXPECT_LT(y, 16) << "caption drawn outside its strip at " << x << "," << y;
                ++caption_pixels;
            }
        }
    }
    EXPECT_GT(caption_pixels, 20);
    EXPECT_FALSE(video_window_->isVisible());
}

long resident_kib() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Every play seeks, decodes, converts and hands a picture over, and every open builds a demuxer,
// a decoder and a worker; none of that may stay behind.
// The sanitizer build checks for leaks at exit; its allocator keeps freed memory on purpose, so
// the resident size is only compared in other builds.
TEST_F(WebcamTest, MemoryStaysFlatOverAThousandPlaysAndFiftyOpens) {
    open_clips();
    // The fixture's read-back of every picture is checked elsewhere; here it would only cost time.
    QObject::disconnect(device_, &CHESS_GUI_VIDEO_DEVICE::frame_shown, nullptr, nullptr);
    QSignalSpy frame_spy(device_, &CHESS_GUI_VIDEO_DEVICE::frame_shown);
    auto play_each_until_its_first_frame = [&](int count) {
        for (int i = 0; i < count; ++i) {
            webcam_->play(i % ten_frames, ten_frames - 1);
            ASSERT_TRUE(frame_spy.wait(2000)) << "play " << i;
        }
    };
    play_each_until_its_first_frame(100);
    const long warm = resident_kib();
    play_each_until_its_first_frame(850);
    for (int i = 0; i < 50; ++i) {
        open_clips();
        play_each_until_its_first_frame(1);
    }
    const long grown = resident_kib() - warm;
    webcam_->stop();
    EXPECT_EQ(ends_, 0);
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(grown, 8 * 1024) << "kiB";
#else
    (void)grown;
#endif
}

} // namespace
