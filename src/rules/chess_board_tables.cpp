#include "rules/chess_board_tables.h"

#include "rules/kwo_random.h"

#include <cstdlib>

namespace {

using KIND = CHESS_PATH_KIND;

struct STEP {
    int32_t rank_delta;
    int32_t file_delta;
};

constexpr STEP north{+1, 0}, south{-1, 0}, east{0, +1}, west{0, -1};
constexpr STEP north_east{+1, +1}, north_west{+1, -1}, south_east{-1, +1}, south_west{-1, -1};

using SQ = CHESS_SQUARE_CONSTANTS;

bool on_board(int32_t file, int32_t rank) {
    return SQ::is_valid_file(file) && SQ::is_valid_rank(rank);
}

CHESS_PATH empty_path(KIND kind) {
    CHESS_PATH path;
    path.kind = kind;
    return path;
}

CHESS_PATH slide(int32_t origin, STEP step, KIND kind, int32_t move_type) {
    CHESS_PATH path;
    path.kind = kind;
    path.move_type = static_cast<uint8_t>(move_type);
    int32_t file = SQ::file(origin) + step.file_delta;
    int32_t rank = SQ::rank(origin) + step.rank_delta;
    while (on_board(file, rank)) {
        path.add_square(SQ::square(file, rank));
        file += step.file_delta;
        rank += step.rank_delta;
    }
    return path;
}

template <size_t N>
CHESS_PATH targets(int32_t origin, KIND kind, const STEP (&steps)[N]) {
    CHESS_PATH path;
    path.kind = kind;
    for (const STEP& step : steps) {
        const int32_t file = SQ::file(origin) + step.file_delta;
        const int32_t rank = SQ::rank(origin) + step.rank_delta;
        if (on_board(file, rank)) {
            path.add_square(SQ::square(file, rank));
        }
    }
    return path;
}

CHESS_PATH knight_path(int32_t origin) {
    static constexpr STEP steps[] = {{+2, +1}, {+2, -1}, {-2, +1}, {-2, -1},
                                     {+1, +2}, {+1, -2}, {-1, +2}, {-1, -2}};
    return targets(origin, KIND::knight, steps);
}

CHESS_PATH king_path(int32_t origin) {
    static constexpr STEP steps[] = {{-1, -1}, {-1, 0},  {-1, +1}, {0, -1},
                                     {0, +1},  {+1, -1}, {+1, 0},  {+1, +1}};
    return targets(origin, KIND::king, steps);
}

CHESS_PATH castle_path(int32_t origin) {
    CHESS_PATH path = empty_path(KIND::castle);
    if (origin == SQ::e1) {
        path.add_square(SQ::g1);
        path.add_square(SQ::c1);
    } else if (origin == SQ::e8) {
        path.add_square(SQ::g8);
        path.add_square(SQ::c8);
    }
    return path;
}

int32_t forward(int32_t side) {
    return side == CHESS_GENERAL_CONSTANTS::white ? +1 : -1;
}

CHESS_PATH pawn_steps(int32_t origin, int32_t side) {
    CHESS_PATH path;
    path.kind = KIND::pawn;
    const int32_t rank = SQ::rank(origin);
    if (rank == 1 || rank == 8) {
        return path;
    }
    const int32_t start_rank = side == CHESS_GENERAL_CONSTANTS::white ? 2 : 7;
    path.add_square(origin + 8 * forward(side));
    if (rank == start_rank) {
        path.add_square(origin + 16 * forward(side));
    }
    return path;
}

CHESS_PATH pawn_promote_step(int32_t origin, int32_t side) {
    CHESS_PATH path;
    path.kind = KIND::pawn_promote;
    path.add_square(origin + 8 * forward(side));
    return path;
}

// The squares one rank ahead (rank_delta) on the neighbouring files, file - 1 first.
CHESS_PATH pawn_diagonals(int32_t origin, int32_t rank_delta, KIND kind) {
    const STEP steps[] = {{rank_delta, -1}, {rank_delta, +1}};
    return targets(origin, kind, steps);
}

CHESS_PATH pawn_captures(int32_t origin, int32_t side, KIND kind) {
    const int32_t rank = SQ::rank(origin);
    if (rank < 2 || rank > 7) {
        return empty_path(kind);
    }
    return pawn_diagonals(origin, forward(side), kind);
}

CHESS_PATH pawn_en_passant(int32_t origin, int32_t side) {
    const int32_t ep_rank = side == CHESS_GENERAL_CONSTANTS::white ? 5 : 4;
    if (SQ::rank(origin) != ep_rank) {
        return empty_path(KIND::pawn_ep);
    }
    return pawn_diagonals(origin, forward(side), KIND::pawn_ep);
}

// The squares from which a pawn of side would capture on target.
CHESS_PATH reverse_pawn_captures(int32_t target, int32_t side) {
    const int32_t rank = SQ::rank(target);
    const bool white = side == CHESS_GENERAL_CONSTANTS::white;
    if ((white && rank <= 2) || (!white && rank >= 7)) {
        return empty_path(KIND::pawn_capture);
    }
    return pawn_diagonals(target, -forward(side), KIND::pawn_capture);
}

void append(std::vector<CHESS_PATH>& list, const CHESS_PATH& path) {
    if (!path.is_empty()) {
        list.push_back(path);
    }
}

// Piece-square tables as printed from White's side: row 0 is rank 8.
using TABLE = std::array<int32_t, 64>;

constexpr TABLE zero_table{};

constexpr TABLE pawn_middle{0, 0, 0,  0,   0,   0,  0, 0, 5, 10, 15, 20,  20,  15, 10, 5,
                            4, 8, 12, 16,  16,  12, 8, 4, 3, 6,  9,  12,  12,  9,  6,  3,
                            2, 4, 6,  8,   8,   6,  4, 2, 1, 2,  3,  -10, -10, 3,  2,  1,
                            0, 0, 0,  -40, -40, 0,  0, 0, 0, 0,  0,  0,   0,   0,  0,  0};

constexpr TABLE pawn_end{0,  0,  0,  0,   0,   0,  0,  0,  15, 15, 15, 20,  20,  15, 15, 15,
                         12, 12, 12, 16,  16,  12, 12, 12, 10, 10, 10, 12,  12,  10, 10, 10,
                         6,  6,  6,  8,   8,   6,  6,  6,  5,  5,  5,  -10, -10, 5,  5,  5,
                         5,  5,  5,  -40, -40, 5,  5,  5,  0,  0,  0,  0,   0,   0,  0,  0};

constexpr TABLE knight_middle{-10, -10, -10, -10, -10, -10, -10, -10, -10, 0,   0,   0,   0,
                              0,   0,   -10, -10, 0,   5,   5,   5,   5,   0,   -10, -10, 0,
                              5,   10,  10,  5,   0,   -10, -10, 0,   5,   10,  10,  5,   0,
                              -10, -10, 0,   5,   5,   5,   5,   0,   -10, -10, 0,   0,   0,
                              0,   0,   0,   -10, -10, -30, -10, -10, -10, -10, -30, -10};

constexpr TABLE bishop_middle{-10, -10, -10, -10, -10, -10, -10, -10, -10, 0,   0,   0,   0,
                              0,   0,   -10, -10, 0,   5,   5,   5,   5,   0,   -10, -10, 0,
                              5,   10,  10,  5,   0,   -10, -10, 0,   5,   10,  10,  5,   0,
                              -10, -10, 0,   5,   5,   5,   5,   0,   -10, -10, 0,   0,   0,
                              0,   0,   0,   -10, -10, -10, -20, -10, -10, -20, -10, -10};

constexpr TABLE king_middle{-40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40,
                            -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40,
                            -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40, -40,
                            -40, -40, -40, -40, -40, -40, -40, -40, -40, -20, -20, -20, -20,
                            -20, -20, -20, -20, 0,   20,  40,  -20, 0,   -20, 40,  20};

constexpr TABLE king_end{0,  10, 20, 30, 30, 20, 10, 0,  10, 20, 30, 40, 40, 30, 20, 10,
                         20, 30, 40, 50, 50, 40, 30, 20, 30, 40, 50, 60, 60, 50, 40, 30,
                         30, 40, 50, 60, 60, 50, 40, 30, 20, 30, 40, 50, 50, 40, 30, 20,
                         10, 20, 30, 40, 40, 30, 20, 10, 0,  10, 20, 30, 30, 20, 10, 0};

// The printed value for square s read with s as a print-order index (a8 first): this is the
// value of the mirrored square, which is what a black piece on s takes.
int32_t printed_at_index(const TABLE& table, int32_t s) {
    return table[s - 1];
}

int32_t mirror(int32_t s) {
    return SQ::square(SQ::file(s), 9 - SQ::rank(s));
}

} // namespace

