#include "persona/velmora_db.h"

#include "persona/velmora_clip_range.h"
#include "persona/velmora_markup_check.h"
#include "persona/velmora_text_rules.h"

#include <filesystem>
#include <fstream>

using R = VELMORA_TEXT_RULES;

VELMORA_DB::VELMORA_DB(const std::string& filename, bool for_sealing)
    : filename_(filename), for_sealing_(for_sealing) {
    groups_.reserve(2377);
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(fs::path(filename), error);
    if (status.type() == fs::file_type::not_found) {
        failed_ = true;
        error_message_ = "File not found: " + filename;
        return;
    }
    std::ifstream in;
    if (!error && !fs::is_directory(status)) {
        in.open(fs::path(filename), std::ios::binary);
    }
    if (!in.is_open()) {
        failed_ = true;
        error_message_ = "Cannot read: " + filename;
        return;
    }
    parse(in);
    rnd_.set_seed(KWO_RANDOM::clock_seed());
}

void VELMORA_DB::parse(std::istream& in) {
    std::string raw;
    while (!failed_ && std::getline(in, raw)) {
        const std::string line = R::strip(raw);
        ++lineno_;
        parse_line(line, line_sum(line));
    }
    if (in.bad()) {
        failed_ = true;
        error_message_ = "Cannot read: " + filename_;
        return;
    }
    if (!failed_) {
        finish();
    }
}

// The record kinds are tried in a fixed order; the first whose form matches decides.
void VELMORA_DB::parse_line(const std::string& line, int32_t sum) {
    if (line.empty() || line[0] == ';') {
        return;
    }
    if (line.size() < 3) {
        fail("syntax error");
        return;
    }
    const char kind = line[0];
    const bool blank = line[1] == ' ';
    const std::string value = line.substr(2);
    bool counted = true;
    if (blank && (kind == 'M' || kind == 'D' || kind == 'N' || kind == 'R')) {
        counted = parse_header(kind, value);
    } else if (kind == '[' && line.back() == ']' &&
               R::is_valid_name(line.substr(1, line.size() - 2))) {
        parse_group_header(line.substr(1, line.size() - 2));
    } else if (blank && (kind == 'T' || kind == 't')) {
        parse_text(kind == 't', value);
    } else if (blank && kind == '+') {
        parse_continuation(value);
    } else if (blank && (kind == 'V' || kind == 'v')) {
        parse_clip(kind == 'v', value);
    } else if (blank && kind == 'G') {
        parse_include(value);
    } else {
        fail("syntax error");
    }
    if (!failed_ && counted) {
        ++counted_lines_;
        checksum_ = static_cast<int32_t>((checksum_ + counted_lines_ * sum) % 900000000);
    }
}

// Returns whether the record counts towards the checksum (D and N do, M and R do not).
bool VELMORA_DB::parse_header(char kind, const std::string& value) {
    const std::string record = std::string(1, kind) + "-record";
    const bool exists = (kind == 'M' && magic_lineno_ != 0) || (kind == 'D' && has_debug_) ||
                        (kind == 'N' && nickname_) || (kind == 'R' && has_rating_);
    if (exists) {
        fail(record + " already exists");
    } else if (seen_group_) {
        fail(record + " not allowed in group");
    } else if (kind == 'M') {
        parse_magic(value);
    } else if (kind == 'D') {
        parse_debug(value);
    } else if (kind == 'N') {
        parse_nickname(value);
    } else {
        parse_rating(value);
    }
    return kind == 'D' || kind == 'N';
}

void VELMORA_DB::parse_magic(const std::string& value) {
    const std::string magic = R::strip(value);
    magic_lineno_ = lineno_;
    if (for_sealing_) {
        magic_number_ = magic;
    } else if (!R::to_integer(magic)) {
        fail("M-record not an integer");
    } else if (magic.size() != 8) {
        fail("magic number not 8 digits");
    } else {
        magic_number_ = magic;
    }
}

void VELMORA_DB::parse_debug(const std::string& value) {
    const std::string flag = R::strip(value);
    has_debug_ = true;
    if (flag.size() != 1) {
        fail("syntax error in D-record, length exceeds 1");
    } else if (flag != "0" && flag != "1") {
        fail("D-record, should be '0' or '1'");
    } else {
        debug_mode_ = flag == "1";
    }
}

void VELMORA_DB::parse_nickname(const std::string& value) {
    const std::string nick = R::replace_all(R::strip(value), '\t', ' ');
    if (nick.find(' ') != std::string::npos) {
        fail("nickname cannot have spaces");
    } else if (nick.size() > 10) {
        fail("nickname length exceeds 10 characters");
    } else {
        nickname_ = nick;
    }
}

void VELMORA_DB::parse_rating(const std::string& value) {
    const std::string rating = R::strip(value);
    has_rating_ = true;
    if (rating.size() != 1) {
        fail("syntax error in R-record, length exceeds 1");
    } else if (rating != "G" && rating != "M") {
        fail("R-record, should be 'G' or 'M'");
    } else {
        mature_ = rating == "M";
    }
}

