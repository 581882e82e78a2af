#pragma once

#include <ostream>
#include <string>
#include <vector>

// velmora-engine game FILE: reads a saved game and prints it back exactly as the program would
// save it (exit 0), or prints the reader's failure message as one line (exit 1).
int run_game_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
