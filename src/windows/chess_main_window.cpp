#include "windows/chess_main_window.h"

#include "app/chess_application_manager.h"
#include "app/chess_move_words.h"
#include "board_view/chess_gui_board.h"
#include "board_view/chess_gui_move_box.h"
#include "desktop/chess_gui_button_art.h"
#include "desktop/chess_gui_resource_ids.h"
#include "desktop/chess_gui_resources.h"
#include "desktop/chess_gui_text.h"
#include "desktop/chess_gui_zoom.h"
#include "persona/velmora_debug_events.h"
#include "presentation/chess_gui_chat_menu.h"
#include "presentation/chess_gui_chat_output.h"
#include "presentation/chess_gui_video.h"
#include "windows/chess_export_dialog.h"
#include "windows/chess_gui_announcer.h"
#include "windows/chess_gui_history.h"
#include "windows/chess_gui_history_scroll.h"
#include "windows/chess_gui_image_button.h"
#include "windows/chess_gui_modal.h"
#include "windows/chess_gui_speaker.h"
#include "windows/chess_gui_static.h"
#include "windows/chess_load_dialog.h"
#include "windows/chess_save_dialog.h"
#include "windows/debug_dialog.h"
#include "windows/new_game_dialog.h"
#include "windows/nickname_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QShortcut>
#include <QWindow>

// The window's layout: the edges of the content and of the side panel, and the places derived
// from them.
namespace geometry {
constexpr int left = 14;
constexpr int top = 6;
constexpr int right = 660;
constexpr int bottom = 556;
constexpr int panel_left = 482;
constexpr int history_centre = 198;
constexpr int lower_name_top = 389;
constexpr int board_right = 443;
constexpr int history_height = 244;
constexpr int scroll_height = 15;
constexpr int arrow_left = 460;
constexpr int name_right = 574;
constexpr int text_height = 22;
constexpr int chat_top = bottom - 144;
constexpr int chat_height = bottom - chat_top + 1;
constexpr int history_top = history_centre - history_height / 2 - 10;
} // namespace geometry

using bitmaps = CHESS_GUI_RESOURCE_IDS;

namespace {
constexpr const char* standard_notation_setting = "StandardNotation";
constexpr const char* speak_moves_setting = "SpeakMoves";
// What a status line says to assistive technology while it shows nothing.
constexpr const char* no_status = "Check, mate or resignation, when there is one";
} // namespace

CHESS_MAIN_WINDOW::CHESS_MAIN_WINDOW(const CHESS_SETTINGS_STORE& settings)
    : QWidget(nullptr), settings_(settings) {
    setObjectName(QStringLiteral("main_window"));
    setWindowTitle(QStringLiteral("Velmora Chess"));
    // The icon's own size, and twice that for docks and dense screens.
    QIcon icon(CHESS_GUI_RESOURCES::pixmap(bitmaps::icon));
    icon.addPixmap(QPixmap::fromImage(CHESS_GUI_BUTTON_ART::draw(bitmaps::icon, 2.0)));
    setWindowIcon(icon);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(150, 182, 170));
    setPalette(background);
    setAutoFillBackground(true);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    create_texts();
    create_board_controls();
    create_chat_controls();
    add_tooltips();
    add_command_keys();
    announcer = new CHESS_GUI_ANNOUNCER(this);
    speaker = new CHESS_GUI_SPEAKER(this);
    set_up_speech();
    describe_controls();
    set_tab_order();
    show_standard_notation(settings_.flag(standard_notation_setting, false));
    for (QWidget* control : std::initializer_list<QWidget*>{
             upper_player_txt, lower_player_txt, upper_status_txt, lower_status_txt, chess_ctrl,
             move_box, move_box->reason_label(), hist_scroll, rotate_switch, upper_arrow,
             lower_arrow, chat_output, chat_video, chat_video_switch, chat_icon, review_progress}) {
        layout_.place(control);
    }
    layout_.place(hist_list, false); // it sizes its font to its columns
    nickname_dialog = new NICKNAME_DIALOG(this);
    new_game_dialog = new NEW_GAME_DIALOG(this);
    debug_dialog = new DEBUG_DIALOG(this, VELMORA_DEBUG_EVENTS::labels());
    for (QWidget* dialog :
         std::initializer_list<QWidget*>{nickname_dialog, new_game_dialog, debug_dialog}) {
        dialog_layouts_.emplace_back().place_children(dialog);
    }
    set_zoom(CHESS_GUI_ZOOM::smallest);
    timer_.setInterval(timer_period_ms);
    connect(&timer_, &QTimer::timeout, this, &CHESS_MAIN_WINDOW::tick);
    review_timer_.setInterval(review_period_ms);
    connect(&review_timer_, &QTimer::timeout, this, &CHESS_MAIN_WINDOW::review_tick);
}

