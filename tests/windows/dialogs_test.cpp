// The dialogs, answered through the modal seam by working their real widgets.
#include "engine/new_game_skill_level.h"
#include "engine/new_game_strength.h"
#include "windows/chess_file_dialog.h"
#include "windows/chess_gui_dialog_units.h"
#include "windows/chess_gui_modal.h"
#include "windows/chess_load_dialog.h"
#include "windows/chess_save_dialog.h"
#include "windows/debug_dialog.h"
#include "windows/new_game_dialog.h"
#include "windows/nickname_dialog.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCompleter>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class DIALOG : public testing::Test {
  protected:
    void TearDown() override { CHESS_GUI_MODAL::set_handler({}); }

    template <typename DIALOG_CLASS>
    static void answer(std::function<void(DIALOG_CLASS&)> handler) {
        CHESS_GUI_MODAL::set_handler([handler](QDialog& dialog) {
            auto* typed = dynamic_cast<DIALOG_CLASS*>(&dialog);
            ASSERT_NE(typed, nullptr);
            handler(*typed);
        });
    }
};

TEST(NicknameClean, KeepsLettersDigitsAndUnderscoreUpToEight) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"bob", "bob"},        {"   ", "player"},      {"!?.,", "player"},
        {"", "player"},        {"a b-c", "abc"},       {"abcdefghijkl", "abcdefgh"},
        {"x_1 y_2", "x_1y_2"}, {"J\xc3\xb6rg", "Jrg"}, {"<x|RESIGN_GAME>", "xRESIGN_"},
    };
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(NICKNAME_DIALOG::clean(input), expected) << input;
    }
}

