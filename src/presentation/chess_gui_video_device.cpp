#include "presentation/chess_gui_video_device.h"

#include <QLabel>
#include <QPixmap>
#include <algorithm>

CHESS_GUI_VIDEO_DEVICE::CHESS_GUI_VIDEO_DEVICE(QObject* parent) : QObject(parent) {}

CHESS_GUI_VIDEO_DEVICE::~CHESS_GUI_VIDEO_DEVICE() {
    close();
}

bool CHESS_GUI_VIDEO_DEVICE::open(const std::string& file_name) {
    close();
    const auto result = decoder_.open(file_name);
    if (result == CHESS_GUI_VIDEO_DECODER::open_result::opened) {
        // No worker runs yet, so the last command can be read without the lock; the worker
        // waits for the next one, which may be a play issued before it gets going.
        const uint64_t taken = wanted_.serial;
        worker_ = std::thread([this, taken] { run_worker(taken); });
    }
    return result != CHESS_GUI_VIDEO_DECODER::open_result::unable_to_open;
}

void CHESS_GUI_VIDEO_DEVICE::play(int64_t start, int64_t end) {
    ++serial_;
    range_active_ = true;
    if (worker_.joinable()) {
        command({serial_, start, end, true});
    } else {
        // Nothing to play from: the range fails at once, but only once play has returned.
        post_end(serial_, false);
    }
}

void CHESS_GUI_VIDEO_DEVICE::stop() {
    ++serial_;
    range_active_ = false;
    if (worker_.joinable()) {
        command({serial_, 0, -1, false});
    }
}

void CHESS_GUI_VIDEO_DEVICE::close() {
    stop();
    if (worker_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
        }
        wake_.notify_all();
        worker_.join();
        quit_ = false;
    }
    decoder_.close();
}

void CHESS_GUI_VIDEO_DEVICE::command(const range_command& c) {
    {
        std::lock_guard lock(mutex_);
        wanted_ = c;
    }
    wake_.notify_all();
}

// The worker sleeps until a new command arrives; only the latest command counts, so a burst of
// plays costs one seek.
void CHESS_GUI_VIDEO_DEVICE::run_worker(uint64_t taken) {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return quit_ || wanted_.serial != taken; });
        if (quit_) {
            return;
        }
        const range_command c = wanted_;
        taken = c.serial;
        if (c.play) {
            lock.unlock();
            play_range(c);
            lock.lock();
        }
    }
}

void CHESS_GUI_VIDEO_DEVICE::play_range(const range_command& c) {
    using clock = std::chrono::steady_clock;
    if (c.start < 0 || c.end < c.start || !decoder_.seek(c.start)) {
        post_end(c.serial, false);
        return;
    }
    const auto slot = std::chrono::microseconds(decoder_.frame_duration_us());
    auto deadline = clock::now();
    bool played = false;
    // Frames before the range come from the key frame the seek landed on; they are decoded
    // (later frames depend on them) but neither converted nor shown.
    while (decoder_.next_frame()) {
        if (is_interrupted(c.serial)) {
            return;
        }
        const int64_t frame = decoder_.frame_number();
        if (frame < c.start) {
            continue;
        }
        if (frame > c.end) {
            break;
        }
        QImage image(decoder_.width(), decoder_.height(), QImage::Format_RGB32);
        if (!decoder_.convert_to_rgb32(image.bits(), static_cast<int32_t>(image.bytesPerLine()))) {
            break;
        }
        // A late frame is shown at once and the schedule moves with it, rather than rushing
        // through the frames that follow.
        deadline = std::max(deadline, clock::now());
        if (!wait_until(deadline, c.serial)) {
            return;
        }
        post_frame(c.serial, frame, image);
        played = true;
        deadline += slot;
    }
    // The last frame stays on screen for its whole slot before the range counts as ended.
    if (wait_until(deadline, c.serial)) {
        post_end(c.serial, played);
    }
}

bool CHESS_GUI_VIDEO_DEVICE::is_interrupted(uint64_t serial) {
    std::lock_guard lock(mutex_);
    return quit_ || wanted_.serial != serial;
}

// Sleeps until the deadline; false when a newer command or a close came first.
bool CHESS_GUI_VIDEO_DEVICE::wait_until(std::chrono::steady_clock::time_point deadline,
                                        uint64_t serial) {
    std::unique_lock lock(mutex_);
    return !wake_.wait_until(lock, deadline, [&] { return quit_ || wanted_.serial != serial; });
}

void CHESS_GUI_VIDEO_DEVICE::post_frame(uint64_t serial, int64_t frame, const QImage& image) {
    QMetaObject::invokeMethod(
        this, [this, serial, frame, image] { show_frame(serial, frame, image); },
        Qt::QueuedConnection);
}

void CHESS_GUI_VIDEO_DEVICE::post_end(uint64_t serial, bool played) {
    QMetaObject::invokeMethod(
        this, [this, serial, played] { end_range(serial, played); }, Qt::QueuedConnection);
}

// Frames and ends of abandoned ranges may still be in the queue; their serials tell them apart.
void CHESS_GUI_VIDEO_DEVICE::show_frame(uint64_t serial, int64_t frame, const QImage& image) {
    if (serial != serial_) {
        return;
    }
    if (window_ != nullptr) {
        window_->setPixmap(QPixmap::fromImage(image));
    }
    emit frame_shown(frame);
}

void CHESS_GUI_VIDEO_DEVICE::end_range(uint64_t serial, bool played) {
    if (serial != serial_ || !range_active_) {
        return;
    }
    range_active_ = false;
    emit range_finished(played);
}