CHESS_MAIN_WINDOW::~CHESS_MAIN_WINDOW() {
    timer_.stop();
    review_timer_.stop();
    end_thinking();
}

void CHESS_MAIN_WINDOW::create_texts() {
    using namespace geometry;
    const int name_width = name_right - panel_left + 1;
    const int status_left = name_right + 5;
    upper_player_txt = new CHESS_GUI_STATIC(this, false);
    upper_player_txt->setGeometry(panel_left, top + 12, name_width, text_height);
    lower_player_txt = new CHESS_GUI_STATIC(this, false);
    lower_player_txt->setGeometry(panel_left, lower_name_top - 34, name_width, text_height);
    upper_status_txt = new CHESS_GUI_STATIC(this, true);
    upper_status_txt->setGeometry(status_left, top + 12, right - status_left, text_height);
    lower_status_txt = new CHESS_GUI_STATIC(this, true);
    lower_status_txt->setGeometry(status_left, lower_name_top - 34, right - status_left,
                                  text_height);
    upper_player_txt->setObjectName(QStringLiteral("upper_player_txt"));
    lower_player_txt->setObjectName(QStringLiteral("lower_player_txt"));
    upper_status_txt->setObjectName(QStringLiteral("upper_status_txt"));
    lower_status_txt->setObjectName(QStringLiteral("lower_status_txt"));
}

void CHESS_MAIN_WINDOW::create_board_controls() {
    using namespace geometry;
    chess_ctrl = new CHESS_GUI_BOARD(this, QPoint(left, top));
    connect(chess_ctrl, &CHESS_GUI_BOARD::move_completed, this, &CHESS_MAIN_WINDOW::on_board_move);
    // The move box fills the strip between the board and the chat; its reason stands beside it.
    move_box = new CHESS_GUI_MOVE_BOX(this);
    move_box->setGeometry(left, top + 385, 150, 20);
    move_box->reason_label()->setGeometry(left + 158, top + 385, board_right - left - 158, 20);
    connect(move_box, &CHESS_GUI_MOVE_BOX::move_entered, this, &CHESS_MAIN_WINDOW::on_board_move);
    connect(chess_ctrl, &CHESS_GUI_BOARD::typing_started, move_box, &CHESS_GUI_MOVE_BOX::open_with);
    connect(move_box, &CHESS_GUI_MOVE_BOX::left, chess_ctrl,
            [this] { chess_ctrl->setFocus(Qt::OtherFocusReason); });
    hist_list = new CHESS_GUI_HISTORY(this);
    hist_list->setObjectName(QStringLiteral("hist_list"));
    hist_list->setGeometry(panel_left, history_top, 182, history_height);
    hist_scroll = new CHESS_GUI_HISTORY_SCROLL(this);
    hist_scroll->setObjectName(QStringLiteral("hist_scroll"));
    hist_scroll->setGeometry(panel_left, history_top + history_height + 4, right - panel_left + 1,
                             scroll_height);
    connect(hist_scroll, &CHESS_GUI_HISTORY_SCROLL::history_selected, this,
            &CHESS_MAIN_WINDOW::on_history_select);
    connect(hist_list, &CHESS_GUI_HISTORY::position_requested, this,
            &CHESS_MAIN_WINDOW::on_history_position);
    rotate_switch = new CHESS_GUI_IMAGE_BUTTON(this, QPoint(board_right + 8, history_centre - 21),
                                               bitmaps::rotate_on, bitmaps::rotate_off);
    rotate_switch->setObjectName(QStringLiteral("rotate_switch"));
    connect(rotate_switch, &CHESS_GUI_IMAGE_BUTTON::switched, this,
            &CHESS_MAIN_WINDOW::on_button_switch);
    upper_arrow = new CHESS_GUI_IMAGE_BUTTON(this, QPoint(arrow_left, top + 12), bitmaps::arrow_on,
                                             bitmaps::arrow_off);
    upper_arrow->setObjectName(QStringLiteral("upper_arrow"));
    lower_arrow = new CHESS_GUI_IMAGE_BUTTON(this, QPoint(arrow_left, lower_name_top - 35),
                                             bitmaps::arrow_on, bitmaps::arrow_off);
    lower_arrow->setObjectName(QStringLiteral("lower_arrow"));
    for (CHESS_GUI_IMAGE_BUTTON* arrow : {upper_arrow, lower_arrow}) {
        arrow->setEnabled(false);
        arrow->unsetCursor();
    }
}

