#!/usr/bin/env python3
"""Calibrates velmora-engine's skill levels against Stockfish's strength limit.

Every game starts from one of sixteen balanced openings, played with both colours. The levels
with a fixed depth (1-4) play as they are, through the engine's Skill Level option; levels 3 and 4
are measured against Stockfish with UCI_LimitStrength/UCI_Elo; the rows below Stockfish's floor
(levels 2 and 1, and each level going easy) are chained through head-to-head games against the
already rated rows nearest to them. The timed levels (4-120 s a move) are too slow to play
here: the engine plays at several shorter budgets, given as node budgets converted from time with
the engine's speed (velmora-engine bench's nodes per second of processor time, the better of two
runs) so that the result does not depend on what else the machine runs, and the ratings are fitted against the logarithm of the
time. Stockfish plays each move to its skill's pick depth plus one, so it too is independent of
the machine's load.

Ratings are maximum-likelihood estimates from the games (with one virtual draw against the
average opponent, so that a clean sweep still gives a finite number); the margin is the 95 %
interval from the likelihood's curvature, widened by the margin of a chained opponent.

usage: calibrate.py ENGINE STOCKFISH [--out FILE] [--games N] [--budget-games N] [--jobs N]
                    [--nps N]
"""
import argparse
import math
import re
import resource
import subprocess
import sys
import time
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from referee import Engine, Rules, play_game  # noqa: E402

# Balanced openings (each a few moves of a well-known main line), played with both colours.
OPENINGS = [
    "e2e4 e7e5 g1f3 b8c6 f1b5 a7a6",
    "e2e4 c7c5 g1f3 d7d6 d2d4 c5d4 f3d4 g8f6",
    "e2e4 e7e6 d2d4 d7d5 b1c3 g8f6",
    "e2e4 c7c6 d2d4 d7d5 e4e5 c8f5",
    "d2d4 d7d5 c2c4 e7e6 b1c3 g8f6",
    "d2d4 g8f6 c2c4 g7g6 b1c3 f8g7 e2e4 d7d6",
    "d2d4 g8f6 c2c4 e7e6 g1f3 b7b6",
    "c2c4 e7e5 b1c3 g8f6 g1f3 b8c6",
    "g1f3 d7d5 g2g3 g8f6 f1g2 e7e6",
    "e2e4 e7e5 g1f3 b8c6 f1c4 f8c5",
    "d2d4 d7d5 c2c4 c7c6 g1f3 g8f6",
    "e2e4 c7c5 b1c3 b8c6 g2g3 g7g6",
    "e2e4 e7e5 g1f3 g8f6 f3e5 d7d6 e5f3 f6e4",
    "e2e4 d7d6 d2d4 g8f6 b1c3 g7g6",
    "d2d4 f7f5 g2g3 g8f6 f1g2 e7e6",
    "c2c4 c7c5 g1f3 g8f6 b1c3 b8c6",
]

STOCKFISH_FLOOR = 1350
STOCKFISH_CEILING = 2850
MAX_PLIES = 240
LEVEL_TIMES = {level: t for level, t in zip(range(5, 21), [4, 5, 6, 7, 8, 9, 10, 15, 20, 25, 30,
                                                           35, 40, 50, 60, 120])}
# Budgets of the timed levels' fit, in seconds of the engine's time.
BUDGETS = [0.02, 0.08, 0.32]


def stockfish_depth(elo):
    """The depth at which Stockfish picks its weakened move at this rating, plus one."""
    level = min(20.0, max(0.0, ((elo - 1346.6) / 143.4) ** (1 / 0.806) if elo > 1346.6 else 0.0))
    return int(level) + 2


class Player:
    """One side of a match: how to start its engine and what to send for each move."""

    def __init__(self, name, command, options, go_line):
        self.name, self.command, self.options, self.go_line = name, command, options, go_line

    def start(self):
        return Engine(self.command, self.options, self.go_line, self.name)


def velmora(engine, level, easy=False, nodes=None):
    options = [("Skill Level", level), ("Go Easy", "true" if easy else "false")]
    if nodes:
        return Player(f"budget {nodes} nodes", engine, options, f"go nodes {nodes}")
    return Player(f"level {level}{' easy' if easy else ''}", engine, options, "go")