const CHESS_BOARD_TABLES& CHESS_BOARD_TABLES::instance() {
    static const CHESS_BOARD_TABLES tables;
    return tables;
}

CHESS_BOARD_TABLES::CHESS_BOARD_TABLES() {
    std::vector<PATHS> move_paths(move_table_.size());
    std::vector<PATHS> attack_paths(attack_table_.size());
    build_move_table(move_paths);
    build_attack_table(attack_paths);
    pool_paths(move_paths, attack_paths);
    fill_piece_square_scores();
    fill_deltas();
    fill_rays();
}

void CHESS_BOARD_TABLES::build_move_table(std::vector<PATHS>& move_paths) {
    KWO_RANDOM random(hash_seed);
    auto paths_of = [&](int32_t square, int32_t piece) -> PATHS& {
        return move_paths[piece + 12 * (square - 1)];
    };
    for (int32_t s = 1; s <= 64; ++s) {
        for (int32_t p = 1; p <= 12; ++p) {
            CHESS_MOVE_SQUARE& entry = move_table_[p + 12 * (s - 1)];
            random.forth();
            const int32_t a = std::abs(random.item());
            random.forth();
            const int32_t b = std::abs(random.item());
            entry.hash_val = a % 49000001 + 1000000;
            entry.hash_lock_val = b % 49000001 + 1000000;
        }

        for (STEP step : {north_west, north_east, south_west, south_east}) {
            const CHESS_PATH path = slide(s, step, KIND::diagonal, move_normal);
            append(paths_of(s, white_queen), path);
            append(paths_of(s, white_bishop), path);
        }
        for (STEP step : {south_west, south_east, north_west, north_east}) {
            const CHESS_PATH path = slide(s, step, KIND::diagonal, move_normal);
            append(paths_of(s, black_queen), path);
            append(paths_of(s, black_bishop), path);
        }

        auto rook_type = [s](int32_t side) {
            const int32_t queenside_corner = side == 1 ? a1 : a8;
            const int32_t kingside_corner = side == 1 ? h1 : h8;
            if (s == queenside_corner) {
                return move_rook_queenside;
            }
            return s == kingside_corner ? move_rook_kingside : move_normal;
        };
        for (STEP step : {north, east, west, south}) {
            append(paths_of(s, white_queen), slide(s, step, KIND::straight, move_normal));
            append(paths_of(s, white_rook), slide(s, step, KIND::straight, rook_type(1)));
        }
        for (STEP step : {south, east, west, north}) {
            append(paths_of(s, black_queen), slide(s, step, KIND::straight, move_normal));
            append(paths_of(s, black_rook), slide(s, step, KIND::straight, rook_type(2)));
        }

        append(paths_of(s, white_knight), knight_path(s));
        append(paths_of(s, black_knight), knight_path(s));

        for (int32_t king_piece : {white_king, black_king}) {
            append(paths_of(s, king_piece), king_path(s));
            append(paths_of(s, king_piece), castle_path(s));
        }

        for (int32_t side : {1, 2}) {
            const int32_t pawn_piece = piece(pawn, side);
            const int32_t last_but_one = side == 1 ? 7 : 2;
            if (rank(s) == last_but_one) {
                append(paths_of(s, pawn_piece), pawn_promote_step(s, side));
                append(paths_of(s, pawn_piece), pawn_captures(s, side, KIND::pawn_capture_promote));
            } else {
                append(paths_of(s, pawn_piece), pawn_steps(s, side));
                append(paths_of(s, pawn_piece), pawn_captures(s, side, KIND::pawn_capture));
            }
        }
        append(paths_of(s, white_pawn), pawn_en_passant(s, 1));
        append(paths_of(s, black_pawn), pawn_en_passant(s, 2));
    }
}

