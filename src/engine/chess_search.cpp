#include "engine/chess_search.h"

#include <algorithm>
#include <cmath>

namespace {

int32_t round_half_away(double x) {
    return static_cast<int32_t>(x < 0 ? -std::floor(-x + 0.5) : std::floor(x + 0.5));
}

} // namespace

CHESS_SEARCH::CHESS_SEARCH() {
    for (int32_t ply = 0; ply < quiescent_plies; ++ply) {
        quiescent_stack_.push_back(CHESS_MOVGEN::make_captures_only());
    }
}

void CHESS_SEARCH::reset(int32_t max_ply, std::chrono::seconds max_time, bool want_qsearch) {
    const FLAG_GUARD guard(searching_);
    CHESS_SEARCH_LIMITS limits;
    limits.max_ply = max_ply;
    limits.want_qsearch = want_qsearch;
    limits.time_limit = max_time;
    set_limits(std::move(limits));
    trans_.clear();
    repetition_.clear();
    move_history_.clear();
    pc_.reset();
    last_pc_.reset();
    search_time_begin_ = search_time_end_ = now();
    total_nodes_searched_ = 0;
    total_search_duration_ = 0;
    node_count_ = 0;
    stale_mate_ = check_mate_ = draw_ = false;
    item_.reset();
    best_sequence_.reset();
    statistics_ = compute_statistics();
}

// The generators keep nothing from one search to the next (killers are dropped and best moves
// handed out again), so the stack can be rebuilt for another depth limit without any effect.
void CHESS_SEARCH::set_limits(CHESS_SEARCH_LIMITS limits) {
    const bool rebuild = limits.max_ply != limits_.max_ply || movgen_stack_.empty();
    limits_ = std::move(limits);
    if (rebuild) {
        movgen_stack_.clear();
        for (int32_t depth = 0; depth <= limits_.max_ply; ++depth) {
            movgen_stack_.push_back(CHESS_MOVGEN::make_with_history(&move_history_));
        }
    }
}

void CHESS_SEARCH::restart_clock(CHESS_SEARCH_LIMITS::DURATION time_limit,
                                 CHESS_SEARCH_LIMITS::DURATION iteration_time) {
    const CLOCK::time_point start = now();
    deadline_ = start + time_limit;
    last_iteration_start_ = start + iteration_time;
}

void CHESS_SEARCH::search(const CHESS_POSITION& position,
                          const std::vector<CHESS_GAME_HISTORY_ITEM>& game_positions) {
    const FLAG_GUARD guard(searching_);
    board_ = position;
    stale_mate_ = check_mate_ = draw_ = false;
    item_.reset();
    pc_.reset();
    last_pc_.reset();
    trans_.set_position(&board_);

    move_history_.age();
    for (CHESS_MOVGEN& generator : movgen_stack_) {
        generator.clear_killer();
    }
    const CHESS_POSITION saved = board_;
    node_count_ = 0;
    search_time_begin_ = now();
    deadline_ = search_time_begin_ + limits_.time_limit;
    last_iteration_start_ = search_time_begin_ + limits_.iteration_time;

    try {
        iterate(game_positions);
    } catch (const ABORT&) {
        board_ = saved;
    }

    if (!last_pc_) {
        answer_without_iteration();
    } else if (!check_mate_ && !stale_mate_ && !draw_) {
        item_ = last_pc_->item(1, 1);
    }
    search_time_end_ = now();
    best_sequence_ = pv_text(last_pc_ ? last_pc_->best_line() : std::vector<CHESS_MOVE>(), board_);
    statistics_ = compute_statistics();
}

