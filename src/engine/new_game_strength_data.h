// The text of resources/levels/strength.tsv, built into the program (the build writes the
// definition from the file).
#pragma once

const char* new_game_strength_tsv();
