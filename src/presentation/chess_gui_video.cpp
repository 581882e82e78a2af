#include "presentation/chess_gui_video.h"

#include "desktop/chess_gui_resource_ids.h"
#include "desktop/chess_gui_resources.h"
#include "desktop/chess_gui_zoom.h"
#include "presentation/chess_gui_video_device.h"

#include <QLabel>
#include <QPainter>
#include <qdrawutil.h>

namespace {
constexpr QPoint video_origin{8, 16};
// The window keeps this size at 100 % whatever the file's size; QLabel scales each frame smoothly
// to the device pixels the window covers, so a larger video shows drawn edges when zoomed.
constexpr QSize video_size{160, 120};
const QRect video_rect{video_origin, video_size};
} // namespace

CHESS_GUI_VIDEO::CHESS_GUI_VIDEO(QWidget* parent)
    : QWidget(parent), device_(new CHESS_GUI_VIDEO_DEVICE(this)), video_window_(new QLabel(this)),
      text_rect_(0, 0, control_width, video_origin.y()) {
    videobg_bitmap_ = CHESS_GUI_RESOURCES::pixmap(CHESS_GUI_RESOURCE_IDS::video_background);
    setFixedSize(control_width, control_height);
    // The caption strip above the video is 16 pixels high; the nickname reads as a name tag.
    QFont caption_font = font();
    caption_font.setPixelSize(11);
    caption_font.setBold(true);
    setFont(caption_font);
    video_window_->setObjectName(QStringLiteral("video_window"));
    video_window_->setGeometry(video_rect);
    video_window_->setScaledContents(true);
    video_window_->hide();
    device_->set_window(video_window_);
    connect(device_, &CHESS_GUI_VIDEO_DEVICE::range_finished, this,
            &CHESS_GUI_VIDEO::clip_finished);
}

CHESS_GUI_VIDEO::~CHESS_GUI_VIDEO() {
    close();
}

void CHESS_GUI_VIDEO::open(const std::string& file_name) {
    failed_ = false;
    error_message_.clear();
    close();
    if (!device_->open(file_name)) {
        error_message_ = file_name + ": unable to open video file";
        failed_ = true;
        return;
    }
    reset_playing_state();
    if (!device_->is_frame_based()) {
        error_message_ = file_name + ": invalid format (should be frames based)";
        failed_ = true;
    }
}

int64_t CHESS_GUI_VIDEO::frame_count() const {
    return device_->frame_count();
}

void CHESS_GUI_VIDEO::set_zoom(int32_t percent) {
    zoom_ = percent;
    setFixedSize(CHESS_GUI_ZOOM::scaled(QSize(control_width, control_height), zoom_));
    text_rect_ = CHESS_GUI_ZOOM::scaled(QRect(0, 0, control_width, video_origin.y()), zoom_);
    QFont caption_font = font();
    caption_font.setPixelSize(CHESS_GUI_ZOOM::scaled(11, zoom_));
    setFont(caption_font);
    video_window_->setGeometry(CHESS_GUI_ZOOM::scaled(video_rect, zoom_));
    update();
}

void CHESS_GUI_VIDEO::play(int32_t start_frame, int32_t end_frame) {
    video_window_->show();
    playing_clip_ = true;
    device_->play(start_frame, end_frame);
}

void CHESS_GUI_VIDEO::stop() {
    reset_playing_state();
}

void CHESS_GUI_VIDEO::close() {
    reset_playing_state();
    device_->close();
}

void CHESS_GUI_VIDEO::set_caption(const QString& caption) {
    caption_ = caption;
    repaint();
}

// The latest clip ended: the main window may now present the next reaction.
void CHESS_GUI_VIDEO::clip_finished(bool played) {
    if (!playing_clip_) {
        return;
    }
    reset_playing_state();
    if (played) {
        emit clip_ended();
    } else {
        emit clip_failed();
    }
}

// The flag is cleared before the device stops, so nothing that stopping sets off can report the
// clip as ended.
void CHESS_GUI_VIDEO::reset_playing_state() {
    playing_clip_ = false;
    video_window_->hide();
    if (device_->is_playing()) {
        device_->stop();
    }
}

void CHESS_GUI_VIDEO::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(QPoint(0, 0), CHESS_GUI_ZOOM::scaled(videobg_bitmap_.size(), zoom_)),
                       videobg_bitmap_);
    qDrawWinPanel(&painter, rect(), palette(), false);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text_rect_, Qt::AlignCenter | Qt::TextSingleLine, caption_);
}
