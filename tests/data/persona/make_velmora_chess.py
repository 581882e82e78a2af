#!/usr/bin/env python3
"""Writes the persona test fixture velmora_chess.dat: every pre-defined group, small enough to
reason about in tests. Clip group number n plays frames n*100 to n*100+50 and says "<key> text."
unless listed otherwise below. The magic number is computed here with the persona checksum, as an
independent cross-check of the loader (the tests also seal it with velmora-persona).

Run: python3 make_velmora_chess.py > velmora_chess.dat
"""

keys = ["nogame", "sitdown", "standup", "game_start", "game_continue", "game_end",
        "general_behavior", "player_winning1", "player_winning2", "velmora_winning1",
        "velmora_winning2", "velmora_thinking", "nickname_taunt", "resign_taunt", "webcam_off",
        "webcam_on", "undo_taunt", "flip_board", "credits", "draw", "stalemate",
        "player_resigns", "player_wins", "velmora_wins"]
moves = ["checks", "captures_queen", "captures_rook", "captures_bishop", "captures_knight",
         "captures_pawn", "castles", "promotes", "ep_captures", "moves"]
keys += ["player_" + m for m in moves] + ["velmora_" + m for m in moves]
keys += ["start_help", "save_game", "save_error", "load_game", "load_error",
         "resign_confirmation", "statistics", "change_nickname", "request_hint", "issue_hint",
         "about", "help"] + ["help%d" % n for n in range(1, 26)] + ["ee"]
assert len(keys) == 82

# Groups whose records differ from the pattern.
special = {
    "nogame": ["V 100 150", "V 160 190"],
    "flip_board": ["V 1900 1950"],
    "player_checks": ["G check_clips"],
    "velmora_checks": ["V 3600 3650", "G check_clips", "T I check you."],
    "start_help": ["T Welcome to *Velmora Chess*.", "+ Click <help|HELP> for help."],
    "save_game": ["T Saved to *$filename*."],
    "save_error": ["T Could not save: $msg"],
    "load_game": ["T Loaded $FileName."],
    "load_error": ["T Could not load: $msg"],
    "issue_hint": ["T Try <$hint|HINT_MOVE>."],
    "change_nickname": ["T From $old to $new."],
    "statistics": ["T $nps $last_nps $last_nc $tslots $slots $collision $lookup", "+ $bs / $skill"],
    "about": ["T [greeting], I am Velmora.", "+ <www.example.org>"],
    "resign_confirmation": ["T Really? <Yes, I resign|RESIGN_GAME>"],
    "help": ["T General help."],
}

lines = ["; Velmora Chess persona test fixture", "M 00000000", "R M", "D 1", "N Velmora", "",
         "[greeting]", "T Hello", "T Hi there", "",
         "[check_clips]", "V 5000 5050", "T Check text.", ""]
for n, key in enumerate(keys, start=2):
    lines.append("[@%s]" % key.upper())
    if key in special:
        lines += special[key]
    elif n >= 46 and key != "ee":
        lines.append("T %s text." % key)
    else:
        lines += ["V %d %d" % (n * 100, n * 100 + 50), "T %s text." % key]
    lines.append("")


def checksum(file_lines):
    total, k = 0, 0
    for line in file_lines:
        line = line.strip(" \t\r\n\v\f")
        if not line or line[0] in ";MR" and (line[0] == ";" or line[1] == " "):
            continue
        k += 1
        total = (total + k * (sum((i + 1) * b for i, b in enumerate(line.encode("latin-1"))) % 10000)) % 900000000
    return total


v = "%04d" % (checksum(lines) % 10000)
lines[1] = "M 0%s%s00%s%s0" % (v[2], v[3], v[0], v[1])
print("\n".join(lines))
