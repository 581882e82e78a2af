#include "windows/chess_signal_watcher.h"

#include <QSocketNotifier>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> watched_signals = {SIGTERM, SIGINT, SIGHUP};

// The pipe's two ends; the handler sees only these.
int pipe_ends[2] = {-1, -1};
std::array<struct sigaction, watched_signals.size()> previous_actions{};

extern "C" void on_end_signal(int) {
    const int saved_errno = errno;
    const char byte = 1;
    // A full pipe already holds a request; nothing more is needed.
    [[maybe_unused]] const ssize_t ignored = ::write(pipe_ends[1], &byte, 1);
    errno = saved_errno;
}

} // namespace

CHESS_SIGNAL_WATCHER::CHESS_SIGNAL_WATCHER(QObject* parent) : QObject(parent) {
    Q_ASSERT(pipe_ends[0] < 0); // one watcher per process
    if (::pipe2(pipe_ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipe_ends[0] = pipe_ends[1] = -1;
        return;
    }
    notifier_ = new QSocketNotifier(pipe_ends[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CHESS_SIGNAL_WATCHER::drain);
    struct sigaction action {};
    action.sa_handler = on_end_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    // A signal ignored when the program started (nohup, a background job) stays ignored.
    for (size_t i = 0; i < watched_signals.size(); ++i) {
        sigaction(watched_signals[i], &action, &previous_actions[i]);
        if (previous_actions[i].sa_handler == SIG_IGN) {
            sigaction(watched_signals[i], &previous_actions[i], nullptr);
        }
    }
}

CHESS_SIGNAL_WATCHER::~CHESS_SIGNAL_WATCHER() {
    if (pipe_ends[0] < 0) {
        return;
    }
    for (size_t i = 0; i < watched_signals.size(); ++i) {
        sigaction(watched_signals[i], &previous_actions[i], nullptr);
    }
    delete notifier_;
    ::close(pipe_ends[0]);
    ::close(pipe_ends[1]);
    pipe_ends[0] = pipe_ends[1] = -1;
}

// Several signals before the loop comes round are one request.
void CHESS_SIGNAL_WATCHER::drain() {
    char bytes[64];
    while (::read(pipe_ends[0], bytes, sizeof bytes) > 0) {
    }
    emit end_requested();
}

#else

CHESS_SIGNAL_WATCHER::CHESS_SIGNAL_WATCHER(QObject* parent) : QObject(parent) {}

CHESS_SIGNAL_WATCHER::~CHESS_SIGNAL_WATCHER() = default;

void CHESS_SIGNAL_WATCHER::drain() {}

#endif