def stockfish(command, elo):
    options = [("Threads", 1), ("Hash", 16), ("UCI_LimitStrength", "true"), ("UCI_Elo", elo)]
    return Player(f"Stockfish {elo}", command, options, f"go depth {stockfish_depth(elo)}")


def play_one(engine_path, subject, opponent, opening, subject_white):
    """Plays one game; the subject's score (1, 0.5 or 0)."""
    ours, theirs = subject.start(), opponent.start()
    judge = Engine(engine_path, [], name="judge")
    try:
        white, black = (ours, theirs) if subject_white else (theirs, ours)
        result, _, plies = play_game(white, black, Rules(engine_path, judge), 0, 0, MAX_PLIES,
                                     opening.split())
    finally:
        for e in (ours, theirs, judge):
            e.close()
    white_score = 1.0 if result.startswith("1-0") else 0.0 if result.startswith("0-1") else 0.5
    return white_score if subject_white else 1.0 - white_score, plies


def expected(rating, opponent):
    return 1.0 / (1.0 + 10 ** ((opponent - rating) / 400.0))


def estimate(results):
    """Maximum-likelihood rating and 95 % margin from (opponent rating, score) pairs."""
    average = sum(r for r, _ in results) / len(results)
    games = results + [(average, 0.5)]
    low, high = average - 2000.0, average + 2000.0
    for _ in range(100):  # the likelihood's slope falls with the rating: bisect its zero
        mid = (low + high) / 2
        slope = sum(s - expected(mid, r) for r, s in games)
        low, high = (mid, high) if slope > 0 else (low, mid)
    rating = (low + high) / 2
    k = math.log(10) / 400
    information = sum(k * k * expected(rating, r) * (1 - expected(rating, r)) for r, _ in games)
    return rating, 1.96 / math.sqrt(information)


