#include "rules/chess_perft.h"

CHESS_MOVGEN& CHESS_PERFT::generator(size_t ply) {
    while (generators_.size() <= ply) {
        generators_.emplace_back();
    }
    return generators_[ply];
}

int64_t CHESS_PERFT::count(CHESS_POSITION& board, int32_t depth) {
    return depth <= 0 ? 1 : count_at(board, depth, 0);
}

int64_t CHESS_PERFT::count_at(CHESS_POSITION& board, int32_t depth, size_t ply) {
    int64_t leaves = 0;
    generator(ply).play_legal_moves(board, [&](const CHESS_MOVE&) {
        leaves += depth == 1 ? 1 : count_at(board, depth - 1, ply + 1);
        return true;
    });
    return leaves;
}

int64_t CHESS_PERFT::divide(CHESS_POSITION& board, int32_t depth,
                            const std::function<void(const CHESS_MOVE&, int64_t)>& report) {
    if (depth <= 0) {
        return 1;
    }
    CHESS_MOVGEN root;
    int64_t total = 0;
    root.play_legal_moves(board, [&](const CHESS_MOVE& m) {
        const int64_t leaves = depth == 1 ? 1 : count_at(board, depth - 1, 0);
        report(m, leaves);
        total += leaves;
        return true;
    });
    return total;
}
