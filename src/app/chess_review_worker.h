// A game review run on a thread of its own, so that the window stays responsive while every
// position of the game is searched. It reviews its own copy of the game, never the game in play,
// and touches nothing of its owner. Progress and the end of the run are published through
// atomics that the owner polls from its own thread; the review's results are read only once
// `finished` has answered true. Stopping, or destroying the worker, ends the run within a few
// thousand nodes and joins the thread, so no run ever outlives its worker.
#pragma once

#include "engine/chess_game_review.h"
#include "rules/chess_game.h"

#include <atomic>
#include <cstdint>
#include <thread>

class CHESS_REVIEW_WORKER {
  public:
    // Starts reviewing a copy of game; player_color is the human's side.
    CHESS_REVIEW_WORKER(const CHESS_GAME& game, int32_t player_color,
                        int32_t depth = CHESS_GAME_REVIEW::default_depth);
    ~CHESS_REVIEW_WORKER();
    CHESS_REVIEW_WORKER(const CHESS_REVIEW_WORKER&) = delete;
    CHESS_REVIEW_WORKER& operator=(const CHESS_REVIEW_WORKER&) = delete;

    // True once every ply has been reviewed; the thread has then been joined.
    bool finished();
    // Plies reviewed so far, and the plies in all.
    int32_t done() const { return done_; }
    int32_t total() const { return total_; }
    // The results; only after finished() has answered true.
    const CHESS_GAME_REVIEW& review() const;

  private:
    void run();
    void join();

    const CHESS_GAME game_;
    const int32_t player_color_;
    const int32_t total_;
    CHESS_GAME_REVIEW review_;
    std::atomic<int32_t> done_ = 0;
    std::atomic<bool> completed_ = false;
    std::thread thread_; // last: it starts once everything it reads is in place
};