void CHESS_MAIN_WINDOW::create_chat_controls() {
    using namespace geometry;
    chat_output = new CHESS_GUI_CHAT_OUTPUT(this);
    chat_output->setObjectName(QStringLiteral("chat_output"));
    chat_output->setGeometry(left, chat_top, board_right - left + 1, chat_height);
    connect(chat_output, &CHESS_GUI_CHAT_OUTPUT::link_clicked, this,
            &CHESS_MAIN_WINDOW::on_link_click);
    chat_video = new CHESS_GUI_VIDEO(this);
    chat_video->setObjectName(QStringLiteral("chat_video"));
    chat_video->move(right - 176, chat_top);
    chat_video->set_caption(QString());
    connect(chat_video, &CHESS_GUI_VIDEO::clip_ended, this, &CHESS_MAIN_WINDOW::on_clip_end);
    connect(chat_video, &CHESS_GUI_VIDEO::clip_failed, this, &CHESS_MAIN_WINDOW::on_clip_failed);
    chat_video_switch = new CHESS_GUI_IMAGE_BUTTON(this, QPoint(right - 29, chat_top - 24),
                                                   bitmaps::webcam_on, bitmaps::webcam_off);
    chat_video_switch->setObjectName(QStringLiteral("chat_video_switch"));
    connect(chat_video_switch, &CHESS_GUI_IMAGE_BUTTON::switched, this,
            &CHESS_MAIN_WINDOW::on_button_switch);
    chat_icon = new CHESS_GUI_IMAGE_BUTTON(this, QPoint(board_right + 9, chat_top + 145 / 2 - 51),
                                           bitmaps::menu_icon, bitmaps::menu_icon);
    chat_icon->setObjectName(QStringLiteral("chat_icon"));
    connect(chat_icon, &CHESS_GUI_IMAGE_BUTTON::switched, this,
            &CHESS_MAIN_WINDOW::on_button_switch);
    review_progress = new QProgressBar(this);
    review_progress->setObjectName(QStringLiteral("review_progress"));
    review_progress->setGeometry(left + 2, bottom - 14, board_right - left - 3, 12);
    review_progress->setTextVisible(false);
    review_progress->setAccessibleName(QStringLiteral("Review progress"));
    review_progress->setAccessibleDescription(
        QStringLiteral("How far Velmora has come in looking through the game"));
    review_progress->hide();
    chat_menu = new CHESS_GUI_CHAT_MENU(this);
    connect(chat_menu, &CHESS_GUI_CHAT_MENU::command_chosen, this,
            &CHESS_MAIN_WINDOW::on_menu_command);
}

void CHESS_MAIN_WINDOW::add_tooltips() {
    rotate_switch->setToolTip(QStringLiteral("Flip chess board"));
    chat_video_switch->setToolTip(QStringLiteral("Webcam on/off"));
    chat_icon->setToolTip(QStringLiteral("Chess command menu"));
}

// The menu's items carry their own keys; the menu itself opens with the menu key and F10.
void CHESS_MAIN_WINDOW::add_command_keys() {
    chat_menu->add_shortcuts_to(this);
    auto* open_menu = new QAction(QStringLiteral("Chess command menu"), this);
    open_menu->setObjectName(QStringLiteral("open_menu_action"));
    open_menu->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::Key_F10)});
    open_menu->setShortcutContext(Qt::WindowShortcut);
    connect(open_menu, &QAction::triggered, this, &CHESS_MAIN_WINDOW::pop_up_chat_menu);
    addAction(open_menu);
}

