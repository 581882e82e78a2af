// The persona data base: the groups of texts and clips read from the persona data file, the
// header values (nickname, rating, debug flag, magic number), the line checksum that guards the
// file against unsealed edits, and the random drawing of a text or clip from a group: clips
// uniformly, texts from each group's shuffled bag, which lasts as long as the data base. Loading
// stops at the first fault and reports it as "<file>, line <n>: <message>"; any input, binary
// data and endless nesting included, loads or fails without crashing or hanging.
#pragma once

#include "persona/velmora_clip.h"
#include "persona/velmora_db_group.h"
#include "persona/velmora_text.h"
#include "persona/velmora_text_bag.h"
#include "rules/kwo_random.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// The names of the groups the last draw went through, from the group asked for to the group the
// record came from.
using VELMORA_DB_SEARCH_PATH = std::vector<std::string>;

class VELMORA_DB {
  public:
    // Limits on the expansion of one drawn text, so that references nested deeply or doubling at
    // every level cannot exhaust time or memory. Sound persona files stay far below them.
    static constexpr std::size_t max_expanded_line = 65536;
    static constexpr int32_t max_reference_draws = 4096;
    static constexpr int32_t max_reference_depth = 64;

    // Loads the file. With for_sealing, the M-record's value is kept as written without checks
    // and neither a missing M-record nor the magic number fails: the sealer needs the checksum
    // of a file whose magic number is still to be written.
    explicit VELMORA_DB(const std::string& filename, bool for_sealing = false);
    VELMORA_DB(const VELMORA_DB&) = delete;
    VELMORA_DB& operator=(const VELMORA_DB&) = delete;

    bool failed() const { return failed_; }
    const std::string& error_message() const { return error_message_; }
    const std::string& filename() const { return filename_; }
    const std::optional<std::string>& nickname() const { return nickname_; }
    const std::optional<std::string>& magic_number() const { return magic_number_; }
    // The line of the M-record, 0 when there is none.
    int32_t magic_lineno() const { return magic_lineno_; }
    bool mature() const { return mature_; }
    bool debug_mode() const { return debug_mode_; }
    bool has_debug() const { return has_debug_; }
    int32_t lineno() const { return lineno_; }
    int32_t checksum() const { return checksum_; }

    std::size_t group_count() const { return groups_.size(); }
    // Every group in the order the file defines them.
    const std::vector<const VELMORA_DB_GROUP*>& groups_in_file_order() const { return file_order_; }
    // The group of that name (any case), or null.
    const VELMORA_DB_GROUP* group(const std::string& name) const;

    // Restarts the generator and empties every text bag, so that a run of draws can be repeated.
    void seed(int32_t seed) {
        rnd_.set_seed(seed);
        text_bags_.clear();
    }
    const VELMORA_DB_SEARCH_PATH& last_search_path() const { return last_search_path_; }

    // A text drawn from the group, its references expanded; none when the group does not exist
    // or has no text.
    std::optional<VELMORA_TEXT> random_text(const std::string& name);
    // A clip drawn from the group as stored; none when the group does not exist or has no clips.
    std::optional<VELMORA_CLIP> random_clip(const std::string& name);
    // A text from the deepest group of the last search path that has text, or none.
    std::optional<VELMORA_TEXT> text_along_last_path();

  private:
    // What one top-level draw may still spend on expanding references.
    struct EXPANSION_BUDGET {
        int32_t draws = 0;
        int32_t depth = 0;
    };

    void parse(std::istream& in);
    void parse_line(const std::string& line, int32_t line_sum);
    bool parse_header(char kind, const std::string& value);
    void parse_magic(const std::string& value);
    void parse_debug(const std::string& value);
    void parse_nickname(const std::string& value);
    void parse_rating(const std::string& value);
    void parse_group_header(const std::string& name);
    void parse_text(bool is_mature, const std::string& text);
    void parse_continuation(const std::string& text);
    void parse_clip(bool is_mature, const std::string& value);
    void parse_include(const std::string& value);
    bool check_markup(const std::string& text);
    void close_group();
    void finish();
    void check_magic_number();
    void fail(const std::string& message);

    static int32_t line_sum(const std::string& line);

    const VELMORA_TEXT* draw_text_record(const VELMORA_DB_GROUP* group);
    const VELMORA_CLIP* draw_clip_record(const VELMORA_DB_GROUP* group);
    std::optional<VELMORA_TEXT> random_text(const std::string& name, EXPANSION_BUDGET& budget);
    VELMORA_TEXT expand(const VELMORA_TEXT& record, EXPANSION_BUDGET& budget);
    std::string expand_line(const std::string& line, EXPANSION_BUDGET& budget);
    static void append_joined(std::string& result, const std::vector<std::string>& lines);

    VELMORA_DB_GROUP_TABLE groups_;
    std::vector<const VELMORA_DB_GROUP*> file_order_;
    std::string filename_;
    bool for_sealing_ = false;
    bool failed_ = false;
    std::string error_message_;
    std::optional<std::string> nickname_;
    std::optional<std::string> magic_number_;
    int32_t magic_lineno_ = 0;
    bool mature_ = false;
    bool debug_mode_ = false;
    bool has_rating_ = false;
    bool has_debug_ = false;
    int32_t lineno_ = 0;
    int32_t checksum_ = 0;
    int64_t counted_lines_ = 0;

    // Parsing state: the group being read (not yet in the table), whether any group header was
    // seen, and the text record a '+' line continues. A text dropped by the rating filter is
    // kept aside so that its continuations still attach to it.
    std::unique_ptr<VELMORA_DB_GROUP> current_group_;
    bool seen_group_ = false;
    VELMORA_TEXT* last_text_ = nullptr;
    VELMORA_TEXT dropped_text_;

    KWO_RANDOM rnd_{1};
    std::unordered_map<const VELMORA_DB_GROUP*, VELMORA_TEXT_BAG> text_bags_;
    VELMORA_DB_SEARCH_PATH last_search_path_;
};
