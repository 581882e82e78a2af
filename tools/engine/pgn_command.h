#pragma once

#include <ostream>
#include <string>
#include <vector>

// velmora-engine pgn FILE: exports a saved game as PGN, so any chess program can open it. A file
// that does not read prints the reader's failure message as one line (exit 1).
int run_pgn_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
