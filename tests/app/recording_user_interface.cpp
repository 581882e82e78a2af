#include "recording_user_interface.h"

#include <algorithm>

namespace {

template <typename T>
std::optional<T> take(std::deque<std::optional<T>>& script) {
    if (script.empty()) {
        return std::nullopt;
    }
    std::optional<T> answer = script.front();
    script.pop_front();
    return answer;
}

} // namespace

void RECORDING_USER_INTERFACE::record(const std::string& operation, std::vector<int32_t> numbers,
                                      std::string text) {
    calls.push_back({operation, std::move(numbers), std::move(text)});
}

int RECORDING_USER_INTERFACE::count(const std::string& operation) const {
    return static_cast<int>(
        std::count_if(calls.begin(), calls.end(),
                      [&](const RECORDED_CALL& call) { return call.operation == operation; }));
}

std::vector<const RECORDED_CALL*>
RECORDING_USER_INTERFACE::all(const std::string& operation) const {
    std::vector<const RECORDED_CALL*> found;
    for (const RECORDED_CALL& call : calls) {
        if (call.operation == operation) {
            found.push_back(&call);
        }
    }
    return found;
}

const RECORDED_CALL* RECORDING_USER_INTERFACE::last(const std::string& operation) const {
    const std::vector<const RECORDED_CALL*> found = all(operation);
    return found.empty() ? nullptr : found.back();
}

bool RECORDING_USER_INTERFACE::chat_has(const std::string& line) const {
    return std::find(chat.begin(), chat.end(), line) != chat.end();
}

std::string RECORDING_USER_INTERFACE::chat_text() const {
    std::string text;
    for (const std::string& line : chat) {
        text += line + "\n";
    }
    return text;
}

std::vector<std::string> RECORDING_USER_INTERFACE::velmora_lines() const {
    std::vector<std::string> lines;
    for (const CHESS_GUI_CHAT_SENTENCE& sentence : sentences) {
        if (!sentence.is_velmora) {
            continue;
        }
        std::string text = sentence.text();
        const std::string prefix = "Velmora: ";
        if (text.rfind(prefix, 0) == 0) {
            text.erase(0, prefix.size());
        }
        lines.push_back(text);
    }
    return lines;
}

std::vector<int32_t> RECORDING_USER_INTERFACE::enabled_commands() const {
    std::vector<int32_t> ids;
    for (int32_t id = 1; id <= 10; ++id) {
        if (enabled(id)) {
            ids.push_back(id);
        }
    }
    return ids;
}

void RECORDING_USER_INTERFACE::add_chat(const CHESS_GUI_CHAT_SENTENCE& sentence) {
    sentences.push_back(sentence);
    chat.push_back(sentence.text());
}

void RECORDING_USER_INTERFACE::add_sentence(const CHESS_GUI_CHAT_SENTENCE& sentence) {
    record("add_sentence", {}, sentence.text());
    add_chat(sentence);
}

void RECORDING_USER_INTERFACE::add_sentences(const std::vector<CHESS_GUI_CHAT_SENTENCE>& list) {
    std::string text;
    for (const CHESS_GUI_CHAT_SENTENCE& sentence : list) {
        if (!text.empty()) {
            text += '\n';
        }
        text += sentence.text();
        add_chat(sentence);
    }
    record("add_sentences", {static_cast<int32_t>(list.size())}, text);
}

void RECORDING_USER_INTERFACE::add_blank_line() {
    record("add_blank_line");
    chat.emplace_back();
}

void RECORDING_USER_INTERFACE::set_title(const std::string& text) {
    record("set_title", {}, text);
    title = text;
}

void RECORDING_USER_INTERFACE::set_video_caption(const std::string& text) {
    record("set_video_caption", {}, text);
    video_caption = text;
}

void RECORDING_USER_INTERFACE::set_bottom_side(int32_t side) {
    record("set_bottom_side", {side});
    bottom_side = side;
}

void RECORDING_USER_INTERFACE::show_side_to_move(int32_t side) {
    record("show_side_to_move", {side});
    side_to_move = side;
}

void RECORDING_USER_INTERFACE::clear_side_to_move() {
    record("clear_side_to_move");
    side_to_move = 0;
}

void RECORDING_USER_INTERFACE::set_player_name(int32_t side, const std::string& text) {
    record("set_player_name", {side}, text);
    names.at(side) = text;
}

void RECORDING_USER_INTERFACE::set_status(int32_t side, const std::string& text) {
    record("set_status", {side}, text);
    statuses.at(side) = text;
}

void RECORDING_USER_INTERFACE::clear_history() {
    record("clear_history");
    history.clear();
    san_history.clear();
    marked_ply.reset();
}

void RECORDING_USER_INTERFACE::add_history_move(const std::string& text, const std::string& san) {
    record("add_history_move", {}, text);
    history.push_back(text);
    san_history.push_back(san);
}

