#include "app/chess_review_worker.h"

#include <cassert>

CHESS_REVIEW_WORKER::CHESS_REVIEW_WORKER(const CHESS_GAME& game, int32_t player_color,
                                         int32_t depth)
    : game_(game), player_color_(player_color), total_(game.move_count()), review_(depth),
      thread_(&CHESS_REVIEW_WORKER::run, this) {}

CHESS_REVIEW_WORKER::~CHESS_REVIEW_WORKER() {
    review_.stop();
    join();
}

void CHESS_REVIEW_WORKER::run() {
    const bool completed = review_.run(game_, player_color_, [this](int32_t done, int32_t) {
        done_.store(done, std::memory_order_relaxed);
    });
    completed_.store(completed, std::memory_order_release);
}

bool CHESS_REVIEW_WORKER::finished() {
    if (!completed_.load(std::memory_order_acquire)) {
        return false;
    }
    join();
    return true;
}

void CHESS_REVIEW_WORKER::join() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

const CHESS_GAME_REVIEW& CHESS_REVIEW_WORKER::review() const {
    assert(completed_.load(std::memory_order_acquire) && !thread_.joinable());
    return review_;
}
