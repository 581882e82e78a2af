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
    CHESS_MOVGEN& moves = generator(ply);
    const bool in_check = board.in_check(board.side_to_move);
    int64_t leaves = 0;
    for (moves.start(board); moves.has_item(); moves.forth()) {
        moves.make_item();
        if (moves.item_is_legal(in_check)) {
            leaves += depth == 1 ? 1 : count_at(board, depth - 1, ply + 1);
        }
        moves.unmake_item();
    }
    return leaves;
}

int64_t CHESS_PERFT::divide(CHESS_POSITION& board, int32_t depth,
                            const std::function<void(const CHESS_MOVE&, int64_t)>& report) {
    if (depth <= 0) {
        return 1;
    }
    CHESS_MOVGEN root;
    const bool in_check = board.in_check(board.side_to_move);
    int64_t total = 0;
    for (root.start(board); root.has_item(); root.forth()) {
        root.make_item();
        if (root.item_is_legal(in_check)) {
            const int64_t leaves = depth == 1 ? 1 : count_at(board, depth - 1, 0);
            report(root.item(), leaves);
            total += leaves;
        }
        root.unmake_item();
    }
    return total;
}
