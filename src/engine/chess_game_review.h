// The review of a game after (or during) play: every position before a move is searched to a
// fixed depth from scratch, so the result depends on the game alone, never on what was searched
// before. A played move that is not the engine's choice is searched on its own at the same depth
// from the same position, so the loss of a move compares two scores of one horizon. Mate scores
// stay mates: a mate counts as a fixed value beyond any material, and evaluations are capped
// below it, so a won position that stays won loses nothing.
//
// The review owns its own engine, so it can run on a thread of its own beside the game's search
// without sharing any table with it. `stop` may be called from any thread and ends `run` within a
// few thousand nodes; the results are read once `run` has returned.
#pragma once

#include "engine/chess_search_no_thread.h"
#include "rules/chess_game.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// An evaluation as the review shows it: centipawns from White's point of view, or a mate.
struct CHESS_REVIEW_SCORE {
    int32_t centipawns = 0;
    bool mate = false;
    int32_t mate_moves = 0; // moves the winner still needs; 0 once the mate is on the board
    int32_t winner = 0;     // the side that mates

    // "35", "-120", "#3" (White mates in 3), "#-2" (Black mates in 2).
    std::string text() const;
};

enum class CHESS_REVIEW_MARK { none, blunder, mistake, missed_win, best };

struct CHESS_REVIEWED_PLY {
    int32_t ply = 0; // 1-based index into the game's history
    int32_t side = 0;
    CHESS_MOVE move;
    std::string played; // standard algebraic notation
    CHESS_REVIEW_SCORE before;
    CHESS_REVIEW_SCORE after;
    CHESS_MOVE better_move; // the engine's choice in the position before the move
    std::string better;
    std::vector<std::string> line; // the engine's line from the position before the move
    int32_t loss = 0;              // centipawns the move gave away, from the mover's view
    bool walked_into_mate = false;
    CHESS_REVIEW_MARK mark = CHESS_REVIEW_MARK::none;
};

struct CHESS_TURNING_POINT {
    enum class KIND { blunder, mistake, missed_win, best_move, her_mistake };
    KIND kind = KIND::blunder;
    int32_t ply = 0; // 1-based, as in CHESS_REVIEWED_PLY
};

class CHESS_GAME_REVIEW : public CHESS_GENERAL_CONSTANTS {
  public:
    static constexpr int32_t default_depth = 4;
    static constexpr int32_t blunder_loss = 300;
    static constexpr int32_t mistake_loss = 150;
    // A lead this large is a win; a move that gives it away (or a mate) misses the win.
    static constexpr int32_t winning_lead = 300;
    static constexpr int32_t mate_value = 2000;
    static constexpr int32_t evaluation_cap = 1000;
    static constexpr size_t presented_points = 3;

    // Called after each ply with the plies done and the plies in all.
    using PROGRESS = std::function<void(int32_t, int32_t)>;

    explicit CHESS_GAME_REVIEW(int32_t depth = default_depth);

    // Reviews every move of game; player_color is the human's side. False when stopped.
    bool run(const CHESS_GAME& game, int32_t player_color, const PROGRESS& progress = {});
    // Ends the run in progress, and any later one, without results.
    void stop();

    const std::vector<CHESS_REVIEWED_PLY>& plies() const { return plies_; }
    const CHESS_REVIEWED_PLY& ply(int32_t n) const { return plies_.at(static_cast<size_t>(n - 1)); }
    // The moments worth showing, at most `limit`, in the order of the game: the player's
    // costliest moves first, then her own worst move, then the player's best move, then the
    // player's other losing moves.
    std::vector<CHESS_TURNING_POINT> turning_points(size_t limit = presented_points) const;

  private:
    struct RESULT {
        int32_t score = 0; // from the side to move, as the search scores
        std::vector<CHESS_MOVE> line;
    };
    RESULT search(const CHESS_GAME& game, int32_t ply, const std::vector<CHESS_MOVE>& root_moves);
    CHESS_REVIEWED_PLY review_ply(const CHESS_GAME& game, int32_t ply);
    void mark_plies();
    static CHESS_REVIEW_SCORE white_view(int32_t score, int32_t mover, int32_t plies_played);
    static std::vector<std::string> san_line(CHESS_POSITION board,
                                             const std::vector<CHESS_MOVE>& line);

    int32_t depth_;
    int32_t player_color_ = white;
    CHESS_SEARCH_NO_THREAD engine_;
    std::atomic<bool> stop_requested_ = false;
    std::vector<CHESS_REVIEWED_PLY> plies_;
};