void CHESS_BOARD_TABLES::build_attack_table(std::vector<PATHS>& attack_paths) {
    for (int32_t q = 1; q <= 64; ++q) {
        for (int32_t side : {1, 2}) {
            PATHS& list = attack_paths[2 * (q - 1) + side - 1];
            for (STEP step : {north_west, north_east, south_west, south_east}) {
                append(list, slide(q, step, KIND::diagonal, move_normal));
            }
            for (STEP step : {north, south, east, west}) {
                append(list, slide(q, step, KIND::straight, move_normal));
            }
            append(list, knight_path(q));
            append(list, reverse_pawn_captures(q, side));
        }
    }
}

// Lays every list out contiguously in one pool, so that a list is a pointer and a count.
void CHESS_BOARD_TABLES::pool_paths(const std::vector<PATHS>& move_paths,
                                    const std::vector<PATHS>& attack_paths) {
    size_t total = 0;
    for (const PATHS& list : move_paths) {
        total += list.size();
    }
    for (const PATHS& list : attack_paths) {
        total += list.size();
    }
    pool_.reserve(total);
    auto lay_out = [this](const PATHS& list, CHESS_PATH_LIST& view) {
        view.first = pool_.data() + pool_.size();
        view.count = static_cast<uint32_t>(list.size());
        pool_.insert(pool_.end(), list.begin(), list.end());
    };
    for (size_t i = 0; i < move_paths.size(); ++i) {
        lay_out(move_paths[i], move_table_[i].paths);
    }
    for (size_t i = 0; i < attack_paths.size(); ++i) {
        lay_out(attack_paths[i], attack_table_[i]);
    }
}