void CHESS_MAIN_WINDOW::describe_controls() {
    const auto describe = [](QWidget* control, const char* name, const char* description) {
        control->setAccessibleName(QString::fromUtf8(name));
        control->setAccessibleDescription(QString::fromUtf8(description));
    };
    describe(this, "Velmora Chess", "A game of chess against Velmora");
    describe(upper_player_txt, "Upper player", "The player at the top of the board");
    describe(lower_player_txt, "Lower player", "The player at the bottom of the board");
    describe(upper_status_txt, "Upper player's status", no_status);
    describe(lower_status_txt, "Lower player's status", no_status);
    describe(chess_ctrl, "Chess board",
             "Drag a piece to its square, or type a move while the board has the focus");
    describe(hist_list, "Move history",
             "Click a move, or press Left, Right, Home or End, to see the position after it");
    describe(hist_scroll, "History position", "The number of moves played to the position shown");
    describe(rotate_switch, "Flip chess board", "Turns the board around (F)");
    describe(upper_arrow, "Upper turn arrow", "Lit while the player at the top is to move");
    describe(lower_arrow, "Lower turn arrow", "Lit while the player at the bottom is to move");
    describe(chat_output, "Chat", "What Velmora says and the game's notices");
    describe(chat_video, "Webcam", "Velmora's webcam");
    describe(chat_video_switch, "Webcam on/off", "Switches the webcam on or off (W)");
    describe(chat_icon, "Chess command menu", "Opens the command menu (F10 or the menu key)");
}

// Board, move box, history, chat, then the buttons.
void CHESS_MAIN_WINDOW::set_tab_order() {
    chess_ctrl->setFocusPolicy(Qt::StrongFocus);
    chat_output->setFocusPolicy(Qt::StrongFocus);
    const std::vector<QWidget*> order{chess_ctrl,    move_box,          hist_list, chat_output,
                                      rotate_switch, chat_video_switch, chat_icon};
    for (size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void CHESS_MAIN_WINDOW::set_zoom(int32_t percent) {
    zoom_ = CHESS_GUI_ZOOM::valid(percent);
    const QSize content = CHESS_GUI_ZOOM::scaled(QSize(client_width, client_height), zoom_);
    setMinimumSize(content);
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        resize(content);
    }
    show_zoom();
}

void CHESS_MAIN_WINDOW::fit_zoom(int32_t percent, QSize room) {
    set_zoom(CHESS_GUI_ZOOM::largest_fitting(QSize(client_width, client_height), room, percent));
}

// Maximised or full screen the content grows to the largest zoom that fits; otherwise it shows
// at the chosen zoom. Either way it sits in the middle of the window.
void CHESS_MAIN_WINDOW::show_zoom() {
    const QSize client(client_width, client_height);
    const bool filling = windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    const int32_t percent =
        filling ? std::max(zoom_, CHESS_GUI_ZOOM::largest_fitting(client, size())) : zoom_;
    const QSize content = CHESS_GUI_ZOOM::scaled(client, percent);
    const QPoint origin(std::max(0, (width() - content.width()) / 2),
                        std::max(0, (height() - content.height()) / 2));
    if (percent != shown_zoom_) {
        shown_zoom_ = percent;
        chess_ctrl->set_zoom(percent);
        chat_video->set_zoom(percent);
        hist_list->set_zoom(percent);
        for (const CHESS_GUI_LAYOUT& dialog : dialog_layouts_) {
            dialog.apply(percent);
        }
    }
    layout_.apply(percent, origin);
}

void CHESS_MAIN_WINDOW::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    show_zoom();
}

void CHESS_MAIN_WINDOW::start() {
    if (mgr) {
        return;
    }
    mgr = std::make_unique<CHESS_APPLICATION_MANAGER>(*this, settings_);
    mgr->start();
    failed_to_initialize_ = mgr->failed();
    if (failed_to_initialize_) {
        // The error box has been shown and dismissed inside the start.
        close_after_failed_start();
        return;
    }
    chat_menu->command_action(CHESS_GUI_CHAT_MENU::vary_openings)->setChecked(mgr->vary_openings());
    if (!closed_) {
        timer_.start();
    }
}

bool CHESS_MAIN_WINDOW::ready() const {
    return mgr && !failed_to_initialize_ && !closed_;
}

