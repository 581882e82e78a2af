#!/usr/bin/env python3
"""A referee with real clocks between two UCI engines.

Each engine is told the clocks before every move; the time it takes, from the "go" line written
to the "bestmove" line read, is taken off its clock, and the increment added. An engine that
answers after its clock ran out loses on time; an illegal or missing answer loses too. Games end
by mate, stalemate, threefold repetition, the fifty-move rule, or after a move limit (a draw).

The referee checks moves with the engine under test itself (velmora-engine perft 1 lists the
legal moves of any position), so it needs nothing but Python 3.

usage: referee.py ENGINE OPPONENT [--games N] [--time SECONDS] [--inc SECONDS]
"""
import argparse
import subprocess
import sys
import time


class Engine:
    """An engine process; with a go line it plays every move with that line instead of clocks."""

    def __init__(self, command, options, go_line=None, name=None):
        self.name = name or command
        self.go_line = go_line
        self.process = subprocess.Popen([command], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        text=True, bufsize=1)
        self.send("uci")
        self.wait_for("uciok")
        for name, value in options:
            self.send(f"setoption name {name} value {value}")
        self.send("isready")
        self.wait_for("readyok")

    def send(self, line):
        self.process.stdin.write(line + "\n")
        self.process.stdin.flush()

    def wait_for(self, prefix):
        while True:
            line = self.process.stdout.readline()
            if not line:
                raise RuntimeError(f"{self.name} ended")
            if line.startswith(prefix):
                return line.strip()

    def close(self):
        try:
            self.send("quit")
            self.process.wait(timeout=5)
        except Exception:
            self.process.kill()


class Rules:
    """Legal moves through velmora-engine's perft; mate or stalemate through its UCI answer."""

    def __init__(self, engine_path, engine):
        self.engine_path = engine_path
        self.engine = engine

    def legal_moves(self, moves):
        out = subprocess.run([self.engine_path, "perft", "1", *play(moves).split()],
                             capture_output=True, text=True, check=True).stdout
        return [line.split(":")[0] for line in out.splitlines() if ":" in line and
                not line.startswith("Nodes")]


FILES = "abcdefgh"


def play(moves):
    """The FEN after the moves from the initial position (enough rules for the referee)."""
    board = {}
    back = "RNBQKBNR"
    for i, f in enumerate(FILES):
        board[f + "1"], board[f + "2"] = back[i], "P"
        board[f + "8"], board[f + "7"] = back[i].lower(), "p"
    side, castling, ep, halfmove, fullmove = "w", "KQkq", "-", 0, 1
    for m in moves:
        src, dst, promo = m[:2], m[2:4], m[4:]
        piece = board.pop(src)
        captured = board.get(dst)
        if piece in "Pp" and dst == ep:
            board.pop(dst[0] + src[1], None)
            captured = "p"
        if piece in "Kk" and abs(FILES.index(src[0]) - FILES.index(dst[0])) == 2:
            rank = src[1]
            rook_from, rook_to = ("h", "f") if dst[0] == "g" else ("a", "d")
            board[rook_to + rank] = board.pop(rook_from + rank)
        board[dst] = (promo.upper() if piece == "P" else promo) if promo else piece
        for square, right in (("e1", "KQ"), ("h1", "K"), ("a1", "Q"), ("e8", "kq"), ("h8", "k"),
                              ("a8", "q")):
            if square in (src, dst):
                castling = "".join(c for c in castling if c not in right)
        ep = src[0] + ("3" if piece == "P" else "6") if piece in "Pp" and \
            abs(int(src[1]) - int(dst[1])) == 2 else "-"
        halfmove = 0 if piece in "Pp" or captured else halfmove + 1
        if side == "b":
            fullmove += 1
        side = "b" if side == "w" else "w"
    rows = []
    for rank in "87654321":
        row, empty = "", 0
        for f in FILES:
            p = board.get(f + rank)
            if p:
                row += (str(empty) if empty else "") + p
                empty = 0
            else:
                empty += 1
        rows.append(row + (str(empty) if empty else ""))
    return f"{'/'.join(rows)} {side} {castling or '-'} {ep} {halfmove} {fullmove}"