// A search ended before its first iteration completed still answers: the best root move found
// so far, else the first legal move in generator order, or the mate or stalemate when there is
// none.
void CHESS_SEARCH::answer_without_iteration() {
    if (pc_ && pc_->pclength(1) > 1) {
        item_ = pc_->item(1, 1);
        return;
    }
    CHESS_MOVGEN generator;
    generator.play_legal_moves(board_, [this](const CHESS_MOVE& m) {
        if (is_root_move(m)) {
            item_ = m;
        }
        return !item_;
    });
    if (!item_) {
        (board_.in_check(board_.side_to_move) ? check_mate_ : stale_mate_) = true;
    }
}

void CHESS_SEARCH::iterate(const std::vector<CHESS_GAME_HISTORY_ITEM>& game_positions) {
    for (searching_depth_ = std::min(first_depth, limits_.max_ply);
         searching_depth_ <= limits_.max_ply && iteration_may_start(); ++searching_depth_) {
        prepare_best_moves();
        pc_.emplace(searching_depth_);
        fill_repetition_table(game_positions);
        selective_depth_ = 0;
        const int32_t score = search_root(searching_depth_, -window, window);
        if (check_mate_ || stale_mate_) {
            return; // no move to search, at any depth
        }
        last_pc_ = std::move(pc_);
        pc_.reset();
        report_iteration(score);
        if (mate_proven(score)) {
            return;
        }
    }
}

bool CHESS_SEARCH::iteration_may_start() const {
    return !last_pc_ || now() < last_iteration_start_.load();
}

bool CHESS_SEARCH::mate_proven(int32_t score) const {
    return limits_.mate_moves > 0 && score >= mate_base - (2 * limits_.mate_moves - 1);
}

bool CHESS_SEARCH::is_root_move(const CHESS_MOVE& m) const {
    return limits_.root_moves.empty() ||
           std::find(limits_.root_moves.begin(), limits_.root_moves.end(), m) !=
               limits_.root_moves.end();
}

// The k-th move of the last completed line goes to the generator k - 1 plies below the root.
void CHESS_SEARCH::prepare_best_moves() {
    for (CHESS_MOVGEN& generator : movgen_stack_) {
        generator.clear_best_move();
    }
    if (!last_pc_) {
        return;
    }
    const std::vector<CHESS_MOVE> line = last_pc_->best_line();
    for (int32_t k = 1; k <= static_cast<int32_t>(line.size()) && k <= searching_depth_; ++k) {
        movgen_stack_[searching_depth_ - k + 1].set_best_move(line[k - 1]);
    }
}

void CHESS_SEARCH::fill_repetition_table(
    const std::vector<CHESS_GAME_HISTORY_ITEM>& game_positions) {
    repetition_.clear();
    for (const CHESS_GAME_HISTORY_ITEM& item : game_positions) {
        if (!repetition_.has(item.board)) {
            repetition_.insert(item.board);
        }
    }
}

// Step 1-2 of a node: empty line, count the node, check the limits and the messages.
void CHESS_SEARCH::count_node() {
    ++node_count_;
    if (node_count_ == limits_.node_limit) {
        throw ABORT{};
    }
    if (node_count_ % limits_.clock_interval == 0) {
        check_time();
    }
    if (node_count_ % pump_interval == 0) {
        pump_message();
        if (terminated_) {
            throw ABORT{};
        }
    }
}

// The game's time-out waits for the first iteration to complete, so that there is always a line
// to answer with; a stop request does not wait, nor does a budget that must not be overrun.
void CHESS_SEARCH::check_time() {
    const bool deadline_applies = last_pc_ || !limits_.first_iteration_completes;
    if (terminated_ || (deadline_applies && now() > deadline_.load())) {
        throw ABORT{};
    }
}

int32_t CHESS_SEARCH::search_root(int32_t depth, int32_t alpha, int32_t beta) {
    pc_->set_pclength(pc_->row_of(depth), pc_->row_of(depth));
    const EXPANSION result = expand(depth, alpha, beta);
    if (!result.searched) {
        (board_.in_check(board_.side_to_move) ? check_mate_ : stale_mate_) = true;
        return 0;
    }
    if (limits_.fifty_move_draw && board_.state.fifty_counter > CHESS_GAME::fifty_move_limit &&
        !board_.in_check(board_.side_to_move)) {
        draw_ = true;
    } else if (limits_.root_margin == 0) {
        // A root score with a random bonus is no score of the position.
        trans_.store(depth, result.alpha, result.type);
    }
    return result.alpha;
}

