// velmora-openings-import POSITIONS.tsv > openings.tsv
//
// The opening data names positions (ECO code, name, EPD), not the moves that reach them. This
// walks the legal moves from the starting position, breadth first, through named positions and up
// to two unnamed plies between them, and prints for every named position it reaches the shortest
// line: ECO code, name and the moves in UCI form, tab separated, in the order of the input.
// Where lines of equal length reach a position, the one through the most popular first move wins
// (1. e4, 1. d4, 1. Nf3, 1. c4), and then the one through named positions, so transposed move
// orders give way to the usual ones.
#include "rules/chess_fen_reader.h"
#include "rules/chess_game.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

constexpr int32_t max_unnamed_plies = 2;
const std::vector<std::string> popular_first_moves = {"e2e4", "d2d4", "g1f3", "c2c4"};

struct NAMED_POSITION {
    std::string eco;
    std::string name;
    std::string line;
};

struct WALK_STEP {
    CHESS_POSITION board;
    std::string line;
    int32_t unnamed_plies;
};

// Placement, side to move and castling rights: what names a position. The en-passant square is
// left out because the data writes it only where a capture is possible.
std::string position_key(const CHESS_POSITION& board) {
    std::string key;
    for (int32_t s = 1; s <= 64; ++s) {
        key += static_cast<char>('A' + board.item(s));
    }
    key += board.side_to_move == 1 ? 'w' : 'b';
    key += board.state.white_kingside ? 'K' : '-';
    key += board.state.white_queenside ? 'Q' : '-';
    key += board.state.black_kingside ? 'k' : '-';
    key += board.state.black_queenside ? 'q' : '-';
    return key;
}

bool read_positions(const char* path, std::vector<std::string>& order,
                    std::unordered_map<std::string, NAMED_POSITION>& named) {
    std::ifstream in(path);
    if (!in) {
        std::cerr << "cannot read " << path << "\n";
        return false;
    }
    std::string row;
    while (std::getline(in, row)) {
        std::istringstream fields(row);
        std::string eco;
        std::string name;
        std::string epd;
        if (!std::getline(fields, eco, '\t') || !std::getline(fields, name, '\t') ||
            !std::getline(fields, epd)) {
            continue;
        }
        CHESS_FEN_READER reader;
        reader.read(epd + " 0 1");
        if (reader.failed()) {
            std::cerr << "skipped " << name << ": " << reader.error_message() << "\n";
            continue;
        }
        const std::string key = position_key(reader.position());
        if (named.emplace(key, NAMED_POSITION{eco, name, ""}).second) {
            order.push_back(key);
        }
    }
    return true;
}

// The moves from board, the popular first moves first.
std::vector<CHESS_MOVE> ordered_moves(const CHESS_POSITION& board) {
    std::vector<CHESS_MOVE> moves = CHESS_GAME(board).legal_moves();
    std::stable_sort(moves.begin(), moves.end(), [](const CHESS_MOVE& a, const CHESS_MOVE& b) {
        const auto rank = [](const CHESS_MOVE& m) {
            return std::find(popular_first_moves.begin(), popular_first_moves.end(), m.uci_text()) -
                   popular_first_moves.begin();
        };
        return rank(a) < rank(b);
    });
    return moves;
}

void walk(std::unordered_map<std::string, NAMED_POSITION>& named) {
    std::deque<WALK_STEP> queue;
    std::unordered_set<std::string> seen;
    CHESS_GAME start;
    queue.push_back(WALK_STEP{start.board(), "", 0});
    seen.insert(position_key(start.board()));
    while (!queue.empty()) {
        WALK_STEP step = std::move(queue.front());
        queue.pop_front();
        std::vector<WALK_STEP> unnamed;
        for (const CHESS_MOVE& m : ordered_moves(step.board)) {
            CHESS_POSITION child = step.board;
            m.execute(child);
            const std::string key = position_key(child);
            const auto found = named.find(key);
            const bool is_named = found != named.end();
            if (!is_named && step.unnamed_plies == max_unnamed_plies) {
                continue;
            }
            if (!seen.insert(key).second) {
                continue;
            }
            const std::string line =
                step.line.empty() ? m.uci_text() : step.line + " " + m.uci_text();
            if (is_named) {
                found->second.line = line;
                queue.push_back(WALK_STEP{child, line, 0});
            } else {
                unnamed.push_back(WALK_STEP{child, line, step.unnamed_plies + 1});
            }
        }
        std::move(unnamed.begin(), unnamed.end(), std::back_inserter(queue));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: velmora-openings-import POSITIONS.tsv\n";
        return 2;
    }
    std::vector<std::string> order;
    std::unordered_map<std::string, NAMED_POSITION> named;
    if (!read_positions(argv[1], order, named)) {
        return 1;
    }
    walk(named);
    int32_t missing = 0;
    for (const std::string& key : order) {
        const NAMED_POSITION& p = named.at(key);
        if (p.line.empty()) {
            ++missing;
            continue;
        }
        std::cout << p.eco << '\t' << p.name << '\t' << p.line << '\n';
    }
    std::cerr << order.size() - missing << " lines, " << missing << " positions not reached\n";
    return 0;
}
