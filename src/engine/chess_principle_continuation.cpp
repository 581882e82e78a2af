#include "engine/chess_principle_continuation.h"

CHESS_PRINCIPLE_CONTINUATION::CHESS_PRINCIPLE_CONTINUATION(int32_t max_depth)
    : max_depth_(max_depth), elements_((max_depth + 1) * (max_depth + 1)),
      pclength_(max_depth + 2, 0) {}

void CHESS_PRINCIPLE_CONTINUATION::update_line(int32_t r, const CHESS_MOVE& move) {
    item(r, r) = move;
    for (int32_t column = r + 1; column < pclength_[r + 1]; ++column) {
        item(r, column) = item(r + 1, column);
    }
    pclength_[r] = pclength_[r + 1];
}

std::vector<CHESS_MOVE> CHESS_PRINCIPLE_CONTINUATION::best_line() const {
    std::vector<CHESS_MOVE> line;
    for (int32_t column = 1; column < pclength_[1]; ++column) {
        line.push_back(item(1, column));
    }
    return line;
}