int32_t CHESS_SEARCH::alpha_beta(int32_t depth, int32_t alpha, int32_t beta) {
    // Step 1-2. Empty line, node count.
    const int32_t r = pc_->row_of(depth);
    pc_->set_pclength(r, r);
    count_node();
    note_ply(searching_depth_ - depth);

    // Step 3. Repetition.
    if (repetition_.has(board_)) {
        return 0;
    }

    // Step 4. Transposition table lookup.
    trans_.probe(depth, alpha, beta);
    if (trans_.found()) {
        return trans_.last_score();
    }

    // Step 5. Leaf: quiescence or the static evaluation, stored as exact.
    if (depth == 0) {
        const int32_t value = limits_.want_qsearch ? quiesce(0, alpha, beta) : side_evaluation();
        trans_.store(0, value, CHESS_TRANSPOSITION_TABLE::entry_exact);
        return value;
    }

    // Step 6-8. Expand the node.
    const EXPANSION result = expand(depth, alpha, beta);

    // Step 9-10. Result.
    if (!result.searched) {
        return board_.in_check(board_.side_to_move) ? searching_depth_ - depth - mate_base : 0;
    }
    if (board_.state.fifty_counter > CHESS_GAME::fifty_move_limit) {
        return 0;
    }
    if (result.cut_off) {
        return beta;
    }
    trans_.store(depth, result.alpha, result.type);
    return result.alpha;
}

// Searches every legal move of the node with the generator of its depth, keeping the node in
// the repetition table meanwhile. A cut-off is stored, rewards the move in the history table and
// makes it the killer of the depth.
CHESS_SEARCH::EXPANSION CHESS_SEARCH::expand(int32_t depth, int32_t alpha, int32_t beta) {
    CHESS_MOVGEN& generator = movgen_stack_[depth];
    const int32_t r = pc_->row_of(depth);
    const int32_t key = board_.full_key();
    const int32_t lock = board_.full_lock();
    const bool at_root = depth == searching_depth_;
    int32_t root_move_number = 0;
    EXPANSION result{.searched = false,
                     .cut_off = false,
                     .alpha = alpha,
                     .type = CHESS_TRANSPOSITION_TABLE::entry_upper};

    repetition_.enter(key, lock);
    result.cut_off = generator.play_legal_moves(board_, [&](const CHESS_MOVE& m) {
        if (at_root && !is_root_move(m)) {
            return true;
        }
        if (at_root && root_move_observer_) {
            root_move_observer_(depth, m, ++root_move_number);
        }
        const int32_t score = at_root ? root_score(depth, result.alpha, beta)
                                      : -alpha_beta(depth - 1, -beta, -result.alpha);
        result.searched = true;
        if (score >= beta) {
            return false;
        }
        if (score > result.alpha) {
            result.alpha = score;
            result.type = CHESS_TRANSPOSITION_TABLE::entry_exact;
            pc_->update_line(r, m);
        }
        return true;
    });
    if (result.cut_off) {
        trans_.store(depth, beta, CHESS_TRANSPOSITION_TABLE::entry_lower);
        move_history_.add(generator.item(), depth);
        generator.set_killer(generator.item());
    }
    repetition_.leave(key, lock);
    return result;
}

// A root move's score, with the random bonus when going easy. The bonus never reaches the root's
// window, so the root still never cuts off.
int32_t CHESS_SEARCH::root_score(int32_t depth, int32_t alpha, int32_t beta) {
    if (limits_.root_margin == 0) {
        return -alpha_beta(depth - 1, -beta, -alpha);
    }
    const int32_t exact = -alpha_beta(depth - 1, -window, window);
    root_random_.forth();
    return std::min(exact + root_random_.item_in_range(0, limits_.root_margin), window - 1);
}

