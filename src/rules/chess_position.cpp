#include "rules/chess_position.h"

bool CHESS_POSITION::operator==(const CHESS_POSITION& other) const {
    return area_ == other.area_ && state == other.state && side_to_move == other.side_to_move &&
           white_king_square == other.white_king_square &&
           black_king_square == other.black_king_square && material_white == other.material_white &&
           material_black == other.material_black && position_score == other.position_score &&
           position_endgame_score == other.position_endgame_score && hkey == other.hkey &&
           hlock_key == other.hlock_key;
}

void CHESS_POSITION::clear() {
    area_.fill(empty);
    occupied_.fill(0);
    state = CHESS_STATE();
    side_to_move = white;
    white_king_square = black_king_square = 0;
    material_white = material_black = 0;
    position_score = position_endgame_score = 0;
    hkey = hlock_key = 0;
}

void CHESS_POSITION::set_initial_position() {
    clear();
    static constexpr int32_t back_rank[8] = {rook, knight, bishop, queen,
                                             king, bishop, knight, rook};
    for (int32_t file = 1; file <= 8; ++file) {
        put_piece(square(file, 1), piece(back_rank[file - 1], white));
        put_piece(square(file, 2), white_pawn);
    }
    for (int32_t file = 1; file <= 8; ++file) {
        put_piece(square(file, 8), piece(back_rank[file - 1], black));
        put_piece(square(file, 7), black_pawn);
    }
}

bool CHESS_POSITION::is_consistent() const {
    CHESS_POSITION fresh;
    for (int32_t s = 1; s <= 64; ++s) {
        if (area_[s] != empty) {
            fresh.put_piece(s, area_[s]);
        }
    }
    const bool kings_agree = (white_king_square == 0 || area_[white_king_square] == white_king) &&
                             (black_king_square == 0 || area_[black_king_square] == black_king) &&
                             fresh.white_king_square == white_king_square &&
                             fresh.black_king_square == black_king_square;
    return area_[0] == empty && occupied_ == fresh.occupied_ && kings_agree &&
           fresh.material_white == material_white && fresh.material_black == material_black &&
           fresh.position_score == position_score &&
           fresh.position_endgame_score == position_endgame_score && fresh.hkey == hkey &&
           fresh.hlock_key == hlock_key;
}
