#include "saved_games/chess_game_file.h"

#include "saved_games/kwo_durable_writer.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

// Blanks are the white space of the C locale; tabs inside a line count as spaces.
bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The line as the reader looks at it: without surrounding blanks, tabs turned into spaces.
void clean_line(std::string& line) {
    const std::string_view kept = trimmed(line);
    std::string cleaned(kept);
    std::replace(cleaned.begin(), cleaned.end(), '\t', ' ');
    line = std::move(cleaned);
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether text begins with keyword (upper case) in any letter case.
bool starts_with_keyword(std::string_view text, std::string_view keyword) {
    if (text.size() < keyword.size()) {
        return false;
    }
    for (size_t i = 0; i < keyword.size(); ++i) {
        if (upper(text[i]) != keyword[i]) {
            return false;
        }
    }
    return true;
}

bool equals_keyword(std::string_view text, std::string_view keyword) {
    return text.size() == keyword.size() && starts_with_keyword(text, keyword);
}

// An optional sign and decimal digits, nothing else, within the 32-bit range.
bool parse_int32(std::string_view text, int32_t& value) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return false;
    }
    constexpr int64_t limit = 2147483648; // the magnitude of the smallest int32
    int64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            return false;
        }
    }
    if (!negative && magnitude == limit) {
        return false;
    }
    value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return true;
}

// Every field between the separators, empty ones included.
std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (size_t end = text.find(separator); end != std::string_view::npos;
         end = text.find(separator, start)) {
        fields.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    fields.push_back(text.substr(start));
    return fields;
}

// A legal move's text is its squares' names, or castling's "o-o"; only a move that leaves its
// own king attacked starts otherwise. Lets the reader print just the moves that can match.
bool may_read_as(const CHESS_MOVE& m, std::string_view text) {
    if (text.starts_with("(")) {
        return true;
    }
    if (m.type == CHESS_MOVE::move_castle_kingside || m.type == CHESS_MOVE::move_castle_queenside) {
        return text.starts_with("o-o");
    }
    return text.size() >= 5 && text.substr(0, 2) == CHESS_MOVE::square_name(m.src) &&
           text.substr(3, 2) == CHESS_MOVE::square_name(m.dst);
}

// Hands out the lines of a stream, the line feed removed; a final line feed does not start
// another line. Reads in large blocks, so huge lines and huge files cost only their copying.
class LINE_SOURCE {
  public:
    explicit LINE_SOURCE(std::istream& in) : in_(in), block_(1 << 16) {}

    bool next(std::string& line) {
        line.clear();
        while (true) {
            if (position_ == size_ && !fill()) {
                return !line.empty();
            }
            const char* start = block_.data() + position_;
            const void* feed = std::memchr(start, '\n', size_ - position_);
            const size_t length = feed ? static_cast<const char*>(feed) - start : size_ - position_;
            line.append(start, length);
            position_ += length;
            if (feed) {
                ++position_;
                return true;
            }
        }
    }
    bool failed() const { return in_.bad(); }

  private:
    bool fill() {
        in_.read(block_.data(), static_cast<std::streamsize>(block_.size()));
        size_ = static_cast<size_t>(in_.gcount());
        position_ = 0;
        return size_ > 0;
    }

    std::istream& in_;
    std::vector<char> block_;
    size_t position_ = 0;
    size_t size_ = 0;
};

} // namespace

std::string CHESS_GAME_FILE::text(const CHESS_GAME& game, const CHESS_GAME_OPTIONS& options,
                                  const std::string& nickname, bool resigned) {
    std::string out = "\n\nNickname " + nickname + "\n\n";
    out += "Options " + std::to_string(options.max_ply) + ":" + std::to_string(options.max_time) +
           ":" + (options.qsearch ? "y" : "n") + ":" + (options.player_color == 1 ? "W" : "B") +
           "\n\n";
    const std::vector<CHESS_GAME_HISTORY_ITEM>& history = game.history();
    for (size_t i = 0; i < history.size(); ++i) {
        CHESS_POSITION board = history[i].board;
        const std::string move = history[i].move.out(board);
        if (i % 2 == 0) {
            out += std::to_string(i / 2 + 1) + ") " + move + ",";
        } else {
            out += "     " + move + "\n";
        }
    }
    out += "\n";
    if (resigned) {
        out += "Resigned";
    }
    out += "\n\n";
    return out;
}

void CHESS_GAME_FILE::write(const CHESS_GAME& game, const CHESS_GAME_OPTIONS& options,
                            const std::string& nickname, bool resigned) {
    failed_ = false;
    error_message_.clear();
    try {
        KWO_DURABLE_WRITER writer(filename_);
        writer.write(text(game, options, nickname, resigned));
        if (writer.failed()) {
            fail("file is not writeable: " + filename_);
        }
    } catch (const std::exception&) {
        fail("file is not writeable: " + filename_);
    }
}

void CHESS_GAME_FILE::start_reading() {
    failed_ = false;
    error_message_.clear();
    saved_ = CHESS_SAVED_GAME();
    has_nickname_ = false;
    has_options_ = false;
    lineno_ = 0;
    move_lines_ = 0;
}

void CHESS_GAME_FILE::read() {
    namespace fs = std::filesystem;
    start_reading();
    std::error_code error;
    const fs::file_status status = fs::status(fs::path(filename_), error);
    if (!fs::exists(status)) {
        fail((error && error != std::errc::no_such_file_or_directory ? "File is not readable: "
                                                                     : "No such file: ") +
             filename_);
        return;
    }
    // Only a regular file: a folder cannot be read and a pipe could wait forever.
    std::ifstream in(filename_, std::ios::binary);
    if (!fs::is_regular_file(status) || !in) {
        fail("File is not readable: " + filename_);
        return;
    }
    read_lines(in);
}

