// The webcam: a 176 x 145 control beside the chat pane that shows the character's clips. It
// draws its background picture, a raised edge and its caption (the character's nickname); while
// a clip plays, a child video window of 160 x 120 at (8, 16) covers the picture, and
// it is hidden again when the clip ends or is stopped. The end of the latest clip is reported
// once, through clip_ended or, when not one frame of it could be shown, clip_failed; always from
// the event loop and never from inside play. A clip cut short by another play or a stop reports
// nothing. A failed open leaves the background and the
// caption, and failed() with error_message() tell why.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>

class CHESS_GUI_VIDEO_DEVICE;
class QLabel;

class CHESS_GUI_VIDEO : public QWidget {
    Q_OBJECT

  public:
    static constexpr int32_t control_width = 176;
    static constexpr int32_t control_height = 145;

    // The zoom in percent: the control, its video window and caption scale with it; the video's
    // frames are scaled smoothly to the window they fill.
    void set_zoom(int32_t percent);

    explicit CHESS_GUI_VIDEO(QWidget* parent = nullptr);
    ~CHESS_GUI_VIDEO() override;

    // Opens the video file (closing the one before); read failed() and error_message() after.
    void open(const std::string& file_name);
    bool failed() const { return failed_; }
    const std::string& error_message() const { return error_message_; }
    // The number of frames the opened video holds (0 when none is open).
    int64_t frame_count() const;

    // Plays one clip range, frames start..end inclusive.
    void play(int32_t start_frame, int32_t end_frame);
    // Stops the clip and hides the video window; the stopped clip reports nothing.
    void stop();
    void close();
    // A clip was started and its end has not yet been reported.
    bool is_playing_clip() const { return playing_clip_; }

    void set_caption(const QString& caption);
    const QString& caption() const { return caption_; }

  signals:
    void clip_ended();
    // The latest clip could not be played at all (its range lies past the video's end, or its
    // frames do not decode).
    void clip_failed();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void clip_finished(bool played);
    void reset_playing_state();

    // A child object: every webcam has a device of its own, with its own numbering of plays, so
    // nothing of a clip's progress is shared between controls.
    CHESS_GUI_VIDEO_DEVICE* device_;
    QLabel* video_window_;
    QPixmap videobg_bitmap_;
    QRect text_rect_;
    int32_t zoom_ = 100;
    QString caption_;
    std::string error_message_;
    bool failed_ = false;
    bool playing_clip_ = false;
};