void CHESS_BOARD_TABLES::fill_piece_square_scores() {
    struct KIND_TABLES {
        int32_t kind;
        const TABLE& middle;
        const TABLE& end;
    };
    const KIND_TABLES kinds[] = {{pawn, pawn_middle, pawn_end},
                                 {knight, knight_middle, zero_table},
                                 {bishop, bishop_middle, zero_table},
                                 {king, king_middle, king_end}};
    for (const KIND_TABLES& k : kinds) {
        for (int32_t s = 1; s <= 64; ++s) {
            CHESS_MOVE_SQUARE& white_entry = move_table_[k.kind + 12 * (s - 1)];
            white_entry.score = printed_at_index(k.middle, mirror(s));
            white_entry.score_endgame = printed_at_index(k.end, mirror(s));
            CHESS_MOVE_SQUARE& black_entry = move_table_[k.kind + 6 + 12 * (s - 1)];
            black_entry.score = printed_at_index(k.middle, s);
            black_entry.score_endgame = printed_at_index(k.end, s);
        }
    }
}

void CHESS_BOARD_TABLES::fill_deltas() {
    for (int32_t s = 1; s <= 64; ++s) {
        for (int32_t p = 1; p <= 12; ++p) {
            const CHESS_MOVE_SQUARE& entry = move_square(s, p);
            CHESS_PIECE_DELTA& d = deltas_[p + 12 * (s - 1)];
            const int32_t sign = side_of(p) == 1 ? 1 : -1;
            d.hash = entry.hash_val;
            d.lock = entry.hash_lock_val;
            (sign > 0 ? d.material_white : d.material_black) = value(kind_of(p));
            d.score = sign * entry.score;
            d.score_endgame = sign * entry.score_endgame;
        }
    }
}

void CHESS_BOARD_TABLES::fill_rays() {
    for (int32_t from = 1; from <= 64; ++from) {
        for (const CHESS_PATH& path : attack_paths(from, 1)) {
            if (path.is_slide()) {
                for (int i = 0; i < path.count; ++i) {
                    rays_[from][path.squares[i]] = &path;
                }
            }
        }
    }
}