TEST_F(DIALOG, NicknameDoneAnswersTheCleanedTextCancelTheOldOne) {
    NICKNAME_DIALOG dialog(nullptr);
    answer<NICKNAME_DIALOG>([](NICKNAME_DIALOG& d) {
        EXPECT_EQ(d.nickname_edit->text(), QStringLiteral("player"));
        EXPECT_EQ(d.nickname_edit->selectedText(), QStringLiteral("player"));
        d.nickname_edit->clear();
        QTest::keyClicks(d.nickname_edit, QStringLiteral("Mr. Anderson"));
        QTest::mouseClick(d.done_button, Qt::LeftButton);
    });
    EXPECT_EQ(dialog.ask("player"), "MrAnders");

    answer<NICKNAME_DIALOG>([](NICKNAME_DIALOG& d) {
        QTest::keyClicks(d.nickname_edit, QStringLiteral("zzz"));
        QTest::keyClick(d.nickname_edit, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.ask("neo"), "neo");
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Change Nickname"));
}

struct LEVEL_TEXTS {
    int level;
    const char* title;
    const char* depth;
    const char* time;
    const char* qsearch;
};

TEST_F(DIALOG, NewGameShowsEachLevelsTexts) {
    const std::vector<LEVEL_TEXTS> cases = {
        {1, "newbie", "Search Depth: 2-ply", "Search Time: N/A", "Quiescent Search: OFF"},
        {3, "script kiddie", "Search Depth: 2-ply", "Search Time: N/A", "Quiescent Search: ON"},
        {5, "spammer", "Search Depth: Variable ply", "Search Time: 4 seconds",
         "Quiescent Search: ON"},
        {20, "genius", "Search Depth: Variable ply", "Search Time: 120 seconds",
         "Quiescent Search: ON"},
    };
    NEW_GAME_DIALOG dialog(nullptr);
    for (const LEVEL_TEXTS& expected : cases) {
        answer<NEW_GAME_DIALOG>([&expected](NEW_GAME_DIALOG& d) {
            d.skill_slider->setValue(expected.level);
            EXPECT_EQ(d.level_txt->text(), QStringLiteral("Level: %1").arg(expected.level));
            EXPECT_EQ(d.difficulty_txt->text(), QString::fromLatin1(expected.title));
            EXPECT_EQ(d.ply_txt->text(), QString::fromLatin1(expected.depth));
            EXPECT_EQ(d.search_time_txt->text(), QString::fromLatin1(expected.time));
            EXPECT_EQ(d.qsearch_txt->text(), QString::fromLatin1(expected.qsearch));
            EXPECT_FALSE(d.level_picture->pixmap().isNull());
            QTest::mouseClick(d.ok_button, Qt::LeftButton);
        });
        const auto options = dialog.ask(CHESS_GAME_OPTIONS());
        ASSERT_TRUE(options.has_value());
        EXPECT_EQ(NEW_GAME_SKILL_LEVEL::level_for(*options), expected.level);
    }
}

TEST_F(DIALOG, NewGameOpensAtTheOptionsLevelWithPlaceholdersReplaced) {
    NEW_GAME_DIALOG dialog(nullptr);
    answer<NEW_GAME_DIALOG>([](NEW_GAME_DIALOG& d) {
        EXPECT_EQ(d.skill_slider->value(), 1);
        EXPECT_EQ(d.level_txt->text(), QStringLiteral("Level: 1"));
        EXPECT_TRUE(d.white_radio->isChecked());
        QTest::mouseClick(d.cancel_button, Qt::LeftButton);
    });
    EXPECT_FALSE(dialog.ask(CHESS_GAME_OPTIONS()).has_value());

    // Hand-written options match no level: the dialog opens at level 6, OK takes its numbers.
    CHESS_GAME_OPTIONS odd;
    odd.max_ply = 5;
    odd.max_time = 10;
    odd.player_color = 2;
    answer<NEW_GAME_DIALOG>([](NEW_GAME_DIALOG& d) {
        EXPECT_EQ(d.skill_slider->value(), 6);
        EXPECT_EQ(d.level_txt->text(), QStringLiteral("Level: 6"));
        EXPECT_TRUE(d.black_radio->isChecked());
        QTest::keyClick(d.skill_slider, Qt::Key_Right); // one level up by keyboard
        EXPECT_EQ(d.level_txt->text(), QStringLiteral("Level: 7"));
        QTest::mouseClick(d.white_radio, Qt::LeftButton);
        d.ok_button->click();
    });
    const auto chosen = dialog.ask(odd);
    ASSERT_TRUE(chosen.has_value());
    const NEW_GAME_SKILL_LEVEL& seven = NEW_GAME_SKILL_LEVEL::level(7);
    EXPECT_EQ(chosen->max_ply, seven.ply);
    EXPECT_EQ(chosen->max_time, seven.search_time);
    EXPECT_EQ(chosen->qsearch, seven.want_qsearch);
    EXPECT_EQ(chosen->player_color, 1);
}

// Every level shows its measured strength, the going-easy one at levels 1-4 once the box is
// ticked; the strength sits inside the frame and the check box below the designed controls,
// which stay where they were designed.
TEST_F(DIALOG, NewGameShowsEachLevelsStrength) {
    NEW_GAME_DIALOG dialog(nullptr);
    answer<NEW_GAME_DIALOG>([](NEW_GAME_DIALOG& d) {
        EXPECT_EQ(d.ok_button->geometry(), CHESS_GUI_DIALOG_UNITS::rect(95, 149, 40, 14));
        EXPECT_EQ(d.cancel_button->geometry(), CHESS_GUI_DIALOG_UNITS::rect(148, 149, 40, 14));
        const QRect frame = d.findChild<QGroupBox*>()->geometry();
        EXPECT_TRUE(frame.contains(d.strength_txt->geometry()));
        for (const QWidget* other :
             {static_cast<QWidget*>(d.qsearch_txt), static_cast<QWidget*>(d.level_picture)}) {
            EXPECT_FALSE(d.strength_txt->geometry().intersects(other->geometry()));
        }
        EXPECT_GE(d.go_easy_check->geometry().top(), d.ok_button->geometry().bottom());
        EXPECT_TRUE(d.rect().contains(d.go_easy_check->geometry()));

        for (const bool easy : {false, true}) {
            if (d.go_easy_check->isChecked() != easy) {
                QTest::mouseClick(d.go_easy_check, Qt::LeftButton, {},
                                  QPoint(4, d.go_easy_check->height() / 2));
            }
            ASSERT_EQ(d.go_easy_check->isChecked(), easy);
            for (int32_t n = 1; n <= NEW_GAME_SKILL_LEVEL::level_count; ++n) {
                d.skill_slider->setValue(n);
                const auto row =
                    NEW_GAME_STRENGTH::estimate(n, easy && n <= NEW_GAME_SKILL_LEVEL::easy_levels);
                ASSERT_TRUE(row.has_value()) << "level " << n;
                EXPECT_EQ(d.strength_txt->text().toStdString(), "Strength: " + row->about_text())
                    << "level " << n << (easy ? " going easy" : "");
            }
        }
        // Ticking the box shows the change at once.
        d.skill_slider->setValue(1);
        d.go_easy_check->click();
        EXPECT_EQ(d.strength_txt->text().toStdString(),
                  "Strength: " + NEW_GAME_STRENGTH::estimate(1, false)->about_text());
        QTest::mouseClick(d.cancel_button, Qt::LeftButton);
    });
    EXPECT_FALSE(dialog.ask(CHESS_GAME_OPTIONS()).has_value());
}

QStringList items(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->item(i)->text();
    }
    return texts;
}

TEST_F(DIALOG, DebugEventsKeepTheUsersOrderAndAreRememberedOnlyOnOk) {
    DEBUG_DIALOG dialog(nullptr, {"pmove", "Hint", "about", "vmove"});
    const auto pick = [](DEBUG_DIALOG& d, const char* name) {
        d.all_lst->setCurrentItem(
            d.all_lst->findItems(QString::fromLatin1(name), Qt::MatchExactly)[0]);
        QTest::mouseClick(d.add_but, Qt::LeftButton);
    };
    answer<DEBUG_DIALOG>([&pick](DEBUG_DIALOG& d) {
        EXPECT_EQ(items(d.all_lst), (QStringList{"about", "Hint", "pmove", "vmove"}));
        EXPECT_EQ(d.queue_lst->count(), 0);
        QTest::mouseClick(d.add_but, Qt::LeftButton); // nothing chosen: nothing added
        EXPECT_EQ(d.queue_lst->count(), 0);
        pick(d, "vmove");
        pick(d, "about");
        pick(d, "vmove");
        EXPECT_EQ(items(d.queue_lst), (QStringList{"vmove", "about", "vmove"}));
        EXPECT_EQ(d.queue_lst->currentRow(), 2);
        QTest::mouseClick(d.up_but, Qt::LeftButton);
        QTest::mouseClick(d.up_but, Qt::LeftButton);
        QTest::mouseClick(d.up_but, Qt::LeftButton); // already first
        EXPECT_EQ(d.queue_lst->currentRow(), 0);
        d.queue_lst->setCurrentRow(2);
        QTest::mouseClick(d.remove_but, Qt::LeftButton); // the last line: the new last is chosen
        EXPECT_EQ(items(d.queue_lst), (QStringList{"vmove", "vmove"}));
        EXPECT_EQ(d.queue_lst->currentRow(), 1);
        d.queue_lst->setCurrentRow(0);
        QTest::mouseClick(d.down_but, Qt::LeftButton);
        EXPECT_EQ(d.queue_lst->currentRow(), 1);
        pick(d, "Hint");
        QTest::mouseClick(d.ok_but, Qt::LeftButton);
    });
    const auto chosen = dialog.ask();
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, (std::vector<std::string>{"vmove", "vmove", "Hint"}));

    answer<DEBUG_DIALOG>([](DEBUG_DIALOG& d) {
        EXPECT_EQ(items(d.queue_lst), (QStringList{"vmove", "vmove", "Hint"}));
        d.queue_lst->clear();
        QTest::mouseClick(d.cancel_but, Qt::LeftButton);
    });
    EXPECT_FALSE(dialog.ask().has_value());

    answer<DEBUG_DIALOG>([](DEBUG_DIALOG& d) {
        EXPECT_EQ(d.queue_lst->count(), 3) << "cancel forgets nothing";
        while (d.queue_lst->count() > 0) {
            d.queue_lst->setCurrentRow(0);
            QTest::mouseClick(d.remove_but, Qt::LeftButton);
        }
        EXPECT_EQ(d.queue_lst->currentRow(), -1);
        QTest::mouseClick(d.ok_but, Qt::LeftButton);
    });
    const auto emptied = dialog.ask();
    ASSERT_TRUE(emptied.has_value());
    EXPECT_TRUE(emptied->empty());
}

