#include "main_window_fixture.h"

#include "windows/new_game_dialog.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

void MAIN_WINDOW_TEST::answer_new_game(int level, bool white) {
    answers.push_back([level, white](QDialog& dialog) {
        auto& new_game = dynamic_cast<NEW_GAME_DIALOG&>(dialog);
        new_game.skill_slider->setValue(level);
        (white ? new_game.white_radio : new_game.black_radio)->setChecked(true);
        new_game.ok_button->click();
    });
}
