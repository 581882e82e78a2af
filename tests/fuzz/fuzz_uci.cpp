// Fuzz target: the UCI dialogue, one input line by line. Every "go" gets a movetime of a few
// milliseconds appended (a later limit wins), so the searches stay short while their other
// parameters are still read; the end of the input acts as "quit", as at the end of standard input.
// One engine serves every input, as one engine serves a chess program for many games: each input
// starts from the initial position at the default options, while the tables (large, and cleared
// only by "ucinewgame") carry over. Checks: nothing crashes, hangs or races.
#include "chess_uci_engine.h"

#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::ostringstream out;
    static CHESS_UCI_ENGINE engine(out);
    out.str("");
    for (const char* line : {"setoption name Skill Level value 20",
                             "setoption name QSearch value true", "position startpos"}) {
        engine.handle(line);
    }
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string first;
        words >> first;
        if (first == "go") {
            line += " movetime 2";
        }
        if (!engine.handle(line)) {
            break;
        }
    }
    engine.quit();
    return 0;
}
