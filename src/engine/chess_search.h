// The computer's choice of move: fail-hard alpha-beta negamax with iterative deepening from
// depth 2, a captures-only quiescence search at the leaves, a transposition table, a repetition
// table, the previous iteration's line tried first, one killer per depth and a from-to history
// table. A time-out aborts the iteration in progress and the last completed one answers.
//
// The engine searches its own copy of the position, so the caller's board is never touched. Its
// only contacts with the platform are the millisecond clock and the message pump that a derived
// class provides; a stop request (`terminate`) aborts the search at the next pump or deadline
// check, like a time-out.
#pragma once

#include "engine/chess_principle_continuation.h"
#include "engine/chess_repetition_table.h"
#include "engine/chess_statistics.h"
#include "engine/chess_transposition_table.h"
#include "rules/chess_game.h"
#include "rules/chess_move_history.h"
#include "rules/chess_movgen.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// What a completed iteration found, for programs that show the search's progress.
struct CHESS_ITERATION_REPORT {
    int32_t depth = 0;
    int32_t score = 0;
    int64_t nodes = 0;
    int64_t milliseconds = 0;
    std::vector<CHESS_MOVE> line;
};

class CHESS_SEARCH {
  public:
    static constexpr int32_t mate_base = 99999;
    static constexpr int32_t window = 100000;
    static constexpr int32_t first_depth = 2;
    static constexpr int32_t quiescent_plies = 31;
    static constexpr int64_t time_check_interval = 50000;
    static constexpr int64_t pump_interval = 5000;

    CHESS_SEARCH();
    virtual ~CHESS_SEARCH() = default;
    CHESS_SEARCH(const CHESS_SEARCH&) = delete;
    CHESS_SEARCH& operator=(const CHESS_SEARCH&) = delete;

    // For a new or loaded game: options stored, tables and history emptied. max_time in seconds.
    void reset(int32_t max_ply, int32_t max_time, bool want_qsearch);
    // Changes the limits between searches and keeps the tables, history and totals.
    void set_limits(int32_t max_ply, int64_t time_limit_ms, bool want_qsearch);
    // Searches position; game_positions are the game's history items (their boards count for
    // repetition).
    void search(const CHESS_POSITION& position,
                const std::vector<CHESS_GAME_HISTORY_ITEM>& game_positions);

    void terminate() { terminated_ = true; }
    void clear_termination() { terminated_ = false; }
    bool terminated() const { return terminated_; }
    bool searching() const { return searching_; }

    const std::optional<CHESS_MOVE>& item() const { return item_; }
    bool check_mate() const { return check_mate_; }
    bool stale_mate() const { return stale_mate_; }
    bool draw() const { return draw_; }
    const CHESS_STATISTICS& statistics() const { return statistics_; }
    const std::optional<std::string>& best_sequence() const { return best_sequence_; }
    int64_t node_count() const { return node_count_; }
    int32_t max_ply() const { return max_ply_; }
    bool want_qsearch() const { return want_qsearch_; }

    void set_iteration_observer(std::function<void(const CHESS_ITERATION_REPORT&)> observer) {
        iteration_observer_ = std::move(observer);
    }

    // The moves of a line in move notation joined by ", ", each written in the position before
    // it; a move that does not fit its position is "INV" and not played. Empty: "nothing".
    static std::string pv_text(const std::vector<CHESS_MOVE>& line, CHESS_POSITION& board);

  protected:
    // Handles one pending message of the platform, if any, without waiting.
    virtual void pump_message() = 0;
    virtual int64_t tick_count() const;

  private:
    struct ABORT {};

    void iterate(const std::vector<CHESS_GAME_HISTORY_ITEM>& game_positions);
    void prepare_best_moves();
    void fill_repetition_table(const std::vector<CHESS_GAME_HISTORY_ITEM>& game_positions);
    int32_t search_root(int32_t depth, int32_t alpha, int32_t beta);
    int32_t alpha_beta(int32_t depth, int32_t alpha, int32_t beta);
    int32_t quiesce(size_t ply, int32_t alpha, int32_t beta);
    struct EXPANSION {
        bool searched = false;
        bool cut_off = false;
        int32_t alpha = 0;
        int32_t type = 0;
    };
    EXPANSION expand(int32_t depth, int32_t alpha, int32_t beta);
    int32_t side_evaluation() const {
        const int32_t value = board_.evaluate();
        return board_.side_to_move == CHESS_GENERAL_CONSTANTS::white ? value : -value;
    }
    void count_node();
    void check_time();
    void answer_without_iteration();
    CHESS_MOVGEN& quiescent_generator(size_t ply);
    void report_iteration(int32_t score);
    CHESS_STATISTICS compute_statistics();

    CHESS_POSITION board_;
    std::optional<CHESS_PRINCIPLE_CONTINUATION> pc_;
    std::optional<CHESS_PRINCIPLE_CONTINUATION> last_pc_;
    CHESS_TRANSPOSITION_TABLE trans_;
    CHESS_REPETITION_TABLE repetition_;
    CHESS_MOVE_HISTORY move_history_;
    std::vector<CHESS_MOVGEN> movgen_stack_;   // index 0..max_ply
    std::deque<CHESS_MOVGEN> quiescent_stack_; // index 0..30, grown for made-up positions
    CHESS_STATISTICS statistics_;
    std::optional<std::string> best_sequence_;
    std::optional<CHESS_MOVE> item_;
    std::function<void(const CHESS_ITERATION_REPORT&)> iteration_observer_;
    bool want_qsearch_ = true;
    bool draw_ = false;
    bool stale_mate_ = false;
    bool check_mate_ = false;
    std::atomic<bool> terminated_ = false;
    bool searching_ = false;
    int32_t max_ply_ = 0;
    int64_t time_limit_ms_ = 0;
    int64_t search_time_begin_ = 0;
    int64_t search_time_end_ = 0;
    int32_t searching_depth_ = 0;
    int64_t node_count_ = 0;
    int32_t nps_ = 0;
    int64_t total_nodes_searched_ = 0;
    double total_search_duration_ = 0;
};