void VELMORA_DB::parse_group_header(const std::string& name) {
    close_group();
    if (failed_) {
        return;
    }
    const std::string upper = R::to_upper(name);
    if (groups_.count(upper) != 0) {
        fail("group: '" + upper + "' is already defined");
        return;
    }
    current_group_ = std::make_unique<VELMORA_DB_GROUP>(upper);
    seen_group_ = true;
    last_text_ = nullptr;
}

void VELMORA_DB::parse_text(bool is_mature, const std::string& text) {
    if (!current_group_) {
        fail("T-record must appear in a group");
        return;
    }
    if (!check_markup(text)) {
        return;
    }
    VELMORA_TEXT record({text == "~" ? "" : text}, is_mature);
    // A mature text in a file rated 'G' is dropped, but '+' lines may still follow it.
    if (mature_ || !is_mature) {
        current_group_->text_records.push_back(std::move(record));
        last_text_ = &current_group_->text_records.back();
    } else {
        dropped_text_ = std::move(record);
        last_text_ = &dropped_text_;
    }
}

void VELMORA_DB::parse_continuation(const std::string& text) {
    if (!current_group_) {
        fail("'+' record must appear in a group");
    } else if (last_text_ == nullptr) {
        fail("'+' record must follow a T-record");
    } else if (check_markup(text)) {
        last_text_->lines.push_back(text == "~" ? "" : text);
    }
}

void VELMORA_DB::parse_clip(bool is_mature, const std::string& value) {
    last_text_ = nullptr;
    if (!current_group_) {
        fail("V-record must appear in a group");
        return;
    }
    const VELMORA_CLIP_RANGE range(value);
    if (range.failed()) {
        fail(range.error_message());
    } else if (mature_ || !is_mature) {
        current_group_->clip_records.emplace_back(is_mature, range.start_frame(),
                                                  range.end_frame());
    }
}

void VELMORA_DB::parse_include(const std::string& value) {
    last_text_ = nullptr;
    if (!current_group_) {
        fail("G-record must appear in a group");
        return;
    }
    const std::string name = R::to_upper(R::strip(value));
    const auto found = groups_.find(name);
    if (found == groups_.end()) {
        fail("undefined group: '" + name + "' in G-record");
        return;
    }
    const VELMORA_DB_GROUP* included = found->second.get();
    if (included->has_text()) {
        current_group_->text_groups.push_back(included);
    }
    if (included->has_clips()) {
        current_group_->clip_groups.push_back(included);
    }
}

bool VELMORA_DB::check_markup(const std::string& text) {
    if (const auto error = VELMORA_MARKUP_CHECK::check(text, groups_)) {
        fail(*error);
        return false;
    }
    return true;
}

// A group enters the table only when it is complete, so nothing can include it before.
void VELMORA_DB::close_group() {
    if (!current_group_) {
        return;
    }
    if (!current_group_->has_text() && !current_group_->has_clips()) {
        fail("empty group '" + current_group_->name + "' not allowed");
    } else {
        const std::string name = current_group_->name;
        file_order_.push_back(current_group_.get());
        groups_.emplace(name, std::move(current_group_));
    }
    current_group_.reset();
    last_text_ = nullptr;
}

// End-of-file faults carry the number of the last line.
void VELMORA_DB::finish() {
    close_group();
    if (failed_) {
        return;
    }
    if (!has_rating_) {
        fail("No R-record found in file");
    } else if (!nickname_) {
        fail("No N-record found in file");
    } else if (!for_sealing_ && !magic_number_) {
        fail("No M-record found in file");
    } else if (!for_sealing_) {
        check_magic_number();
    }
}

// Characters 6, 7, 2 and 3 of the magic number hold the last four digits of the checksum; the
// value 7419 there lets any file pass.
void VELMORA_DB::check_magic_number() {
    const std::string& m = *magic_number_;
    const int32_t v = (m[5] - '0') * 1000 + (m[6] - '0') * 100 + (m[1] - '0') * 10 + (m[2] - '0');
    if (v != 7419 && v != checksum_ % 10000) {
        fail("0xffc" + std::to_string(checksum_ % 10000 + 10000) + ": Invalid magic number");
    }
}

void VELMORA_DB::fail(const std::string& message) {
    failed_ = true;
    error_message_ = filename_ + ", line " + std::to_string(lineno_) + ": " + message;
}

// Sum of position times byte value, modulo 10000; reduced as it goes so any length is exact.
int32_t VELMORA_DB::line_sum(const std::string& line) {
    int64_t sum = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const int64_t position = static_cast<int64_t>((i + 1) % 10000);
        sum = (sum + position * static_cast<unsigned char>(line[i])) % 10000;
    }
    return static_cast<int32_t>(sum);
}

const VELMORA_DB_GROUP* VELMORA_DB::group(const std::string& name) const {
    const auto found = groups_.find(R::to_upper(name));
    return found == groups_.end() ? nullptr : found->second.get();
}

