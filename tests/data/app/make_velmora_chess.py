#!/usr/bin/env python3
"""Writes the persona fixture of the application tests: every pre-defined group with one record,
so that each reaction can be told apart in the chat ("<key> text."), and menu answers that show
their variables. Debug mode is off. Seal it after writing:

    python3 make_velmora_chess.py > velmora_chess.dat && velmora-persona seal velmora_chess.dat
"""

clips = ["nogame", "sitdown", "standup", "game_start", "game_continue", "game_end",
         "general_behavior", "player_winning1", "player_winning2", "velmora_winning1",
         "velmora_winning2", "velmora_thinking", "nickname_taunt", "resign_taunt", "webcam_off",
         "webcam_on", "undo_taunt", "flip_board", "credits", "draw", "stalemate",
         "player_resigns", "player_wins", "velmora_wins"]
moves = ["checks", "captures_queen", "captures_rook", "captures_bishop", "captures_knight",
         "captures_pawn", "castles", "promotes", "ep_captures", "moves"]
clips += ["player_" + m for m in moves] + ["velmora_" + m for m in moves]

texts = {
    "start_help": ["T Welcome, $player. Click <help|HELP> for help."],
    "save_game": ["T Saved to $filename."],
    "save_error": ["T Save failed: $msg"],
    "load_game": ["T Loaded $filename."],
    "load_error": ["T Load failed: $msg"],
    "resign_confirmation": ["T Really resign? <Yes|RESIGN_GAME>"],
    "statistics": ["T nps=$nps last_nps=$last_nps last_nc=$last_nc tslots=$tslots slots=$slots "
                   "collision=$collision lookup=$lookup",
                   "+ bs=$bs skill=$skill"],
    "change_nickname": ["T From $old to $new."],
    "request_hint": ["T Let me think."],
    "issue_hint": ["T Try <$hint|HINT_MOVE>."],
    "about": ["T About Velmora."],
    "help": ["T help text."],
}
texts.update({"help%d" % n: ["T help%d text." % n] for n in range(1, 26)})

lines = ["; Velmora Chess persona fixture for the application tests", "M 00000000", "R M",
         "D 0", "N Velmora", ""]
for n, key in enumerate(clips + list(texts) + ["ee"], start=2):
    lines.append("[@%s]" % key.upper())
    if key in texts:
        lines += texts[key]
    elif key == "nogame":
        lines.append("V 10 15")
    else:
        # Short clips, all within the first 900 frames of the window tests' video.
        lines += ["V %d %d" % (n * 10, n * 10 + 5), "T %s text." % key]
    lines.append("")
assert sum(1 for line in lines if line.startswith("[@")) == 82
print("\n".join(lines))
