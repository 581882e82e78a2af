// Preloaded into the installed velmora-chess by the end-to-end test (LD_PRELOAD), this library
// plays like a person: it waits for the window, starts a new game from the command menu, confirms
// the New Game dialog, drags two white moves on the board with mouse events, waiting each time for
// the computer's reply, and closes the window. The program itself is not changed in any way.
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
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
    std::vector<std::pair<int, int>> moves{{13, 29}, {7, 22}}; // e2-e4, g1-f3

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
        if (auto* dialog = find<QDialog>("new_game_dialog"); dialog && dialog->isVisible()) {
            dialog->findChild<QPushButton*>(QStringLiteral("ok_button"))->click();
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
            QTest::mousePress(board, Qt::LeftButton, {}, at(moves[move].first));
            QTest::mouseMove(board, at(moves[move].second));
            QTest::mouseRelease(board, Qt::LeftButton, {}, at(moves[move].second));
            ++step;
            return;
        }
        if (move == int(moves.size()) && plies(history) == 2 * move && board->isEnabled()) {
            std::fprintf(stderr, "e2e driver: closing\n");
            ++step;
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
