// The named opening lines compiled into the program: ECO code, name and the moves from the
// starting position in UCI form, separated by single spaces. The table is written at build time
// from resources/openings/openings.tsv; CHESS_OPENING_BOOK reads it.
#pragma once

#include <span>

struct CHESS_OPENING_LINE {
    const char* eco;
    const char* name;
    const char* moves;
};

std::span<const CHESS_OPENING_LINE> chess_opening_lines();
