// Reads the moves aloud through the platform's speech engine, for a player who looks away from
// the screen. It exists only where a speech engine does: without one, available() is false and
// everything else does nothing. The engine starts only when speaking is switched on, and a
// failing engine (no sound device, say) falls silent instead of failing the game.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTextToSpeech>

class CHESS_GUI_SPEAKER : public QObject {
    Q_OBJECT

  public:
    explicit CHESS_GUI_SPEAKER(QObject* parent);

    // Whether this computer has a speech engine at all.
    bool available() const { return available_; }
    bool is_on() const { return on_; }
    // Switching off stops what is being said and forgets what waits.
    void set_on(bool on);
    // Says text after what is being said now; nothing while off or unavailable.
    void say(const QString& text);

  private:
    void start_engine();
    void on_state_changed(QTextToSpeech::State state);
    void say_next();

    bool available_;
    bool on_ = false;
    QTextToSpeech* engine_ = nullptr;
    QStringList waiting_;
};