void CHESS_GAME_FILE::read(std::istream& in) {
    start_reading();
    read_lines(in);
}

void CHESS_GAME_FILE::read_lines(std::istream& in) {
    try {
        LINE_SOURCE lines(in);
        std::string line;
        while (lines.next(line)) {
            ++lineno_;
            clean_line(line);
            if (!line.empty() && !read_line(line)) {
                return;
            }
        }
        if (lines.failed()) {
            fail("File is not readable: " + filename_);
        } else if (!has_nickname_) {
            fail_at_line("missing nickname");
        } else if (!has_options_) {
            fail_at_line("missing options");
        }
    } catch (const std::bad_alloc&) {
        fail_at_line("line too long");
    } catch (const std::exception&) {
        fail("File is not readable: " + filename_);
    }
}

bool CHESS_GAME_FILE::read_line(const std::string& line) {
    if (starts_with_keyword(line, "OPTIONS") && std::count(line.begin(), line.end(), ':') == 3) {
        return has_options_ ? fail_at_line("duplicate options") : read_options(line);
    }
    if (starts_with_keyword(line, "NICKNAME")) {
        return has_nickname_ ? fail_at_line("duplicate nickname") : read_nickname(line);
    }
    if (std::count(line.begin(), line.end(), ')') == 1 &&
        std::count(line.begin(), line.end(), ',') == 1) {
        ++move_lines_;
        return read_move_line(line);
    }
    if (equals_keyword(line, "RESIGNED")) {
        saved_.resigned = true;
        return true;
    }
    return fail_at_line("syntax error");
}

bool CHESS_GAME_FILE::read_nickname(const std::string& line) {
    const size_t space = line.find(' ');
    if (space == std::string::npos) {
        return fail_at_line("nickname syntax error");
    }
    saved_.nickname = std::string(trimmed(std::string_view(line).substr(space)));
    has_nickname_ = true;
    return true;
}

bool CHESS_GAME_FILE::read_options(const std::string& line) {
    const size_t space = line.find(' ');
    if (space == std::string::npos) {
        return fail_at_line("syntax error in options");
    }
    const std::vector<std::string_view> fields =
        split(trimmed(std::string_view(line).substr(space + 1)), ':');
    if (fields.size() != 4) {
        return fail_at_line("missing values in options");
    }
    CHESS_GAME_OPTIONS options;
    // Step 1. The form of each field.
    if (!parse_int32(fields[0], options.max_ply)) {
        return fail_at_line("1st arg, max_ply is not an integer");
    }
    if (!parse_int32(fields[1], options.max_time)) {
        return fail_at_line("2nd arg, max_time is not an integer");
    }
    if (fields[2].size() != 1) {
        return fail_at_line("3rd arg, invalid wantq_search value");
    }
    if (fields[3].size() != 1) {
        return fail_at_line("4th arg, invalid side-color value");
    }
    // Step 2. The values. The upper bounds keep a hand-edited file from asking the search for
    // more depth or time than a game can use.
    if (options.max_ply < 2) {
        return fail_at_line("max_ply too small (<= 1)");
    }
    if (options.max_ply > 64) {
        return fail_at_line("max_ply too large (> 64)");
    }
    if (options.max_time < 1) {
        return fail_at_line("max_time too small (<= 0)");
    }
    if (options.max_time > 3600) {
        return fail_at_line("max_time too large (> 3600)");
    }
    if (fields[2] != "y" && fields[2] != "n") {
        return fail_at_line("want_qsearch must be 'y' or 'n'");
    }
    options.qsearch = fields[2] == "y";
    if (fields[3] != "W" && fields[3] != "B") {
        return fail_at_line("side-color must be 'B' or 'W'");
    }
    options.player_color = fields[3] == "W" ? 1 : 2;
    saved_.options = options;
    has_options_ = true;
    return true;
}

bool CHESS_GAME_FILE::read_move_line(const std::string& line) {
    const std::string_view text(line);
    const size_t bracket = text.find(')');
    const size_t comma = text.find(',');
    int32_t number = 0;
    if (!parse_int32(text.substr(0, bracket), number)) {
        return fail_at_line("invalid move number");
    }
    if (number != move_lines_) {
        return fail_at_line("move number is out of sequence");
    }
    // The number parsed, so it holds no comma: the comma comes after the bracket.
    if (!play_move_text(trimmed(text.substr(bracket + 1, comma - bracket - 1)))) {
        return false;
    }
    return comma + 1 == text.size() || play_move_text(trimmed(text.substr(comma + 1)));
}

bool CHESS_GAME_FILE::play_move_text(std::string_view text) {
    // The legal moves in the game's order, walked on a scratch copy of its board with a generator
    // kept for the whole read, so the walk itself allocates nothing; only the texts of the moves
    // whose squares fit are made and compared, each on the game's own board.
    scratch_board_ = saved_.game.board();
    const bool found = generator_.play_legal_moves(scratch_board_, [&](const CHESS_MOVE& m) {
        return !(may_read_as(m, text) && saved_.game.move_text(m) == text);
    });
    if (!found) {
        return fail_at_line("Invalid move '" + std::string(text) + "'");
    }
    saved_.game.make_move(generator_.item());
    return true;
}

bool CHESS_GAME_FILE::fail_at_line(const std::string& message) {
    fail(filename_ + ", Line: " + std::to_string(lineno_) + ", " + message);
    return false;
}

void CHESS_GAME_FILE::fail(const std::string& message) {
    failed_ = true;
    error_message_ = message;
}
