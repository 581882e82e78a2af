// The engine's door to chess programs: the UCI protocol over lines of text. The search runs in
// a worker thread so that "stop" and "quit" are read at once; only that one search touches the
// engine while it runs, and every command that changes the engine first waits for it to end.
// The transposition table and history persist between "go" commands until "ucinewgame".
#pragma once

#include "engine/chess_search_no_thread.h"
#include "rules/chess_game.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>

class CHESS_UCI_ENGINE {
  public:
    static constexpr int32_t default_skill_level = 20;
    static constexpr int32_t deepest_search = 64;

    explicit CHESS_UCI_ENGINE(std::ostream& out);
    ~CHESS_UCI_ENGINE();

    // Handles one command line; false after "quit".
    bool handle(const std::string& line);
    // Waits for a search with limits to end and ends an infinite one (at the end of input).
    void settle();

  private:
    struct GO_LIMITS {
        int32_t depth = 0;
        int64_t movetime = -1;
        int64_t time_left[3] = {-1, -1, -1};
        int64_t increment[3] = {0, 0, 0};
        int32_t movestogo = 0;
        bool infinite = false;
    };

    void identify();
    void set_option(const std::string& arguments);
    void set_position(const std::string& arguments);
    void go(const std::string& arguments);
    void stop();
    void new_game();
    void apply_skill_level();
    int64_t time_share(const GO_LIMITS& limits) const;
    void run_search();
    void wait_for_search();
    void report(const CHESS_ITERATION_REPORT& iteration);
    void say(const std::string& line);

    std::ostream& out_;
    std::mutex out_mutex_;
    CHESS_SEARCH_NO_THREAD engine_;
    CHESS_GAME game_;
    int32_t skill_level_ = default_skill_level;
    bool qsearch_ = true;
    std::thread worker_;
    std::mutex stop_mutex_;
    std::condition_variable stop_signal_;
    bool stop_requested_ = false;
    bool infinite_ = false;
};