def play_game(white, black, rules, base_ms, inc_ms, max_plies=600, opening=()):
    engines = {"w": white, "b": black}
    clocks = {"w": base_ms, "b": base_ms}
    least = {"w": base_ms, "b": base_ms}
    moves, seen = list(opening), {}
    for engine in engines.values():
        engine.send("ucinewgame")
    side = "w" if len(moves) % 2 == 0 else "b"
    while True:
        fen = play(moves)
        key = " ".join(fen.split()[:4])
        seen[key] = seen.get(key, 0) + 1
        legal = rules.legal_moves(moves)
        if not legal:
            return result_without_moves(rules.engine, side, moves), least, len(moves)
        if seen[key] >= 3 or int(fen.split()[4]) >= 100 or len(moves) >= max_plies:
            return "1/2-1/2 (draw rule)", least, len(moves)
        engine = engines[side]
        engine.send("position startpos" + (" moves " + " ".join(moves) if moves else ""))
        engine.send(engine.go_line or
                    f"go wtime {clocks['w']} btime {clocks['b']} winc {inc_ms} binc {inc_ms}")
        started = time.monotonic()
        answer = engine.wait_for("bestmove").split()
        used = round((time.monotonic() - started) * 1000)
        if not engine.go_line:
            clocks[side] -= used
            least[side] = min(least[side], clocks[side])
            if clocks[side] < 0:
                return ("0-1" if side == "w" else "1-0") + f" ({engine.name} lost on time)", \
                    least, len(moves)
            clocks[side] += inc_ms
        move = answer[1] if len(answer) > 1 else "0000"
        if move not in legal:
            return ("0-1" if side == "w" else "1-0") + f" ({engine.name} illegal {move})", least, \
                len(moves)
        moves.append(move)
        side = "b" if side == "w" else "w"


def result_without_moves(white, side, moves):
    # Mate or stalemate: the referee asks the engine under test for a depth-1 search's score.
    white.send("position startpos moves " + " ".join(moves))
    white.send("go depth 1")
    info = white.wait_for("info depth 0")
    white.wait_for("bestmove")
    if "mate 0" in info:
        return "0-1 (mate)" if side == "w" else "1-0 (mate)"
    return "1/2-1/2 (stalemate)"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("engine")
    parser.add_argument("opponent")
    parser.add_argument("--games", type=int, default=2)
    parser.add_argument("--time", type=float, default=1.0)
    parser.add_argument("--inc", type=float, default=0.0)
    args = parser.parse_args()
    base_ms, inc_ms = round(args.time * 1000), round(args.inc * 1000)
    ours = Engine(args.engine, [])
    theirs = Engine(args.opponent, [("Threads", 1), ("Hash", 16)])
    rules = Rules(args.engine, ours)
    losses_on_time = 0
    least_left = base_ms
    print(f"{args.games} games at {args.time:g} s + {args.inc:g} s")
    try:
        for game in range(args.games):
            white, black = (ours, theirs) if game % 2 == 0 else (theirs, ours)
            colour = "w" if white is ours else "b"
            result, least, plies = play_game(white, black, rules, base_ms, inc_ms)
            if "lost on time" in result and args.engine in result:
                losses_on_time += 1
            least_left = min(least_left, least[colour])
            print(f"game {game + 1}: velmora {'white' if colour == 'w' else 'black'}, {plies} plies,"
                  f" {result}, velmora's least time left {least[colour]} ms", flush=True)
    finally:
        ours.close()
        theirs.close()
    print(f"velmora lost on time: {losses_on_time}; least time left: {least_left} ms")
    return 1 if losses_on_time else 0


if __name__ == "__main__":
    sys.exit(main())
