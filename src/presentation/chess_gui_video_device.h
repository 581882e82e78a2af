// The program's video device: plays frame ranges of one video file into a window, the way the
// webcam control needs them. Every play is numbered; a worker thread seeks to the key frame at or
// before the range's first frame, decodes forward and hands each frame of the range to the
// interface thread at the file's frame rate, so decoding never stalls the board, the chat or the
// search's event pump. Exactly one range_finished is queued for the latest range when it ends or
// cannot be played; a range interrupted by another play, a stop or a close reports nothing, and
// nothing is ever reported from inside play. All public calls belong to the interface thread.
#pragma once

#include "presentation/chess_gui_video_decoder.h"

#include <QImage>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

class CHESS_GUI_VIDEO_DEVICE : public QObject {
    Q_OBJECT

  public:
    explicit CHESS_GUI_VIDEO_DEVICE(QObject* parent = nullptr);
    ~CHESS_GUI_VIDEO_DEVICE() override;

    // Closes first; false when the file could not be opened at all.
    bool open(const std::string& file_name);
    bool is_open() const { return decoder_.is_open(); }
    // Whether the opened file's frames can be addressed by number.
    bool is_frame_based() const { return decoder_.is_frame_based(); }
    int64_t frame_count() const { return decoder_.frame_count(); }
    // The window the frames are drawn into.
    void set_window(QLabel* window) { window_ = window; }

    // Plays frames start..end inclusive; a running range is abandoned without a report.
    void play(int64_t start, int64_t end);
    // The mode test: a range was started and has neither ended nor been stopped.
    bool is_playing() const { return range_active_; }
    void stop();
    void close();

  signals:
    // The latest range ended; played is false when not one of its frames could be shown.
    void range_finished(bool played);
    // A frame of the current range has just been drawn into the window.
    void frame_shown(qint64 frame);

  private:
    struct range_command {
        uint64_t serial = 0;
        int64_t start = 0;
        int64_t end = -1;
        bool play = false;
    };

    void command(const range_command& c);
    void run_worker(uint64_t taken);
    void play_range(const range_command& c);
    bool is_interrupted(uint64_t serial);
    bool wait_until(std::chrono::steady_clock::time_point deadline, uint64_t serial);
    void post_frame(uint64_t serial, int64_t frame, const QImage& image);
    void post_end(uint64_t serial, bool played);
    void show_frame(uint64_t serial, int64_t frame, const QImage& image);
    void end_range(uint64_t serial, bool played);

    CHESS_GUI_VIDEO_DECODER decoder_; // the worker's alone while it runs
    QPointer<QLabel> window_;
    uint64_t serial_ = 0; // number of the latest play or stop (interface thread)
    bool range_active_ = false;

    std::thread worker_;
    std::mutex mutex_;
    std::condition_variable wake_;
    range_command wanted_; // guarded by mutex_
    bool quit_ = false;    // guarded by mutex_
};
