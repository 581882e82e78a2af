#include "windows/chess_gui_speaker.h"

CHESS_GUI_SPEAKER::CHESS_GUI_SPEAKER(QObject* parent)
    : QObject(parent), available_(!QTextToSpeech::availableEngines().isEmpty()) {}

void CHESS_GUI_SPEAKER::set_on(bool on) {
    on_ = on && available_;
    if (on_) {
        start_engine();
        return;
    }
    waiting_.clear();
    if (engine_) {
        engine_->stop();
    }
}

void CHESS_GUI_SPEAKER::start_engine() {
    if (engine_) {
        return;
    }
    engine_ = new QTextToSpeech(this);
    connect(engine_, &QTextToSpeech::stateChanged, this, &CHESS_GUI_SPEAKER::on_state_changed);
}

// The engine cuts off what it is saying when given something new, so a move played while the
// last one is still being read waits for its turn.
void CHESS_GUI_SPEAKER::say(const QString& text) {
    if (!on_ || text.isEmpty() || engine_->state() == QTextToSpeech::Error) {
        return;
    }
    waiting_.append(text);
    if (engine_->state() == QTextToSpeech::Ready) {
        say_next();
    }
}

void CHESS_GUI_SPEAKER::on_state_changed(QTextToSpeech::State state) {
    if (state == QTextToSpeech::Ready) {
        say_next();
    } else if (state == QTextToSpeech::Error) {
        waiting_.clear();
    }
}

void CHESS_GUI_SPEAKER::say_next() {
    if (!waiting_.isEmpty()) {
        engine_->say(waiting_.takeFirst());
    }
}