void CHESS_MAIN_WINDOW::close_after_failed_start() {
    timer_.stop();
    close();
}

void CHESS_MAIN_WINDOW::tick() {
    if (ready()) {
        mgr->tick();
    }
}

void CHESS_MAIN_WINDOW::review_tick() {
    if (ready()) {
        mgr->review_tick();
    }
}

void CHESS_MAIN_WINDOW::on_menu_command(int32_t id) {
    switch (id) {
    case CHESS_GUI_CHAT_MENU::zoom_in:
        set_zoom(zoom_ + CHESS_GUI_ZOOM::step);
        return;
    case CHESS_GUI_CHAT_MENU::zoom_out:
        set_zoom(zoom_ - CHESS_GUI_ZOOM::step);
        return;
    case CHESS_GUI_CHAT_MENU::zoom_reset:
        set_zoom(CHESS_GUI_ZOOM::smallest);
        return;
    case CHESS_GUI_CHAT_MENU::standard_notation: {
        const bool on = chat_menu->command_action(id)->isChecked();
        show_standard_notation(on);
        settings_.set_flag(standard_notation_setting, on);
        return;
    }
    case CHESS_GUI_CHAT_MENU::speak_moves: {
        const bool on = chat_menu->command_action(id)->isChecked();
        speak_moves(on);
        settings_.set_flag(speak_moves_setting, on);
        return;
    }
    case CHESS_GUI_CHAT_MENU::flip_board:
        if (ready()) {
            mgr->flip_board();
        }
        return;
    case CHESS_GUI_CHAT_MENU::webcam:
        toggle_webcam();
        return;
    case CHESS_GUI_CHAT_MENU::export_pgn:
        export_pgn();
        return;
    case CHESS_GUI_CHAT_MENU::vary_openings:
        if (ready()) {
            mgr->set_vary_openings(chat_menu->command_action(id)->isChecked());
        }
        return;
    default:
        break;
    }
    if (ready() && id >= first_shortcut && id <= last_shortcut) {
        mgr->command(id);
    }
}

void CHESS_MAIN_WINDOW::show_standard_notation(bool on) {
    chat_menu->command_action(CHESS_GUI_CHAT_MENU::standard_notation)->setChecked(on);
    hist_list->show_standard_notation(on);
}

// Speaking moves is offered only where the computer can speak.
void CHESS_MAIN_WINDOW::set_up_speech() {
    if (!speaker->available()) {
        chat_menu->remove_command(CHESS_GUI_CHAT_MENU::speak_moves);
        return;
    }
    speak_moves(settings_.flag(speak_moves_setting, false));
}

void CHESS_MAIN_WINDOW::speak_moves(bool on) {
    chat_menu->command_action(CHESS_GUI_CHAT_MENU::speak_moves)->setChecked(on);
    speaker->set_on(on);
}

// As a press on the webcam button would; the button is greyed, and its command with it, when
// there is no video.
void CHESS_MAIN_WINDOW::toggle_webcam() {
    if (!ready() || !chat_video_switch->isEnabled()) {
        return;
    }
    chat_video_switch->set_on(!chat_video_switch->is_on());
    on_button_switch(chat_video_switch, chat_video_switch->is_on());
}

void CHESS_MAIN_WINDOW::export_pgn() {
    if (!ready()) {
        return;
    }
    if (!export_dialog) {
        export_dialog = new CHESS_EXPORT_DIALOG(this);
    }
    if (const std::optional<std::string> path = export_dialog->ask(std::string())) {
        mgr->export_pgn(*path);
    }
}

// Callbacks -----------------------------------------------------------------------------------

void CHESS_MAIN_WINDOW::on_board_move(int32_t from, int32_t to, int32_t promotion) {
    if (ready()) {
        mgr->player_move(from, to, promotion);
    }
}

void CHESS_MAIN_WINDOW::on_history_select(int32_t ply) {
    if (ready()) {
        mgr->history_select(ply);
    }
}

// A click or a key in the history list: the scroll bar follows, then the board.
void CHESS_MAIN_WINDOW::on_history_position(int32_t plies) {
    if (ready()) {
        hist_scroll->show_position(plies);
        mgr->history_select(plies);
    }
}