class Calibration:
    def __init__(self, args):
        self.args = args
        self.pool = ThreadPoolExecutor(max_workers=args.jobs)
        self.rows = {}
        self.started = time.monotonic()

    def log(self, text):
        print(f"[{(time.monotonic() - self.started) / 60:5.1f} min] {text}", flush=True)

    def games(self, subject, opponent, count, first=0):
        """Scores of count games, the openings in turn from game first on, each with both
        colours. The fixed-depth levels play the same game again from the same opening, so the
        openings run on rather than start again."""
        jobs = []
        for i in range(first, first + count):
            opening = OPENINGS[(i // 2) % len(OPENINGS)]
            jobs.append(self.pool.submit(play_one, self.args.engine, subject, opponent, opening,
                                         i % 2 == 0))
        results = [job.result() for job in jobs]
        score = sum(s for s, _ in results)
        plies = sum(p for _, p in results) / len(results)
        self.log(f"{subject.name} vs {opponent.name}: {score:g}/{count}, {plies:.0f} plies a game")
        return [s for s, _ in results]

    def measure(self, subject, guess, count, opponent_near):
        """Half the games against the opponent nearest the guess, half against the one nearest
        the rating the first half suggests. opponent_near(rating) answers (player, its rating,
        its margin, its name); a chained opponent's margin adds to the subject's."""
        results, margins, names = [], [], []
        for games, near in ((count // 2, guess), (count - count // 2, None)):
            player, rating, margin, name = opponent_near(near if near else estimate(results)[0])
            results += [(rating, s) for s in self.games(subject, player, games, len(results))]
            margins.append(margin)
            if name not in names:
                names.append(name)
        rating, margin = estimate(results)
        method = "measured against Stockfish" if not any(margins) else \
            "chained through " + " and ".join(names)
        return rating, math.hypot(margin, max(margins)), count, method

    def stockfish_near(self, rating):
        elo = clamp_elo(rating)
        return stockfish(self.args.stockfish, elo), elo, 0.0, "Stockfish"

    def level_near(self, rating):
        """The rated fixed-depth row nearest to the rating."""
        key = min(self.rows, key=lambda k: abs(self.rows[k][0] - rating))
        level, easy = int(key.split()[0]), key.endswith("easy")
        return velmora(self.args.engine, level, easy), self.rows[key][0], self.rows[key][1], \
            f"level {key}"

    def run(self):
        a = self.args
        for level in (3, 4):
            self.rows[str(level)] = self.measure(velmora(a.engine, level), 1300, a.games,
                                                 self.stockfish_near)
        # Below Stockfish's floor: each row against the rated rows nearest to it, weakest last.
        for key, guess_from, below in (("2", "3", 250), ("2 easy", "2", 200),
                                       ("3 easy", "3", 200), ("4 easy", "4", 200),
                                       ("1", "2", 250), ("1 easy", "1", 200)):
            level, easy = int(key.split()[0]), key.endswith("easy")
            self.rows[key] = self.measure(velmora(a.engine, level, easy),
                                          self.rows[guess_from][0] - below, a.games,
                                          self.level_near)
        self.fit_timed_levels()
        self.pool.shutdown()

    def fit_timed_levels(self):
        a = self.args
        points = []
        guess = 1900
        for seconds in BUDGETS:
            nodes = round(seconds * a.nps)
            rating, margin, _, _ = self.measure(velmora(a.engine, 20, nodes=nodes), guess,
                                                a.budget_games, self.stockfish_near)
            self.log(f"{seconds:g} s ({nodes} nodes): {rating:.0f} +- {margin:.0f}")
            points.append((math.log(seconds), rating, margin))
            guess = rating + 100
        fit = weighted_line(points)
        games = a.budget_games * len(BUDGETS)
        budgets = ", ".join(f"{s:g}" for s in BUDGETS)
        for level, seconds in LEVEL_TIMES.items():
            rating, margin = fit(math.log(seconds))
            self.rows[str(level)] = (rating, margin, games,
                                     f"fitted against log time over {budgets} s "
                                     f"as node budgets at {a.nps} nodes/s")

    def write(self, path):
        order = [str(n) for n in range(1, 21)] + [f"{n} easy" for n in range(1, 5)]
        lines = ["level\trating\tplus_minus_95\tgames\tmethod"]
        for key in order:
            rating, margin, games, method = self.rows[key]
            lines.append(f"{key}\t{round(rating)}\t{round(margin)}\t{games}\t{method}")
        Path(path).write_text("\n".join(lines) + "\n")


def clamp_elo(rating):
    return int(min(STOCKFISH_CEILING, max(STOCKFISH_FLOOR, round(rating / 50) * 50)))


def weighted_line(points):
    """rating = a + b x by weighted least squares; answers x -> (rating, 95 % margin)."""
    weights = [(1.96 / m) ** 2 for _, _, m in points]
    sw = sum(weights)
    sx = sum(w * x for w, (x, _, _) in zip(weights, points))
    sy = sum(w * y for w, (_, y, _) in zip(weights, points))
    sxx = sum(w * x * x for w, (x, _, _) in zip(weights, points))
    sxy = sum(w * x * y for w, (x, y, _) in zip(weights, points))
    det = sw * sxx - sx * sx
    b = (sw * sxy - sx * sy) / det
    a = (sy - b * sx) / sw
    var_a, var_b, cov = sxx / det, sw / det, -sx / det

    def at(x):
        return a + b * x, 1.96 * math.sqrt(max(var_a + x * x * var_b + 2 * x * cov, 0.0))
    return at


def measured_nps(engine):
    """Nodes of velmora-engine bench per second of the processor time it used: unlike its own
    wall-clock figure, this does not fall when other programs share the processor."""
    best = 0
    for _ in range(2):
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        out = subprocess.run([engine, "bench"], capture_output=True, text=True, check=True).stdout
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
        nodes = int(re.search(r"Nodes searched: (\d+)", out).group(1))
        best = max(best, round(nodes / cpu))
    return best


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("engine")
    parser.add_argument("stockfish")
    parser.add_argument("--out", default="resources/levels/strength.tsv")
    parser.add_argument("--games", type=int, default=32,
                        help="games per measurement of a fixed-depth level")
    parser.add_argument("--budget-games", type=int, default=16,
                        help="games per time budget of the timed levels' fit")
    parser.add_argument("--jobs", type=int, default=2, help="games played at once")
    parser.add_argument("--nps", type=int, default=0, help="the engine's speed (default: bench)")
    args = parser.parse_args()
    args.nps = args.nps or measured_nps(args.engine)
    calibration = Calibration(args)
    calibration.log(f"engine speed {args.nps} nodes/s; {args.games} games a level, "
                    f"{args.budget_games} a budget")
    calibration.run()
    calibration.write(args.out)
    calibration.log(f"wrote {args.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
