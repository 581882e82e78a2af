// One saved game file: a small line-oriented text a person can read and edit, holding the
// player's nickname, the game options, the moves two to a line and an optional resignation mark.
// Writing never destroys the previous file: it goes through the durable writer, so a crash or a
// power cut leaves either the old file or the complete new one. Reading replays every move from
// the initial position against the legal moves, so a game that reads back is a legal game; any
// input (binary, huge lines, endless move lists, out-of-range numbers) ends in either such a game
// or one clear failure message naming the file and the line.
#pragma once

#include "engine/chess_game_options.h"
#include "rules/chess_game.h"
#include "rules/chess_movgen.h"
#include "saved_games/chess_saved_game.h"

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

class CHESS_GAME_FILE {
  public:
    explicit CHESS_GAME_FILE(std::string filename) : filename_(std::move(filename)) {}

    // Replaces the file with the game, options, nickname and resignation mark. Sets failed and
    // error_message when the file cannot be written; the previous file is then left as it was.
    void write(const CHESS_GAME& game, const CHESS_GAME_OPTIONS& options,
               const std::string& nickname, bool resigned);
    // Rebuilds the saved game from the file, stopping at the first failure.
    void read();
    // The same from a stream the caller opened (a pipe, for instance); messages name the file
    // name given at creation.
    void read(std::istream& in);

    // The exact text write puts in a file.
    static std::string text(const CHESS_GAME& game, const CHESS_GAME_OPTIONS& options,
                            const std::string& nickname, bool resigned);

    bool failed() const { return failed_; }
    // The message of the first failure; empty when nothing failed.
    const std::string& error_message() const { return error_message_; }
    // After a read that did not fail: the game, options, nickname and resignation mark of the
    // file. After a failure only the game counts: the moves replayed before the failing line.
    const CHESS_SAVED_GAME& saved_game() const { return saved_; }
    // Whether the nickname line was read: after a failure further down the file the nickname
    // in the record is still the file's.
    bool has_nickname() const { return has_nickname_; }

  private:
    void start_reading();
    void read_lines(std::istream& in);
    bool read_line(const std::string& line);
    bool read_nickname(const std::string& line);
    bool read_options(const std::string& line);
    bool read_move_line(const std::string& line);
    bool play_move_text(std::string_view text);
    bool fail_at_line(const std::string& message);
    void fail(const std::string& message);

    std::string filename_;
    std::string error_message_;
    CHESS_SAVED_GAME saved_;
    bool has_nickname_ = false;
    bool has_options_ = false;
    CHESS_POSITION scratch_board_;
    CHESS_MOVGEN generator_;
    bool failed_ = false;
    int64_t lineno_ = 0; // the line being read, 1-based, counting every line
    int64_t move_lines_ = 0;
};