void CHESS_MAIN_WINDOW::on_button_switch(CHESS_GUI_IMAGE_BUTTON* button, bool is_on) {
    if (!ready()) {
        return;
    }
    if (button == rotate_switch) {
        mgr->flip_board();
    } else if (button == chat_video_switch) {
        is_on ? mgr->webcam_on() : mgr->webcam_off();
    } else if (button == chat_icon) {
        pop_up_chat_menu();
    }
}

void CHESS_MAIN_WINDOW::on_link_click(const CHESS_LINK_DATA& link) {
    if (ready()) {
        mgr->follow_link(link);
    }
}

void CHESS_MAIN_WINDOW::on_clip_end() {
    if (ready()) {
        mgr->clip_end();
    }
}

void CHESS_MAIN_WINDOW::on_clip_failed() {
    if (ready()) {
        mgr->clip_failed();
    }
}

// The menu opens to the left of its icon, its top at the icon's middle.
void CHESS_MAIN_WINDOW::pop_up_chat_menu() {
    const QRect icon = chat_icon->geometry();
    chat_menu->popup_right_aligned(
        mapToGlobal(QPoint(icon.left(), icon.top() + icon.height() / 2)));
}

// User-interface operations --------------------------------------------------------------------

void CHESS_MAIN_WINDOW::add_sentence(const CHESS_GUI_CHAT_SENTENCE& sentence) {
    chat_output->add_sentence(sentence);
    QString text;
    for (const CHESS_GUI_CHAT_PHRASE& phrase : sentence.phrases) {
        text += CHESS_GUI_TEXT::to_qstring(phrase.text);
    }
    announcer->announce(text.trimmed());
}

void CHESS_MAIN_WINDOW::add_sentences(const std::vector<CHESS_GUI_CHAT_SENTENCE>& sentences) {
    for (const CHESS_GUI_CHAT_SENTENCE& sentence : sentences) {
        add_sentence(sentence);
    }
}

void CHESS_MAIN_WINDOW::add_blank_line() {
    chat_output->new_line();
}

void CHESS_MAIN_WINDOW::set_title(const std::string& text) {
    setWindowTitle(CHESS_GUI_TEXT::to_qstring(text));
}

void CHESS_MAIN_WINDOW::set_video_caption(const std::string& text) {
    chat_video->set_caption(CHESS_GUI_TEXT::to_qstring(text));
}

void CHESS_MAIN_WINDOW::set_bottom_side(int32_t side) {
    if (side != bottom_side_) {
        bottom_side_ = side;
        chess_ctrl->set_bottom_side(side);
    }
    rotate_switch->set_on(bottom_side_ == white);
}

void CHESS_MAIN_WINDOW::show_side_to_move(int32_t side) {
    lower_arrow->set_on(side == bottom_side_);
    upper_arrow->set_on(side != bottom_side_);
}

void CHESS_MAIN_WINDOW::clear_side_to_move() {
    lower_arrow->set_on(false);
    upper_arrow->set_on(false);
}

void CHESS_MAIN_WINDOW::set_player_name(int32_t side, const std::string& text) {
    CHESS_GUI_STATIC* name = side == bottom_side_ ? lower_player_txt : upper_player_txt;
    name->set_text(CHESS_GUI_TEXT::to_qstring(text));
    name->setAccessibleDescription(name->text());
    if (side == white || side == black) {
        names_[static_cast<size_t>(side)] = name->text();
    }
}

void CHESS_MAIN_WINDOW::set_status(int32_t side, const std::string& text) {
    CHESS_GUI_STATIC* status = side == bottom_side_ ? lower_status_txt : upper_status_txt;
    status->set_text(CHESS_GUI_TEXT::to_qstring(text));
    status->setAccessibleDescription(status->text().isEmpty() ? QString::fromLatin1(no_status)
                                                              : status->text());
}

void CHESS_MAIN_WINDOW::clear_history() {
    hist_list->clear_history();
}

void CHESS_MAIN_WINDOW::add_history_move(const std::string& text, const std::string& san) {
    hist_list->add_history_move(CHESS_GUI_TEXT::to_qstring(text), CHESS_GUI_TEXT::to_qstring(san));
}

void CHESS_MAIN_WINDOW::remove_last_history_move() {
    hist_list->remove_last_history_move();
}

