// "New Game": the player picks a colour and one of the twenty skill levels on a slider. The dialog
// shows the level's number, title, search depth, search time, quiescence and picture, and keeps
// them in step with the slider from the moment it opens, with the level's measured strength
// inside the same frame. Below the designed controls a check box chooses whether she goes easy on
// a beginner, which the strength shown follows. OK answers the options of the chosen level and
// colour; Cancel answers nothing and the caller's options stay as they were.
#pragma once

#include "engine/chess_game_options.h"

#include <QDialog>
#include <cstdint>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

class NEW_GAME_DIALOG : public QDialog {
  public:
    // Where the level's picture is drawn, in the dialog's pixels.
    static constexpr int32_t picture_left = 212;
    static constexpr int32_t picture_top = 157;

    explicit NEW_GAME_DIALOG(QWidget* owner);

    std::optional<CHESS_GAME_OPTIONS> ask(const CHESS_GAME_OPTIONS& options);
    // Shows the level at the slider's position.
    void moved();

    QSlider* skill_slider;
    QRadioButton* white_radio;
    QRadioButton* black_radio;
    QLabel* level_txt;
    QLabel* difficulty_txt;
    QLabel* ply_txt;
    QLabel* search_time_txt;
    QLabel* qsearch_txt;
    QLabel* level_picture;
    QLabel* strength_txt;
    QCheckBox* go_easy_check;
    QPushButton* ok_button;
    QPushButton* cancel_button;

  private:
    void show_strength();
    void show_level_picture(int level, int32_t bitmap);

    CHESS_GAME_OPTIONS options_;
};
