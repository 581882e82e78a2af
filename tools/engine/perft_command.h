#pragma once

#include <ostream>
#include <string>
#include <vector>

// velmora-engine perft DEPTH [FEN]: the leaf count below each legal root move, then the total.
int run_perft_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