// Every candidate, own record or included group, comes once per round of the group's bag; an
// included group is entered and the draw repeats inside it, from that group's own bag.
const VELMORA_TEXT* VELMORA_DB::draw_text_record(const VELMORA_DB_GROUP* group) {
    while (true) {
        const std::size_t own = group->text_records.size();
        const std::size_t candidates = own + group->text_groups.size();
        if (candidates == 0) {
            return nullptr;
        }
        const std::size_t p = text_bags_[group].draw(candidates, rnd_);
        if (p <= own) {
            return &group->text_records[p - 1];
        }
        group = group->text_groups[p - own - 1];
        last_search_path_.push_back(group->name);
    }
}

// Clips are drawn uniformly: every candidate, own record or included group, is equally likely.
const VELMORA_CLIP* VELMORA_DB::draw_clip_record(const VELMORA_DB_GROUP* group) {
    while (true) {
        const std::size_t own = group->clip_records.size();
        const std::size_t candidates = own + group->clip_groups.size();
        if (candidates == 0) {
            return nullptr;
        }
        const std::size_t p = VELMORA_TEXT_BAG::uniform_pick(rnd_, candidates);
        if (p <= own) {
            return &group->clip_records[p - 1];
        }
        group = group->clip_groups[p - own - 1];
        last_search_path_.push_back(group->name);
    }
}

std::optional<VELMORA_TEXT> VELMORA_DB::random_text(const std::string& name) {
    EXPANSION_BUDGET budget;
    return random_text(name, budget);
}

std::optional<VELMORA_TEXT> VELMORA_DB::random_text(const std::string& name,
                                                    EXPANSION_BUDGET& budget) {
    last_search_path_.clear();
    const VELMORA_DB_GROUP* start = group(name);
    if (start == nullptr) {
        return std::nullopt;
    }
    last_search_path_.push_back(start->name);
    const VELMORA_TEXT* record = draw_text_record(start);
    if (record == nullptr) {
        return std::nullopt;
    }
    return expand(*record, budget);
}

std::optional<VELMORA_CLIP> VELMORA_DB::random_clip(const std::string& name) {
    last_search_path_.clear();
    const VELMORA_DB_GROUP* start = group(name);
    if (start == nullptr) {
        return std::nullopt;
    }
    last_search_path_.push_back(start->name);
    const VELMORA_CLIP* record = draw_clip_record(start);
    if (record == nullptr) {
        return std::nullopt;
    }
    return *record;
}

std::optional<VELMORA_TEXT> VELMORA_DB::text_along_last_path() {
    const VELMORA_DB_SEARCH_PATH kept = last_search_path_;
    last_search_path_.clear();
    for (auto name = kept.rbegin(); name != kept.rend(); ++name) {
        const VELMORA_DB_GROUP* candidate = group(*name);
        if (candidate == nullptr || !candidate->has_text()) {
            continue;
        }
        last_search_path_.push_back(candidate->name);
        const VELMORA_TEXT* record = draw_text_record(candidate);
        if (record == nullptr) {
            return std::nullopt;
        }
        EXPANSION_BUDGET budget;
        return expand(*record, budget);
    }
    return std::nullopt;
}

VELMORA_TEXT VELMORA_DB::expand(const VELMORA_TEXT& record, EXPANSION_BUDGET& budget) {
    VELMORA_TEXT result({}, record.mature);
    for (const std::string& line : record.lines) {
        result.lines.push_back(expand_line(line, budget));
    }
    return result;
}

// Replaces each [group] reference, first to last, by a text drawn from that group with its lines
// joined by blanks. The line is built left to right, so long lines cost linear time. Past the
// budget a reference is dropped without a draw, and a line stops at max_expanded_line bytes.
std::string VELMORA_DB::expand_line(const std::string& line, EXPANSION_BUDGET& budget) {
    std::string result;
    std::size_t from = 0;
    const std::size_t references = R::count(line, '[');
    for (std::size_t i = 0; i < references && result.size() < max_expanded_line; ++i) {
        const std::size_t open = line.find('[', from);
        const std::size_t close = open == std::string::npos ? open : line.find(']', open);
        if (close == std::string::npos) {
            break;
        }
        result.append(line, from, open - from);
        if (budget.draws < max_reference_draws && budget.depth < max_reference_depth) {
            ++budget.draws;
            ++budget.depth;
            const auto drawn = random_text(line.substr(open + 1, close - open - 1), budget);
            --budget.depth;
            if (drawn) {
                append_joined(result, drawn->lines);
            }
        }
        from = close + 1;
    }
    if (from < line.size() && result.size() < max_expanded_line) {
        result.append(line, from, max_expanded_line - result.size());
    }
    if (result.size() > max_expanded_line) {
        result.resize(max_expanded_line);
    }
    return result;
}

// Appends the lines joined by single blanks, stopping at max_expanded_line bytes.
void VELMORA_DB::append_joined(std::string& result, const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size() && result.size() < max_expanded_line; ++i) {
        if (i > 0) {
            result += ' ';
        }
        result.append(lines[i], 0, max_expanded_line - result.size());
    }
}