TEST_F(DIALOG, FileDialogsProposeTheNameAndAnswerThePath) {
    CHESS_SAVE_DIALOG save(nullptr);
    CHESS_LOAD_DIALOG load(nullptr);
    EXPECT_EQ(save.windowTitle(), QStringLiteral("Save Chess Game"));
    EXPECT_EQ(load.windowTitle(), QStringLiteral("Load Chess Game"));
    EXPECT_EQ(save.nameFilters(), (QStringList{"Chess Game (*.txt)", "All files (*.*)"}));
    EXPECT_EQ(save.defaultSuffix(), QStringLiteral("txt"));
    EXPECT_EQ(load.defaultSuffix(), QStringLiteral("txt"));

    const QString folder = QString::fromStdString(testing::TempDir());
    answer<QFileDialog>([&folder](QFileDialog& d) {
        d.selectFile(QDir(folder).filePath(QStringLiteral("mygame")));
        static_cast<QDialog&>(d).accept();
    });
    const auto saved = save.ask("");
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(QString::fromStdString(*saved), QDir(folder).filePath(QStringLiteral("mygame.txt")));

    answer<QFileDialog>([](QFileDialog& d) { d.reject(); });
    EXPECT_FALSE(load.ask(*saved).has_value());
}

QLineEdit* name_field(QFileDialog& dialog) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

