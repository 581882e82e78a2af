// The real main window with the real application manager, on a temporary installation folder
// holding the test persona (and, when a test asks, a small video). Modal dialogs are answered by
// the test: each queued answer works the next dialog's widgets; an error box is recorded and
// confirmed; anything unexpected is cancelled.
#pragma once

#include "app/chess_application_manager.h"
#include "desktop/chess_gui_text.h"
#include "test_video.h"
#include "windows/chess_gui_modal.h"
#include "windows/chess_main_window.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTest>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>

class TEST_SETTINGS_STORE : public CHESS_SETTINGS_STORE {
  public:
    mutable std::map<std::string, std::string> values;
    std::string user_directory;

    bool has_key() const override { return !values.empty(); }
    void set_value(const std::string& name, const std::string& value) const override {
        values[name] = value;
    }
    std::optional<std::string> value(const std::string& name) const override {
        const auto found = values.find(name);
        return found == values.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    std::string user_data_directory() const override { return user_directory; }
    std::string location() const override { return "velmora-test.conf"; }
};

class MAIN_WINDOW_TEST : public testing::Test {
  protected:
    using S = CHESS_SHORTCUT_CONSTANTS;
    using A = CHESS_APP_STATE_CONSTANTS;

    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        root = std::filesystem::path(testing::TempDir()) /
               (std::string("velmora_window_") + info->test_suite_name() + "_" + info->name() +
                "_" + std::to_string(QCoreApplication::applicationPid()));
        std::filesystem::remove_all(root);
        install = root / "install";
        std::filesystem::create_directories(install);
        std::filesystem::copy_file(std::string(VELMORA_TEST_DATA) + "/app/velmora_chess.dat",
                                   install / "velmora_chess.dat");
        store.values["InstallPath"] = install.string();
        // The opening book off: these tests follow the specified search's replies.
        store.values["VaryOpenings"] = "false";
        store.user_directory = (root / "user").string();
        CHESS_GUI_MODAL::set_handler([this](QDialog& dialog) { answer(dialog); });
    }

    void TearDown() override {
        window.reset();
        CHESS_GUI_MODAL::set_handler({});
        while (QApplication::overrideCursor()) {
            QApplication::restoreOverrideCursor();
        }
        std::error_code error;
        std::filesystem::remove_all(root, error);
    }

    // By default a video long enough for every clip of the test persona.
    void add_video(int frames = 900) {
        ASSERT_TRUE(make_test_video((install / "velmora_chess.avi").string(), frames, 100));
    }

    CHESS_MAIN_WINDOW& start_window() {
        window = std::make_unique<CHESS_MAIN_WINDOW>(store);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->start();
        return *window;
    }

    CHESS_APPLICATION_MANAGER& manager() { return *window->manager(); }

    // The window back in front, as after a closed dialog or the computer's move: the headless
    // platform has no window manager to hand the activation back, and the command keys need it.
    static void activate(QWidget& w) {
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&w] { return QApplication::activeWindow() == &w; }))
            << QApplication::activeWindow();
    }

    CHESS_MAIN_WINDOW& start_active_window() {
        CHESS_MAIN_WINDOW& w = start_window();
        activate(w);
        return w;
    }

    // A key and what it sets off.
    static void press(QWidget* target, Qt::Key key,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(target, key, modifiers);
        QCoreApplication::processEvents();
    }

    void answer(QDialog& dialog) {
        if (auto* box = dynamic_cast<QMessageBox*>(&dialog)) {
            errors.push_back(box->windowTitle().toStdString() + ": " + box->text().toStdString());
            box->button(QMessageBox::Ok)->click();
            return;
        }
        asked.push_back(dialog.objectName().toStdString());
        if (answers.empty()) {
            dialog.reject();
            return;
        }
        const auto next = answers.front();
        answers.pop_front();
        next(dialog);
    }

    // Queues the New Game dialog's answer: level and colour, then OK.
    void answer_new_game(int level, bool white);
    // New game from the menu, answered.
    void new_game(int level = 1, bool white = true) {
        answer_new_game(level, white);
        window->on_menu_command(S::shortcut_new_game);
    }

    bool wait_for_state(int32_t state, int timeout_ms = 10000) {
        return QTest::qWaitFor([&] { return manager().state() == state; }, timeout_ms);
    }

    std::string read_file(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::filesystem::path root;
    std::filesystem::path install;
    TEST_SETTINGS_STORE store;
    std::unique_ptr<CHESS_MAIN_WINDOW> window;
    std::vector<std::string> errors;
    std::vector<std::string> asked;
    std::deque<std::function<void(QDialog&)>> answers;
};
