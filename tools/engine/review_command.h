#pragma once

#include <ostream>
#include <string>
#include <vector>

// velmora-engine review FILE [--depth N]: reviews a saved game. One line per ply,
// "<ply> <W|B> <move> <eval before> <eval after> [<mark>]", evaluations in centipawns from
// White's side or "#N" / "#-N" for a mate in N; then a blank line and one line per turning point,
// "turning point: ply <n>: <move> (better <move>, loses <centipawns>)". A file that does not read
// prints the reader's failure message as one line (exit 1); wrong arguments print the usage
// (exit 2).
int run_review_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
