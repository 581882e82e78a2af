// The computer's choice of move: fail-hard alpha-beta negamax with iterative deepening from
// depth 2, a captures-only quiescence search at the leaves, a transposition table, a repetition
// table, the previous iteration's line tried first, one killer per depth and a from-to history
// table. A time-out aborts the iteration in progress and the last completed one answers.
//
// The engine searches its own copy of the position, so the caller's board is never touched. Its
// only contacts with the platform are the monotonic clock and the message pump that a derived
// class provides; a stop request (`terminate`) aborts the search at the next reading of the
// clock, like a time-out. Whatever ends a search, and whatever escapes from it, `searching` is
// false afterwards.
#pragma once

#include "engine/chess_principle_continuation.h"
#include "engine/chess_repetition_table.h"
#include "engine/chess_search_limits.h"
#include "engine/chess_statistics.h"
#include "engine/chess_transposition_table.h"
#include "rules/chess_game.h"
#include "rules/chess_move_history.h"
#include "rules/chess_movgen.h"
#include "rules/kwo_random.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// What a completed iteration found, for programs that show the search's progress.
struct CHESS_ITERATION_REPORT {
    int32_t depth = 0;
    int32_t selective_depth = 0; // the deepest ply reached, quiescence included
    int32_t score = 0;
    int64_t nodes = 0;
    std::chrono::milliseconds elapsed{0};
    int32_t hash_permille = 0; // share of the transposition table in use
    std::vector<CHESS_MOVE> line;
};

class CHESS_SEARCH {
  public:
    static constexpr int32_t mate_base = 99999;
    static constexpr int32_t window = 100000;
    static constexpr int32_t first_depth = 2;
    static constexpr int32_t quiescent_plies = 31;
    static constexpr int64_t pump_interval = 5000;

    using CLOCK = std::chrono::steady_clock;

    CHESS_SEARCH();
    virtual ~CHESS_SEARCH() = default;
    CHESS_SEARCH(const CHESS_SEARCH&) = delete;
    CHESS_SEARCH& operator=(const CHESS_SEARCH&) = delete;

    // For a new or loaded game: options stored, tables and history emptied.
    void reset(int32_t max_ply, std::chrono::seconds max_time, bool want_qsearch);
    // Changes the limits between searches and keeps the tables, history and totals.
    void set_limits(CHESS_SEARCH_LIMITS limits);
    // Counts the time limits of the running search (or the next) from now on: a search that was
    // started without a clock gets one.
    void restart_clock(CHESS_SEARCH_LIMITS::DURATION time_limit,
                       CHESS_SEARCH_LIMITS::DURATION iteration_time);
    // The margin of a search that goes easy (see CHESS_SEARCH_LIMITS), until the next reset or
    // change of limits.
    void set_root_margin(int32_t margin) { limits_.root_margin = margin; }
    // Starts the random bonuses of the root moves again from this seed.
    void seed_root_bonus(int32_t seed) { root_random_.set_seed(seed); }
    // A table of this many slots, empty; the totals of the old one are dropped.
    void resize_hash(int32_t slots) { trans_.resize(slots); }
    void clear_hash() { trans_.clear(); }
    // Searches position; game_positions are the game's history items (their boards count for
    // repetition).
    void search(const CHESS_POSITION& position,
                const std::vector<CHESS_GAME_HISTORY_ITEM>& game_positions);

    void terminate() { terminated_ = true; }
    void clear_termination() { terminated_ = false; }
    bool searching() const { return searching_; }

    const std::optional<CHESS_MOVE>& item() const { return item_; }
    bool check_mate() const { return check_mate_; }
    bool stale_mate() const { return stale_mate_; }
    bool draw() const { return draw_; }
    const CHESS_STATISTICS& statistics() const { return statistics_; }
    const std::optional<std::string>& best_sequence() const { return best_sequence_; }
    int64_t node_count() const { return node_count_; }
    int32_t max_ply() const { return limits_.max_ply; }
    bool want_qsearch() const { return limits_.want_qsearch; }
    int32_t hash_slots() const { return trans_.size(); }

    void set_iteration_observer(std::function<void(const CHESS_ITERATION_REPORT&)> observer) {
        iteration_observer_ = std::move(observer);
    }
    // Called before each root move is searched: the iteration's depth, the move and its number
    // in the iteration (from 1).
    using ROOT_MOVE_OBSERVER = std::function<void(int32_t, const CHESS_MOVE&, int32_t)>;
    void set_root_move_observer(ROOT_MOVE_OBSERVER observer) {
        root_move_observer_ = std::move(observer);
    }

    // The moves of a line in move notation joined by ", ", each written in the position before
    // it; a move that does not fit its position is "INV" and not played. Empty: "nothing".
    static std::string pv_text(const std::vector<CHESS_MOVE>& line, CHESS_POSITION& board);

  protected:
    // Lets the platform handle the events pending now, without waiting for more.
    virtual void pump_message() = 0;
    virtual CLOCK::time_point now() const { return CLOCK::now(); }

  private:
    struct ABORT {};
    // Clears a flag when its scope ends, however it ends.
    struct FLAG_GUARD {
        bool& flag;
        explicit FLAG_GUARD(bool& f) : flag(f) { flag = true; }
        ~FLAG_GUARD() { flag = false; }
        FLAG_GUARD(const FLAG_GUARD&) = delete;
        FLAG_GUARD& operator=(const FLAG_GUARD&) = delete;
    };

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
    void note_ply(int32_t ply_from_root) {
        if (ply_from_root > selective_depth_) {
            selective_depth_ = ply_from_root;
        }
    }
    void check_time();
    bool iteration_may_start() const;
    bool mate_proven(int32_t score) const;
    int32_t root_score(int32_t depth, int32_t alpha, int32_t beta);
    bool is_root_move(const CHESS_MOVE& m) const;
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
    ROOT_MOVE_OBSERVER root_move_observer_;
    CHESS_SEARCH_LIMITS limits_;
    KWO_RANDOM root_random_{1};
    bool draw_ = false;
    bool stale_mate_ = false;
    bool check_mate_ = false;
    std::atomic<bool> terminated_ = false;
    bool searching_ = false;
    CLOCK::time_point search_time_begin_;
    CLOCK::time_point search_time_end_;
    // Moved by another thread when a search without a clock gets one.
    std::atomic<CLOCK::time_point> deadline_;
    std::atomic<CLOCK::time_point> last_iteration_start_;
    int32_t searching_depth_ = 0;
    int32_t selective_depth_ = 0;
    int64_t node_count_ = 0;
    int32_t nps_ = 0;
    int64_t total_nodes_searched_ = 0;
    double total_search_duration_ = 0;
};