void CHESS_MAIN_WINDOW::mark_history_ply(int32_t ply) {
    hist_list->mark_history_ply(ply);
}

void CHESS_MAIN_WINDOW::unmark_history_ply() {
    hist_list->unmark_history_ply();
}

void CHESS_MAIN_WINDOW::set_history_plies(int32_t plies) {
    hist_scroll->set_history_plies(plies);
}

// "Velmora plays knight f6", then "check" or "checkmate" as an announcement of its own; spoken
// aloud as one sentence.
void CHESS_MAIN_WINDOW::move_played(int32_t side, const std::string& san) {
    const QString name =
        side == white || side == black ? names_[static_cast<size_t>(side)] : QString();
    const QString move =
        name + QStringLiteral(" plays ") + QString::fromStdString(CHESS_MOVE_WORDS::move(san));
    const QString check = QString::fromStdString(CHESS_MOVE_WORDS::check(san));
    announcer->announce(move);
    announcer->announce(check);
    speaker->say(check.isEmpty() ? move : move + QStringLiteral(", ") + check);
}

void CHESS_MAIN_WINDOW::update_board(const CHESS_GUI_BOARD_INFO& board_info) {
    chess_ctrl->set_board_info(board_info);
    move_box->set_position(board_info);
}

void CHESS_MAIN_WINDOW::animate_move(int32_t from, int32_t to) {
    chess_ctrl->animate_move(from, to);
}

void CHESS_MAIN_WINDOW::enable_board() {
    chess_ctrl->enable_input();
    move_box->set_accepting(true);
}

void CHESS_MAIN_WINDOW::disable_board() {
    chess_ctrl->disable_input();
    move_box->set_accepting(false);
}

// The wait cursor only: a pointer grab would hold the whole display and kill the live links.
void CHESS_MAIN_WINDOW::begin_thinking() {
    if (!thinking_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        thinking_ = true;
    }
}

void CHESS_MAIN_WINDOW::end_thinking() {
    if (thinking_) {
        QApplication::restoreOverrideCursor();
        thinking_ = false;
    }
}

void CHESS_MAIN_WINDOW::show_review_moves(int32_t played_from, int32_t played_to,
                                          int32_t better_from, int32_t better_to) {
    using MARK = CHESS_GUI_BOARD_MARK;
    std::vector<MARK> marks = {{MARK::played_move, played_from, played_to}};
    if (better_from != 0) {
        marks.push_back({MARK::better_move, better_from, better_to});
    }
    chess_ctrl->set_marks(marks);
}

void CHESS_MAIN_WINDOW::clear_review_moves() {
    chess_ctrl->set_marks({});
}

void CHESS_MAIN_WINDOW::show_review_progress(int32_t done, int32_t total) {
    review_progress->setRange(0, std::max(total, 1));
    review_progress->setValue(done);
    review_progress->show();
    review_progress->raise();
    if (!review_timer_.isActive()) {
        review_timer_.start();
    }
}

void CHESS_MAIN_WINDOW::hide_review_progress() {
    review_timer_.stop();
    review_progress->hide();
}

// Exporting follows saving: both write the game as it stands.
void CHESS_MAIN_WINDOW::enable_command(int32_t id) {
    chat_menu->enable_command(id);
    if (id == shortcut_save_game) {
        chat_menu->enable_command(CHESS_GUI_CHAT_MENU::export_pgn);
    }
}

void CHESS_MAIN_WINDOW::disable_command(int32_t id) {
    chat_menu->disable_command(id);
    if (id == shortcut_save_game) {
        chat_menu->disable_command(CHESS_GUI_CHAT_MENU::export_pgn);
    }
}

std::optional<std::string> CHESS_MAIN_WINDOW::open_video(const std::string& path) {
    chat_video->open(path);
    if (chat_video->failed()) {
        return chat_video->error_message();
    }
    return std::nullopt;
}

int64_t CHESS_MAIN_WINDOW::video_frame_count() {
    return chat_video->frame_count();
}

void CHESS_MAIN_WINDOW::play_clip(int32_t first_frame, int32_t last_frame) {
    chat_video->play(first_frame, last_frame);
}

void CHESS_MAIN_WINDOW::stop_video() {
    chat_video->stop();
}

