// How strong each skill level plays, as measured by the calibration against Stockfish's strength
// limit: a rating estimate with its 95 % margin, the games behind it and how it was obtained,
// for each level and for each level that can go easy on a beginner. The table is read from the
// calibration's file when the program is built, so the game and the UCI engine quote the same
// numbers; a level the table lacks simply has no estimate.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class NEW_GAME_STRENGTH {
  public:
    int32_t level = 0;
    bool go_easy = false;
    int32_t rating = 0;
    int32_t margin = 0; // half the 95 % interval
    int32_t games = 0;
    std::string method;

    // "about 1250": the rating to the nearest ten, as no estimate is finer than that.
    std::string about_text() const;

    // The built-in table, in the file's order.
    static const std::vector<NEW_GAME_STRENGTH>& table();
    // The estimate of level n, played going easy or not, if the table has one.
    static std::optional<NEW_GAME_STRENGTH> estimate(int32_t n, bool go_easy);
    // The row whose rating is nearest to the given one (the first of equally near rows); none
    // when the table is empty.
    static std::optional<NEW_GAME_STRENGTH> nearest(int32_t rating);

    // The rows of a table file: a header line, then tab-separated level ("7", or "2 easy" for
    // level 2 going easy), rating, margin, games and method. A line that does not read is
    // left out.
    static std::vector<NEW_GAME_STRENGTH> parse(const std::string& text);
};