QString canonical(const QString& folder) {
    return QDir(folder).canonicalPath();
}

// A folder of game files for the file dialogs, and a working directory elsewhere.
class FILE_DIALOG : public DIALOG {
  protected:
    void SetUp() override {
        ASSERT_TRUE(games.isValid() && elsewhere.isValid());
        for (const char* name : {"own.txt", "other.txt", "alpha_game.txt"}) {
            QFile file(games.filePath(QLatin1String(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(name);
        }
        previous = QDir::currentPath();
        QDir::setCurrent(elsewhere.path());
    }
    void TearDown() override {
        QDir::setCurrent(previous);
        DIALOG::TearDown();
    }

    QTemporaryDir games;
    QTemporaryDir elsewhere;
    QString previous;
};

// A game with a file opens in its folder with its name; a game without one opens in the
// documents folder with an empty name, never in the working directory and never with the name
// typed the last time (a load that failed leaves the game's file unchanged, so the file that
// failed is not proposed again).
TEST_F(FILE_DIALOG, OpensInTheGamesFolderOrTheDocuments) {
    CHESS_LOAD_DIALOG load(nullptr);
    const std::string own = games.filePath(QStringLiteral("own.txt")).toStdString();
    answer<QFileDialog>([this](QFileDialog& d) {
        EXPECT_EQ(canonical(d.directory().path()), canonical(games.path()));
        EXPECT_EQ(name_field(d)->text(), QStringLiteral("own.txt"));
        d.reject();
    });
    EXPECT_FALSE(load.ask(own).has_value());

    for (int run = 0; run < 2; ++run) {
        answer<QFileDialog>([this](QFileDialog& d) {
            EXPECT_EQ(canonical(d.directory().path()),
                      canonical(CHESS_FILE_DIALOG::documents_folder()));
            EXPECT_NE(canonical(d.directory().path()), canonical(elsewhere.path()));
            EXPECT_EQ(name_field(d)->text(), QString());
            QTest::keyClicks(name_field(d), QStringLiteral("broken.txt"));
            static_cast<QDialog&>(d).accept();
        });
        const auto chosen = load.ask("");
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(QFileInfo(QString::fromStdString(*chosen)).fileName(),
                  QStringLiteral("broken.txt"));
    }
}

// Saving over another file asks first (No keeps the dialog open, Yes replaces); saving the game
// back to its own file does not ask.
TEST_F(FILE_DIALOG, SaveAsksBeforeReplacingAnyFileButTheGamesOwn) {
    CHESS_SAVE_DIALOG save(nullptr);
    const QString own = games.filePath(QStringLiteral("own.txt"));
    const QString other = games.filePath(QStringLiteral("other.txt"));
    QStringList questions;
    // Answers the dialog's question, if it asks one, with button.
    const auto accept_answering = [&questions](QFileDialog& d, QMessageBox::StandardButton button) {
        QTimer responder;
        responder.setSingleShot(true);
        QObject::connect(&responder, &QTimer::timeout, [&questions, button] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                questions << box->text();
                box->button(button)->click();
            }
        });
        responder.start(0);
        static_cast<QDialog&>(d).accept();
    };
    answer<QFileDialog>([&](QFileDialog& d) {
        d.selectFile(other);
        accept_answering(d, QMessageBox::No);
        EXPECT_TRUE(d.isVisible()) << "No must keep the dialog open";
        d.selectFile(own);
        accept_answering(d, QMessageBox::No);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(save.ask(own.toStdString()), own.toStdString());
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains(QStringLiteral("other.txt"))) << questions[0].toStdString();

    answer<QFileDialog>([&](QFileDialog& d) {
        d.selectFile(other);
        accept_answering(d, QMessageBox::Yes);
    });
    EXPECT_EQ(save.ask(own.toStdString()), other.toStdString());
    EXPECT_EQ(questions.size(), 2);

    // A game without a file has no own file: every existing file is asked about.
    answer<QFileDialog>([&](QFileDialog& d) {
        d.selectFile(own);
        accept_answering(d, QMessageBox::Yes);
    });
    EXPECT_EQ(save.ask(""), own.toStdString());
    EXPECT_EQ(questions.size(), 3);
}

// The name field's completion list, open when the dialog closes, closes with it.
TEST_F(FILE_DIALOG, NoCompletionListStaysAfterTheDialogCloses) {
    CHESS_LOAD_DIALOG load(nullptr);
    QWidget* popup = nullptr;
    answer<QFileDialog>([&popup](QFileDialog& d) {
        QCompleter* completer = name_field(d)->completer();
        ASSERT_NE(completer, nullptr);
        popup = completer->popup();
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        // The list offers only the files the dialog has read, which it does in the background.
        const auto* files = d.findChild<QFileSystemModel*>();
        ASSERT_NE(files, nullptr);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return files->rowCount(files->index(d.directory().path())) == 3; }, 10000));
        name_field(d)->setFocus();
        QTest::keyClicks(name_field(d), QStringLiteral("alp"));
        ASSERT_TRUE(QTest::qWaitFor([popup] { return popup->isVisible(); }, 10000))
            << "the completion list did not open";
        d.reject();
    });
    EXPECT_FALSE(load.ask(games.filePath(QStringLiteral("own.txt")).toStdString()).has_value());
    ASSERT_NE(popup, nullptr);
    EXPECT_FALSE(popup->isVisible());
}

} // namespace
