#pragma once

#include "saved_games/chess_game_file.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Reads the saved game named by the command's one argument ("-" or /dev/stdin: standard input)
// and prints render(game) (exit 0), or the reader's failure message as one line on err (exit 1).
// A wrong argument count prints the usage on err (exit 2).
int run_with_saved_game(const std::vector<std::string>& args, const std::string& command,
                        const std::function<std::string(const CHESS_SAVED_GAME&)>& render,
                        std::ostream& out, std::ostream& err);

// velmora-engine game FILE: reads a saved game and prints it back exactly as the program would
// save it (exit 0), or prints the reader's failure message as one line on err (exit 1).
int run_game_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