void RECORDING_USER_INTERFACE::remove_last_history_move() {
    record("remove_last_history_move");
    if (!history.empty()) {
        history.pop_back();
        san_history.pop_back();
    }
}

void RECORDING_USER_INTERFACE::mark_history_ply(int32_t ply) {
    record("mark_history_ply", {ply});
    marked_ply = ply;
}

void RECORDING_USER_INTERFACE::unmark_history_ply() {
    record("unmark_history_ply");
    marked_ply.reset();
}

void RECORDING_USER_INTERFACE::set_history_plies(int32_t plies) {
    record("set_history_plies", {plies});
    history_plies = plies;
}

void RECORDING_USER_INTERFACE::move_played(int32_t side, const std::string& san) {
    record("move_played", {side}, san);
}

void RECORDING_USER_INTERFACE::update_board(const CHESS_GUI_BOARD_INFO& board_info) {
    record("update_board");
    board = board_info;
}

void RECORDING_USER_INTERFACE::animate_move(int32_t from, int32_t to) {
    record("animate_move", {from, to});
    animations.emplace_back(from, to);
}

void RECORDING_USER_INTERFACE::enable_board() {
    record("enable_board");
    board_enabled = true;
}

void RECORDING_USER_INTERFACE::disable_board() {
    record("disable_board");
    board_enabled = false;
}

void RECORDING_USER_INTERFACE::begin_thinking() {
    record("begin_thinking");
    thinking = true;
}

void RECORDING_USER_INTERFACE::end_thinking() {
    record("end_thinking");
    thinking = false;
}

void RECORDING_USER_INTERFACE::show_review_moves(int32_t played_from, int32_t played_to,
                                                 int32_t better_from, int32_t better_to) {
    record("show_review_moves", {played_from, played_to, better_from, better_to});
    review_moves = {played_from, played_to, better_from, better_to};
}

void RECORDING_USER_INTERFACE::clear_review_moves() {
    record("clear_review_moves");
    review_moves.reset();
}

void RECORDING_USER_INTERFACE::show_review_progress(int32_t done, int32_t total) {
    record("show_review_progress", {done, total});
    review_progress = {done, total};
}

void RECORDING_USER_INTERFACE::hide_review_progress() {
    record("hide_review_progress");
    review_progress.reset();
}

void RECORDING_USER_INTERFACE::enable_command(int32_t id) {
    record("enable_command", {id});
    commands.at(id) = true;
}

void RECORDING_USER_INTERFACE::disable_command(int32_t id) {
    record("disable_command", {id});
    commands.at(id) = false;
}

std::optional<std::string> RECORDING_USER_INTERFACE::open_video(const std::string& path) {
    record("open_video", {}, path);
    return open_video_error;
}

void RECORDING_USER_INTERFACE::play_clip(int32_t first_frame, int32_t last_frame) {
    record("play_clip", {first_frame, last_frame});
    clips.emplace_back(first_frame, last_frame);
}

int64_t RECORDING_USER_INTERFACE::video_frame_count() {
    record("video_frame_count");
    return video_frames;
}

void RECORDING_USER_INTERFACE::stop_video() {
    record("stop_video");
}

void RECORDING_USER_INTERFACE::disable_webcam_switch() {
    record("disable_webcam_switch");
    webcam_switch_disabled = true;
}

void RECORDING_USER_INTERFACE::show_error(const std::string& text) {
    record("show_error", {}, text);
    errors.push_back(text);
}

std::optional<CHESS_GAME_OPTIONS>
RECORDING_USER_INTERFACE::ask_new_game(const CHESS_GAME_OPTIONS& options) {
    record("ask_new_game",
           {options.max_ply, options.max_time, options.qsearch ? 1 : 0, options.player_color});
    return take(new_game_answers);
}

std::optional<std::string> RECORDING_USER_INTERFACE::ask_save_file(const std::string& name) {
    record("ask_save_file", {}, name);
    return take(save_answers);
}

std::optional<std::string> RECORDING_USER_INTERFACE::ask_load_file(const std::string& name) {
    record("ask_load_file", {}, name);
    return take(load_answers);
}

std::string RECORDING_USER_INTERFACE::ask_nickname(const std::string& nick) {
    record("ask_nickname", {}, nick);
    if (nickname_answers.empty()) {
        return nick;
    }
    std::string answer = nickname_answers.front();
    nickname_answers.pop_front();
    return answer;
}

std::optional<std::vector<std::string>> RECORDING_USER_INTERFACE::ask_debug_events() {
    record("ask_debug_events");
    return take(debug_answers);
}

void RECORDING_USER_INTERFACE::beep(int32_t sound) {
    record("beep", {sound});
    beeps.push_back(sound);
}

void RECORDING_USER_INTERFACE::process_pending_events() {
    record("process_pending_events");
    ++pumps;
    if (on_pump) {
        on_pump();
    }
}
