#include "windows/new_game_dialog.h"

#include "desktop/chess_gui_level_art.h"
#include "desktop/chess_gui_resources.h"
#include "desktop/chess_gui_text.h"
#include "engine/new_game_skill_level.h"
#include "engine/new_game_strength.h"
#include "windows/chess_gui_dialog_units.h"
#include "windows/chess_gui_modal.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

using DU = CHESS_GUI_DIALOG_UNITS;

namespace {
QLabel* make_text(QDialog* dialog, const char* text, const char* name, QRect place) {
    auto* label = new QLabel(QString::fromLatin1(text), dialog);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    return label;
}

QPushButton* make_button(QDialog* dialog, const char* text, const char* name, QRect place) {
    auto* button = new QPushButton(QString::fromLatin1(text), dialog);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    return button;
}
} // namespace

NEW_GAME_DIALOG::NEW_GAME_DIALOG(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("new_game_dialog"));
    setWindowTitle(QStringLiteral("New Game"));
    setFont(DU::font());
    // The designed 195 x 170 and a row below for the check box.
    setFixedSize(DU::size(195, 184));
    // The group box first, so that the controls drawn inside its frame lie above it.
    (new QGroupBox(QStringLiteral("Difficulty"), this))->setGeometry(DU::rect(7, 47, 181, 91));
    make_text(this, "Choose your side to play?", "side_txt", DU::rect(7, 7, 88, 8));
    white_radio = new QRadioButton(QStringLiteral("White Pieces"), this);
    white_radio->setObjectName(QStringLiteral("white_radio"));
    white_radio->setGeometry(DU::rect(97, 7, 90, 10));
    black_radio = new QRadioButton(QStringLiteral("Black Pieces"), this);
    black_radio->setObjectName(QStringLiteral("black_radio"));
    black_radio->setGeometry(DU::rect(97, 18, 90, 10));
    skill_slider = new QSlider(Qt::Horizontal, this);
    skill_slider->setObjectName(QStringLiteral("skill_slider"));
    skill_slider->setGeometry(DU::rect(30, 57, 135, 22));
    skill_slider->setRange(1, NEW_GAME_SKILL_LEVEL::level_count);
    skill_slider->setPageStep(1);
    skill_slider->setSingleStep(1);
    skill_slider->setTickPosition(QSlider::TicksBelow);
    skill_slider->setTickInterval(1);
    make_text(this, "easy", "easy_txt", DU::rect(10, 62, 20, 8));
    make_text(this, "hard", "hard_txt", DU::rect(167, 62, 20, 8));
    // The texts get room beyond their designed widths where the dialog has it, since the
    // dialog font here runs wider than the one the layout was drawn for.
    // Placeholders; moved() replaces them before the dialog first shows.
    level_txt = make_text(this, "Level: 129", "level_txt", DU::rect(17, 86, 34, 8));
    difficulty_txt = make_text(this, "Difficulty: Easy", "difficulty_txt", DU::rect(93, 86, 87, 8));
    difficulty_txt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ply_txt = make_text(this, "Fixed 2-ply search", "ply_txt", DU::rect(17, 98, 120, 8));
    search_time_txt =
        make_text(this, "Search Time: 10 seconds", "search_time_txt", DU::rect(17, 110, 120, 8));
    qsearch_txt =
        make_text(this, "Queiscent search: Enabled", "qsearch_txt", DU::rect(17, 122, 120, 8));
    // The strength sits in the frame's free strip under the quiescence text.
    strength_txt = make_text(this, "", "strength_txt", DU::rect(17, 130, 120, 8));
    level_picture = new QLabel(this);
    level_picture->setObjectName(QStringLiteral("level_picture"));
    level_picture->setGeometry(picture_left, picture_top, 60, 60);
    ok_button = make_button(this, "OK", "ok_button", DU::rect(95, 149, 40, 14));
    ok_button->setDefault(true);
    cancel_button = make_button(this, "Cancel", "cancel_button", DU::rect(148, 149, 40, 14));
    go_easy_check = new QCheckBox(QStringLiteral("Go easy on me (levels 1 to 4)"), this);
    go_easy_check->setObjectName(QStringLiteral("go_easy_check"));
    go_easy_check->setGeometry(DU::rect(7, 168, 181, 10));
    connect(go_easy_check, &QCheckBox::toggled, this, [this] { show_strength(); });
    connect(skill_slider, &QSlider::valueChanged, this, [this] { moved(); });
    connect(ok_button, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_button, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<CHESS_GAME_OPTIONS> NEW_GAME_DIALOG::ask(const CHESS_GAME_OPTIONS& options) {
    options_ = options;
    (options.player_color == 1 ? white_radio : black_radio)->setChecked(true);
    skill_slider->setValue(NEW_GAME_SKILL_LEVEL::level_for(options));
    moved();
    if (CHESS_GUI_MODAL::run(*this) != QDialog::Accepted) {
        return std::nullopt;
    }
    CHESS_GAME_OPTIONS chosen = options_;
    chosen.player_color = white_radio->isChecked() ? 1 : 2;
    return NEW_GAME_SKILL_LEVEL::options_for(skill_slider->value(), chosen);
}

void NEW_GAME_DIALOG::moved() {
    const int32_t n = skill_slider->value();
    const NEW_GAME_SKILL_LEVEL& level = NEW_GAME_SKILL_LEVEL::level(n);
    level_txt->setText(QStringLiteral("Level: %1").arg(n));
    difficulty_txt->setText(CHESS_GUI_TEXT::to_qstring(level.description));
    if (level.ply > 39) {
        ply_txt->setText(QStringLiteral("Search Depth: Variable ply"));
        search_time_txt->setText(QStringLiteral("Search Time: %1 seconds").arg(level.search_time));
    } else {
        ply_txt->setText(QStringLiteral("Search Depth: %1-ply").arg(level.ply));
        search_time_txt->setText(QStringLiteral("Search Time: N/A"));
    }
    qsearch_txt->setText(level.want_qsearch ? QStringLiteral("Quiescent Search: ON")
                                            : QStringLiteral("Quiescent Search: OFF"));
    show_strength();
    show_level_picture(n, level.bitmap);
}

// Going easy changes only the levels that offer it; the others show their own strength.
void NEW_GAME_DIALOG::show_strength() {
    const int32_t n = skill_slider->value();
    const bool easy = go_easy_check->isChecked() && NEW_GAME_SKILL_LEVEL::root_margin(n, true) > 0;
    const std::optional<NEW_GAME_STRENGTH> row = NEW_GAME_STRENGTH::estimate(n, easy);
    strength_txt->setText(row ? CHESS_GUI_TEXT::to_qstring("Strength: " + row->about_text())
                              : QString());
}

// The compiled-in picture at its own size; in a zoomed dialog or on a dense screen the picture
// drawn for the pixels the label covers.
void NEW_GAME_DIALOG::show_level_picture(int level, int32_t bitmap) {
    const QPixmap resource = CHESS_GUI_RESOURCES::pixmap(bitmap);
    const double ratio = devicePixelRatioF();
    const double scale = level_picture->width() * ratio / resource.width();
    if (scale == 1.0) {
        level_picture->setPixmap(resource);
        return;
    }
    QPixmap drawn = QPixmap::fromImage(CHESS_GUI_LEVEL_ART::draw(level, scale));
    drawn.setDevicePixelRatio(ratio);
    level_picture->setPixmap(drawn);
}
