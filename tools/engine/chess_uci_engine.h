// The engine's door to chess programs: the UCI protocol over lines of text. The search runs in
// a worker thread so that every command is read at once; only that one search touches the engine
// while it runs. A command that changes the engine ("ucinewgame", "setoption", "position", "go")
// first ends a running search, whose "bestmove" is printed, and then acts; so every "go" gets
// exactly one "bestmove", and "0000" only when the side to move has no legal move. The
// transposition table and history persist between "go" commands until "ucinewgame".
#pragma once

#include "engine/chess_search_no_thread.h"
#include "rules/chess_game.h"
#include "rules/kwo_random.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>

class CHESS_UCI_GO;

class CHESS_UCI_ENGINE {
  public:
    static constexpr int32_t default_skill_level = 20;
    // The game's own table: 1000777 slots of eight bytes.
    static constexpr int64_t default_hash_mb = 8;
    static constexpr int64_t max_hash_mb = 1024;
    static constexpr int64_t default_move_overhead_ms = 30;
    static constexpr int64_t max_move_overhead_ms = 5000;
    // Searches shorter than this do not announce the root move they are on.
    static constexpr std::chrono::seconds current_move_delay{3};

    explicit CHESS_UCI_ENGINE(std::ostream& out);
    ~CHESS_UCI_ENGINE();

    // Handles one command line; false after "quit".
    bool handle(std::string line);
    // The end of the input: as "quit".
    void quit();

  private:
    void identify();
    void set_option(const std::string& arguments);
    bool set_spin_option(const std::string& name, const std::string& value);
    void set_position(const std::string& arguments);
    void go(const std::string& arguments);
    bool answer_from_book(const CHESS_UCI_GO& command);
    void ponderhit();
    void stop_search();
    void new_game();
    // The level a plain "go" plays and whether it goes easy: the Skill Level and Go Easy options,
    // or with UCI_LimitStrength the row of the strength table nearest to UCI_Elo.
    struct PLAY_LEVEL {
        int32_t level;
        bool go_easy;
        bool want_qsearch;
    };
    PLAY_LEVEL play_level() const;
    void run_search();
    void report(const CHESS_ITERATION_REPORT& iteration);
    void report_root_move(int32_t depth, const CHESS_MOVE& m, int32_t number);
    void answer();
    std::string legal_line(const std::vector<CHESS_MOVE>& line);
    void say(const std::string& line);

    std::ostream& out_;
    std::mutex out_mutex_;
    CHESS_SEARCH_NO_THREAD engine_;
    CHESS_GAME game_;
    int32_t skill_level_ = default_skill_level;
    bool qsearch_ = true;
    bool go_easy_ = false;
    bool limit_strength_ = false;
    int32_t elo_ = 0;
    // The opening book: off by default, so that fixed-depth searches stay as they are.
    bool own_book_ = false;
    KWO_RANDOM random_{KWO_RANDOM::clock_seed()};
    std::chrono::milliseconds move_overhead_{default_move_overhead_ms};
    std::thread worker_;
    // Between the reader and the worker: whether the answer waits ("go infinite", "go ponder"),
    // and the clock a ponder search takes on at "ponderhit".
    std::mutex state_mutex_;
    std::condition_variable state_signal_;
    bool stop_requested_ = false;
    bool infinite_ = false;
    bool pondering_ = false;
    CHESS_SEARCH_LIMITS::DURATION ponder_time_limit_{};
    CHESS_SEARCH_LIMITS::DURATION ponder_iteration_time_{};
    // Read by the worker only while it searches.
    std::chrono::steady_clock::time_point search_started_;
    std::vector<CHESS_MOVE> last_line_;
};
