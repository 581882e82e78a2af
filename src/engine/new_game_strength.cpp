#include "engine/new_game_strength.h"

#include "engine/new_game_skill_level.h"
#include "engine/new_game_strength_data.h"

#include <charconv>
#include <cstdlib>
#include <sstream>

namespace {

bool read_int(const std::string& text, int32_t& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && ptr == end;
}

std::vector<std::string> fields_of(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, '\t');) {
        fields.push_back(field);
    }
    return fields;
}

// "7" or "2 easy".
bool read_level(const std::string& text, NEW_GAME_STRENGTH& row) {
    static const std::string easy_suffix = " easy";
    row.go_easy =
        text.size() > easy_suffix.size() &&
        text.compare(text.size() - easy_suffix.size(), std::string::npos, easy_suffix) == 0;
    const std::string number =
        row.go_easy ? text.substr(0, text.size() - easy_suffix.size()) : text;
    return read_int(number, row.level) && row.level >= 1 &&
           row.level <= NEW_GAME_SKILL_LEVEL::level_count &&
           (!row.go_easy || row.level <= NEW_GAME_SKILL_LEVEL::easy_levels);
}

} // namespace

std::string NEW_GAME_STRENGTH::about_text() const {
    const int32_t tens = (rating >= 0 ? rating + 5 : rating - 5) / 10;
    return "about " + std::to_string(tens * 10);
}

std::vector<NEW_GAME_STRENGTH> NEW_GAME_STRENGTH::parse(const std::string& text) {
    std::vector<NEW_GAME_STRENGTH> rows;
    std::istringstream stream(text);
    std::string line;
    std::getline(stream, line); // the header
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::vector<std::string> fields = fields_of(line);
        NEW_GAME_STRENGTH row;
        if (fields.size() == 5 && read_level(fields[0], row) && read_int(fields[1], row.rating) &&
            read_int(fields[2], row.margin) && read_int(fields[3], row.games)) {
            row.method = fields[4];
            rows.push_back(row);
        }
    }
    return rows;
}

const std::vector<NEW_GAME_STRENGTH>& NEW_GAME_STRENGTH::table() {
    static const std::vector<NEW_GAME_STRENGTH> rows = parse(new_game_strength_tsv());
    return rows;
}

std::optional<NEW_GAME_STRENGTH> NEW_GAME_STRENGTH::estimate(int32_t n, bool go_easy) {
    for (const NEW_GAME_STRENGTH& row : table()) {
        if (row.level == n && row.go_easy == go_easy) {
            return row;
        }
    }
    return std::nullopt;
}

std::optional<NEW_GAME_STRENGTH> NEW_GAME_STRENGTH::nearest(int32_t rating) {
    std::optional<NEW_GAME_STRENGTH> best;
    for (const NEW_GAME_STRENGTH& row : table()) {
        if (!best || std::abs(row.rating - rating) < std::abs(best->rating - rating)) {
            best = row;
        }
    }
    return best;
}