void CHESS_MAIN_WINDOW::disable_webcam_switch() {
    chat_video_switch->set_on(false);
    chat_video_switch->setEnabled(false);
    chat_menu->disable_command(CHESS_GUI_CHAT_MENU::webcam);
}

void CHESS_MAIN_WINDOW::show_error(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Initialization Error"),
                    CHESS_GUI_TEXT::to_qstring(text), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("error_box"));
    box.setWindowModality(Qt::ApplicationModal);
    wait_until_placed();
    // A message box takes its final size only once shown; centred before, it sits off-centre.
    box.show();
    centre_over_window(box);
    CHESS_GUI_MODAL::run(box);
}

// At start-up the window manager may not have placed the window yet; a box centred over it then
// would land in the corner of the screen.
void CHESS_MAIN_WINDOW::wait_until_placed() {
    const QDeadlineTimer deadline(placing_wait_ms);
    while (isVisible() && windowHandle() != nullptr && !windowHandle()->isExposed() &&
           !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
    }
}

void CHESS_MAIN_WINDOW::centre_over_window(QWidget& box) const {
    const QRect frame = box.frameGeometry();
    box.move(frameGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
}

// "Go easy on me" belongs to the player, not to the game: it is kept in the settings, where the
// manager reads it when the game starts.
std::optional<CHESS_GAME_OPTIONS>
CHESS_MAIN_WINDOW::ask_new_game(const CHESS_GAME_OPTIONS& options) {
    const std::string key = CHESS_APPLICATION_MANAGER::go_easy_key;
    new_game_dialog->go_easy_check->setChecked(settings_.flag(key, false));
    std::optional<CHESS_GAME_OPTIONS> chosen = new_game_dialog->ask(options);
    if (chosen) {
        settings_.set_flag(key, new_game_dialog->go_easy_check->isChecked());
    }
    return chosen;
}

std::optional<std::string> CHESS_MAIN_WINDOW::ask_save_file(const std::string& name) {
    if (!save_dialog) {
        save_dialog = new CHESS_SAVE_DIALOG(this);
    }
    return save_dialog->ask(name);
}

std::optional<std::string> CHESS_MAIN_WINDOW::ask_load_file(const std::string& name) {
    if (!load_dialog) {
        load_dialog = new CHESS_LOAD_DIALOG(this);
    }
    return load_dialog->ask(name);
}

std::string CHESS_MAIN_WINDOW::ask_nickname(const std::string& nick) {
    return nickname_dialog->ask(nick);
}

std::optional<std::vector<std::string>> CHESS_MAIN_WINDOW::ask_debug_events() {
    return debug_dialog->ask();
}

void CHESS_MAIN_WINDOW::beep(int32_t sound) {
    (void)sound; // one sound on this platform
    QApplication::beep();
}

void CHESS_MAIN_WINDOW::process_pending_events() {
    QCoreApplication::processEvents();
}

// Window events ---------------------------------------------------------------------------------

// Closing autosaves (unless the start failed: then there is no game to write). A search still
// running is stopped by the manager and unwinds after this returns; nothing is deleted meanwhile,
// and the event loop ends once the window is gone.
void CHESS_MAIN_WINDOW::closeEvent(QCloseEvent* event) {
    if (ready()) {
        mgr->autosave();
    }
    closed_ = true;
    timer_.stop();
    review_timer_.stop();
    end_thinking();
    event->accept();
}

void CHESS_MAIN_WINDOW::mouseMoveEvent(QMouseEvent* event) {
    if (failed_to_initialize_) {
        close_after_failed_start();
        return;
    }
    if (isActiveWindow() && !hasFocus() && !QApplication::focusWidget()) {
        setFocus(Qt::MouseFocusReason);
    }
    QWidget::mouseMoveEvent(event);
}

// Typing that no control took (the focus on the window itself or on a button) begins a move in
// the move box, as typing on the board does.
void CHESS_MAIN_WINDOW::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isLetterOrNumber() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        move_box->open_with(text);
        return;
    }
    QWidget::keyPressEvent(event);
}

// Coming back to the window while the computer thinks shows the wait cursor again.
void CHESS_MAIN_WINDOW::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && thinking_) {
        if (QApplication::overrideCursor()) {
            QApplication::changeOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        }
    }
    QWidget::changeEvent(event);
}
