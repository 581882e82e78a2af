// Turns the signals that ask a program to end (SIGTERM from a logout or a shutdown without a
// session manager, SIGINT from a terminal, SIGHUP when the terminal goes away) into a Qt signal
// on the event loop, so the game ends the way closing its window ends it. The signal handler only
// writes one byte into a pipe, the one thing a handler may safely do; a socket notifier reads it
// on the event loop (also inside the search's event pump) and emits end_requested. There is one
// watcher per process; the previous handlers come back when it goes, and a signal the program
// was started to ignore stays ignored. Without POSIX signals the watcher never fires.
#pragma once

#include <QObject>

class QSocketNotifier;

class CHESS_SIGNAL_WATCHER : public QObject {
    Q_OBJECT

  public:
    explicit CHESS_SIGNAL_WATCHER(QObject* parent = nullptr);
    ~CHESS_SIGNAL_WATCHER() override;

  signals:
    void end_requested();

  private:
    void drain();

    QSocketNotifier* notifier_ = nullptr;
};
