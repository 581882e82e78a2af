// velmora-openings-import POSITIONS.tsv > openings.tsv
//
// The opening data names positions (ECO code, name, EPD), not the moves that reach them. This
// walks the legal moves from the starting position, breadth first, through named positions and up
// to two unnamed plies between them, and prints for every named position it reaches a shortest
// line: ECO code, name and the moves in UCI form, tab separated, in the order of the input.
// Among lines of equal length the one through most positions of the opening's own family wins,
// then the one through the most popular first move (1. e4, 1. d4, 1. Nf3, 1. c4) and through
// pawn moves first, so transposed move orders give way to the usual ones.
#include "rules/chess_fen_reader.h"
#include "rules/chess_game.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int32_t max_unnamed_plies = 2;
const std::vector<std::string> popular_first_moves = {"e2e4", "d2d4", "g1f3", "c2c4"};

struct NAMED_POSITION {
    std::string eco;
    std::string name;
    std::string line;
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

// The moves from board: the popular first moves, then pawn moves, then the rest. Openings
// mostly start with pawns, so where two move orders meet, the pawn's comes first.
std::vector<CHESS_MOVE> ordered_moves(const CHESS_POSITION& board) {
    std::vector<CHESS_MOVE> moves = CHESS_GAME(board).legal_moves();
    const auto rank = [](const CHESS_MOVE& m) {
        const auto popular =
            std::find(popular_first_moves.begin(), popular_first_moves.end(), m.uci_text());
        if (popular != popular_first_moves.end()) {
            return popular - popular_first_moves.begin();
        }
        const bool pawn = CHESS_PIECE_CONSTANTS::kind_of(m.piece) == CHESS_PIECE_CONSTANTS::pawn;
        return std::ssize(popular_first_moves) + (pawn ? 0 : 1);
    };
    std::stable_sort(moves.begin(), moves.end(),
                     [&](const CHESS_MOVE& a, const CHESS_MOVE& b) { return rank(a) < rank(b); });
    return moves;
}

// A position of the walk: how far from the start, how many unnamed plies lead into it, and every
// position one ply nearer the start that reaches it, with the move.
struct WALK_NODE {
    int32_t depth = 0;
    int32_t unnamed_plies = 0;
    const NAMED_POSITION* named = nullptr;
    std::vector<std::pair<int32_t, std::string>> parents;
};

class OPENING_WALK {
  public:
    explicit OPENING_WALK(std::unordered_map<std::string, NAMED_POSITION>& named) : named_(named) {}

    // Breadth first from the starting position, keeping every shortest way into each position.
    void run() {
        std::deque<std::pair<int32_t, CHESS_POSITION>> queue;
        CHESS_GAME start;
        ids_.emplace(position_key(start.board()), 0);
        nodes_.emplace_back();
        queue.emplace_back(0, start.board());
        while (!queue.empty()) {
            const auto [id, board] = queue.front();
            queue.pop_front();
            for (const CHESS_MOVE& m : ordered_moves(board)) {
                CHESS_POSITION child = board;
                m.execute(child);
                visit(id, m.uci_text(), child, queue);
            }
        }
    }

    // The line to a named position: among the shortest, the one through most positions of the
    // same opening family ("Sicilian Defense" for "Sicilian Defense: Najdorf Variation"), then
    // through most named positions; the usual move order of an opening names its positions.
    void write_lines() {
        for (const auto& [key, id] : ids_) {
            NODE_SCORES scores;
            const WALK_NODE& node = nodes_[static_cast<std::size_t>(id)];
            if (node.named != nullptr) {
                const std::string family = family_of(node.named->name);
                best(id, family, scores);
                named_.at(key).line = line_to(id, scores);
            }
        }
    }

  private:
    using NODE_SCORES = std::unordered_map<int32_t, std::pair<int32_t, std::size_t>>;

    void visit(int32_t parent, const std::string& move, const CHESS_POSITION& child,
               std::deque<std::pair<int32_t, CHESS_POSITION>>& queue) {
        const WALK_NODE& from = nodes_[static_cast<std::size_t>(parent)];
        const std::string key = position_key(child);
        const auto found = named_.find(key);
        const int32_t unnamed = found != named_.end() ? 0 : from.unnamed_plies + 1;
        if (unnamed > max_unnamed_plies) {
            return;
        }
        const int32_t depth = from.depth + 1;
        const auto known = ids_.find(key);
        if (known == ids_.end()) {
            const auto id = static_cast<int32_t>(nodes_.size());
            ids_.emplace(key, id);
            WALK_NODE node;
            node.depth = depth;
            node.unnamed_plies = unnamed;
            node.named = found != named_.end() ? &found->second : nullptr;
            node.parents.emplace_back(parent, move);
            nodes_.push_back(std::move(node));
            queue.emplace_back(id, child);
            return;
        }
        WALK_NODE& node = nodes_[static_cast<std::size_t>(known->second)];
        if (node.depth == depth) {
            node.parents.emplace_back(parent, move);
            node.unnamed_plies = std::min(node.unnamed_plies, unnamed);
        }
    }

    static std::string family_of(const std::string& name) { return name.substr(0, name.find(':')); }

    // The best score of a way from the start into id, and which parent it comes through.
    int32_t best(int32_t id, const std::string& family, NODE_SCORES& scores) {
        const auto known = scores.find(id);
        if (known != scores.end()) {
            return known->second.first;
        }
        const WALK_NODE& node = nodes_[static_cast<std::size_t>(id)];
        int32_t own = 0;
        if (node.named != nullptr) {
            own = family_of(node.named->name) == family ? 1000 : 1;
        }
        int32_t best_score = -1;
        std::size_t best_parent = 0;
        for (std::size_t i = 0; i < node.parents.size(); ++i) {
            const int32_t score = best(node.parents[i].first, family, scores);
            if (score > best_score) {
                best_score = score;
                best_parent = i;
            }
        }
        const int32_t total = own + std::max(best_score, 0);
        scores.emplace(id, std::make_pair(total, best_parent));
        return total;
    }

    std::string line_to(int32_t id, const NODE_SCORES& scores) const {
        std::vector<std::string> moves;
        while (id != 0) {
            const WALK_NODE& node = nodes_[static_cast<std::size_t>(id)];
            const auto& [parent, move] = node.parents[scores.at(id).second];
            moves.push_back(move);
            id = parent;
        }
        std::string line;
        for (auto move = moves.rbegin(); move != moves.rend(); ++move) {
            line += (line.empty() ? "" : " ") + *move;
        }
        return line;
    }

    std::unordered_map<std::string, NAMED_POSITION>& named_;
    std::unordered_map<std::string, int32_t> ids_;
    std::vector<WALK_NODE> nodes_;
};

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
    OPENING_WALK walk(named);
    walk.run();
    walk.write_lines();
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