int32_t CHESS_SEARCH::quiesce(size_t ply, int32_t alpha, int32_t beta) {
    CHESS_MOVGEN& generator = quiescent_generator(ply);
    count_node();
    note_ply(searching_depth_ + static_cast<int32_t>(ply));

    const int32_t stand = side_evaluation();
    if (stand >= beta) {
        return beta;
    }
    if (stand > alpha) {
        alpha = stand;
    }
    for (generator.start(board_); generator.has_item(); generator.forth()) {
        generator.make_item();
        const int32_t value = -quiesce(ply + 1, -beta, -alpha);
        generator.unmake_item();
        if (value >= beta) {
            return beta;
        }
        if (value > alpha) {
            alpha = value;
        }
    }
    return alpha;
}

// Thirty-one plies hold every capture sequence of a real game; a made-up position with more
// pieces gets more generators rather than running off the end.
CHESS_MOVGEN& CHESS_SEARCH::quiescent_generator(size_t ply) {
    while (ply >= quiescent_stack_.size()) {
        quiescent_stack_.push_back(CHESS_MOVGEN::make_captures_only());
    }
    return quiescent_stack_[ply];
}

void CHESS_SEARCH::report_iteration(int32_t score) {
    if (!iteration_observer_) {
        return;
    }
    iteration_observer_({.depth = searching_depth_,
                         .selective_depth = selective_depth_,
                         .score = score,
                         .nodes = node_count_,
                         .elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                             now() - search_time_begin_),
                         .hash_permille = static_cast<int32_t>(
                             static_cast<int64_t>(trans_.slots_used()) * 1000 / trans_.size()),
                         .line = last_pc_->best_line()});
}

CHESS_STATISTICS CHESS_SEARCH::compute_statistics() {
    total_nodes_searched_ += node_count_;
    const int64_t micros =
        std::chrono::duration_cast<std::chrono::microseconds>(search_time_end_ - search_time_begin_)
            .count();
    const double duration = static_cast<double>(micros) * 1e-6;
    total_search_duration_ += duration;
    nps_ = micros > 0 ? round_half_away(static_cast<double>(node_count_) / duration) : 0;

    CHESS_STATISTICS statistics;
    statistics.nodes_per_second_measured = total_search_duration_ > 0;
    statistics.nodes_per_second =
        statistics.nodes_per_second_measured
            ? round_half_away(static_cast<double>(total_nodes_searched_) / total_search_duration_)
            : 0;
    statistics.last_nps_measured = micros > 0;
    statistics.last_nps = nps_;
    statistics.last_node_count = node_count_;
    statistics.total_hash_slots = trans_.size();
    statistics.hash_slots_used = trans_.slots_used();
    statistics.total_hash_collisions = trans_.num_collisions();
    statistics.total_hash_lookups = trans_.num_lookups();
    statistics.best_sequence = best_sequence_.value_or("N/A");
    return statistics;
}

std::string CHESS_SEARCH::pv_text(const std::vector<CHESS_MOVE>& line, CHESS_POSITION& board) {
    if (line.empty()) {
        return "nothing";
    }
    std::function<std::string(size_t)> text_from = [&](size_t k) -> std::string {
        if (k == line.size()) {
            return "";
        }
        const CHESS_MOVE& m = line[k];
        std::string text;
        std::string rest;
        if (!m.fits(board)) {
            text = "INV";
            rest = text_from(k + 1);
        } else {
            const CHESS_STATE saved = board.state;
            m.execute(board);
            rest = text_from(k + 1);
            m.unmake(board);
            board.copy_state(saved);
            text = m.out(board);
        }
        return rest.empty() ? text : text + ", " + rest;
    };
    return text_from(0);
}
