// Preloaded into the installed velmora-chess by the end-to-end tests (LD_PRELOAD), this library
// plays like a person: it waits for the window, starts a new game from the command menu, confirms
// the New Game dialog, drags white moves on the board with mouse events, waiting each time for the
// computer's reply, and closes the window. The program itself is not changed in any way.
//
// VELMORA_E2E_PLAN chooses what it does ("e2e driver: ..." lines on stderr tell the test where it
// stands):
//   (unset)  two moves, then close;
//   reply    one move, and once the computer has answered, "ready" and nothing more;
//   search   the strongest level, one move, and while the computer searches, "ready";
//   report   "plies N" for the game the start resumed, then close.
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

struct DRIVER : QObject {
    int step = 0;
    int polls = 0;
    const QByteArray plan = qgetenv("VELMORA_E2E_PLAN");
    std::vector<std::pair<int, int>> moves{{13, 29}, {7, 22}}; // e2-e4, g1-f3
    bool ready = false;

    DRIVER() {
        if (!plan.isEmpty()) {
            moves.resize(1);
        }
    }

    template <typename T>
    static T* find(const char* name) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String(name) && top->isVisible()) {
                return qobject_cast<T*>(top);
            }
            if (T* child = top->findChild<T*>(QLatin1String(name)); child && top->isVisible()) {
                return child;
            }
        }
        return nullptr;
    }

    // The middle of square s with white at the bottom, in the board control.
    static QPoint at(int s) {
        const int file = (s - 1) % 8, rank = (s - 1) / 8;
        return {12 + file * 45 + 22, 12 + (7 - rank) * 45 + 22};
    }

    static int plies(QTreeWidget* history) {
        int count = 0;
        for (int row = 0; row < history->topLevelItemCount(); ++row) {
            count += !history->topLevelItem(row)->text(1).isEmpty();
            count += !history->topLevelItem(row)->text(2).isEmpty();
        }
        return count;
    }

    void poll() {
        ++polls;
        QWidget* window = find<QWidget>("main_window");
        QWidget* board = find<QWidget>("chess_ctrl");
        auto* history = find<QTreeWidget>("hist_list");
        auto* menu = find<QMenu>("chat_menu");
        if (polls > 600 || !window || !board || !history) {
            if (polls > 600 && window) {
                std::fprintf(stderr, "e2e driver: giving up at step %d\n", step);
                window->close();
            }
            return;
        }
        if (plan == "report") {
            report(window, history);
            return;
        }
        if (auto* dialog = find<QDialog>("new_game_dialog"); dialog && dialog->isVisible()) {
            if (plan == "search") {
                dialog->findChild<QSlider*>(QStringLiteral("skill_slider"))->setValue(20);
            }
            dialog->findChild<QPushButton*>(QStringLiteral("ok_button"))->click();
            return;
        }
        if (!plan.isEmpty() && step == int(moves.size()) + 1) {
            announce_ready(board, history);
            return;
        }
        if (step == 0 && menu) {
            for (QAction* action : menu->actions()) {
                if (action->text() == QLatin1String("New game") && action->isEnabled()) {
                    step = 1;
                    QTimer::singleShot(0, action, &QAction::trigger);
                }
            }
            return;
        }
        const int move = step - 1;
        if (move < int(moves.size()) && board->isEnabled() && plies(history) == 2 * move) {
            std::fprintf(stderr, "e2e driver: move %d\n", move + 1);
            // Dragged from its own turn of the loop: the move runs the computer's search, and
            // this poll's timer must keep firing while it does.
            const QPoint from = at(moves[move].first), to = at(moves[move].second);
            QTimer::singleShot(0, board, [board, from, to] {
                QTest::mousePress(board, Qt::LeftButton, {}, from);
                QTest::mouseMove(board, to);
                QTest::mouseRelease(board, Qt::LeftButton, {}, to);
            });
            ++step;
            return;
        }
        if (plan.isEmpty() && move == int(moves.size()) && plies(history) == 2 * move &&
            board->isEnabled()) {
            std::fprintf(stderr, "e2e driver: closing\n");
            ++step;
            window->close();
        }
    }

    // The computer's reply is in and the player may move again, or the computer is searching.
    void announce_ready(QWidget* board, QTreeWidget* history) {
        const bool answered = plies(history) == 2 && board->isEnabled();
        const bool searching = plies(history) == 1 && QApplication::overrideCursor() != nullptr;
        if (!ready && (plan == "reply" ? answered : searching)) {
            ready = true;
            std::fprintf(stderr, "e2e driver: ready\n");
        }
        --polls; // waits to be ended from outside, however long that takes
    }

    // A resumed game is in the history once the start has run; a second later it is reported.
    void report(QWidget* window, QTreeWidget* history) {
        if (polls >= 10 && (plies(history) > 0 || polls >= 50)) {
            std::fprintf(stderr, "e2e driver: plies %d\n", plies(history));
            window->close();
        }
    }
};

void start_driver() {
    auto* driver = new DRIVER;
    driver->setParent(qApp);
    auto* timer = new QTimer(driver);
    QObject::connect(timer, &QTimer::timeout, driver, [driver] { driver->poll(); });
    timer->start(100);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(start_driver)
