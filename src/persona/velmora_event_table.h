// The persona's event catalogue: one row for every pre-defined group of the persona data file, in
// group identifier order from 2. A row names the event that draws from the group: its kind (events
// of one kind refuse each other while one of them is current, unless always accepted), its
// priority (smaller is more important), how it plays, whose move it reacts to and on what, and its
// place in the debug list. Group identifiers, event keys, the groups the data file must hold, the
// debug list and the choice of a move's event all come from these rows, and the checks below the
// class hold them together while compiling. Adding an event is adding a row.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

// How an event plays. Groups of text-only events must hold text; all other groups clips. An
// optional group may be left out of the data file; when it is there, it must hold text.
enum class VELMORA_PLAY : uint8_t {
    drawn_only,    // no event of its own: other events draw from the group
    text_only,     // a text from the group, no clip
    optional_text, // as text only when the data file holds the group; nothing otherwise
    clip,          // a clip from the group, then the text along the clip's path
    seated_clip,   // as clip while the character is seated; a "nogame" clip and no text otherwise
    by_score,      // as seated clip, from the group the position's score chooses
};

// Whose move an event reacts to.
enum class VELMORA_MOVER : uint8_t { nobody, player, velmora };

// What a move did, most telling first: a move raises the event of the first of these that holds.
enum class VELMORA_ON_MOVE : uint8_t {
    no_move,
    check,
    en_passant,
    promotion,
    castling,
    captures_pawn,
    captures_bishop,
    captures_knight,
    captures_rook,
    captures_queen,
    quiet,
};

struct VELMORA_EVENT_ROW {
    std::string_view key; // the group is "@" and the upper-cased key
    std::string_view kind;
    int32_t priority;
    bool always;
    VELMORA_PLAY plays;
    VELMORA_MOVER by;
    VELMORA_ON_MOVE on;
    int32_t listed; // place in the debug list from 1; 0 for not listed
    std::string_view label;
};

class VELMORA_EVENT_TABLE {
  public:
    using enum VELMORA_PLAY;
    using enum VELMORA_MOVER;
    using enum VELMORA_ON_MOVE;
    static constexpr bool yes = true;
    static constexpr bool no = false;

    static constexpr int32_t first_id = 2;

    // clang-format off
    static constexpr VELMORA_EVENT_ROW rows[] = {
        // key                      kind               prio always plays        by       on              debug list
        {"nogame",                  "",                  0, no,  drawn_only,  nobody,  no_move,          0, ""},
        {"sitdown",                 "SITDOWN",           1, yes, clip,        nobody,  no_move,          2, "SITDOWN"},
        {"standup",                 "STANDUP",           1, yes, clip,        nobody,  no_move,          3, "STANDUP"},
        {"game_start",              "GAME_START",        1, yes, clip,        nobody,  no_move,          4, "GAME_START"},
        {"game_continue",           "GAME_CONTINUE",     1, yes, clip,        nobody,  no_move,          0, ""},
        {"game_end",                "GAME_END",          1, yes, clip,        nobody,  no_move,          5, "GAME_END"},
        {"general_behavior",        "DEFAULT",           1, yes, by_score,    nobody,  no_move,          1, "DEFAULT"},
        {"player_winning1",         "",                  0, no,  drawn_only,  nobody,  no_move,          0, ""},
        {"player_winning2",         "",                  0, no,  drawn_only,  nobody,  no_move,          0, ""},
        {"velmora_winning1",        "",                  0, no,  drawn_only,  nobody,  no_move,          0, ""},
        {"velmora_winning2",        "",                  0, no,  drawn_only,  nobody,  no_move,          0, ""},
        {"velmora_thinking",        "THINKING",        101, yes, clip,        nobody,  no_move,          7, "THINKING"},
        {"nickname_taunt",          "NICKNAME_TAUNT",    4, no,  seated_clip, nobody,  no_move,         10, "NICKNAME_TAUNT"},
        {"resign_taunt",            "RESIGN_TAUNT",      4, no,  clip,        nobody,  no_move,         12, "RESIGN_TAUNT"},
        {"webcam_off",              "WEBCAM_CHANGED",    5, no,  seated_clip, nobody,  no_move,          8, "WEBCAM (off)"},
        {"webcam_on",               "WEBCAM_CHANGED",    5, no,  seated_clip, nobody,  no_move,          9, "WEBCAM (on)"},
        {"undo_taunt",              "UNDO_TAUNT",        4, no,  clip,        nobody,  no_move,         13, "UNDO_TAUNT"},
        {"flip_board",              "FLIP_BOARD",        5, no,  seated_clip, nobody,  no_move,         11, "FLIP_BOARD"},
        {"credits",                 "CREDITS",           1, no,  clip,        nobody,  no_move,          6, "CREDITS"},
        {"draw",                    "DRAW",              1, yes, clip,        nobody,  no_move,         15, "DRAW"},
        {"stalemate",               "STALE_MATE",        1, yes, clip,        nobody,  no_move,         18, "STALE_MATE"},
        {"player_resigns",          "PLAYER_RESIGNS",    1, yes, clip,        nobody,  no_move,         17, "PLAYER_RESIGNS"},
        {"player_wins",             "PLAYER_WINS",       1, yes, clip,        nobody,  no_move,         14, "PLAYER_WINS"},
        {"velmora_wins",            "VELMORA_WINS",      1, yes, clip,        nobody,  no_move,         16, "VELMORA_WINS"},
        {"player_checks",           "CHECKS",           95, no,  clip,        player,  check,           29, "pCHECKS"},
        {"player_captures_queen",   "CAPTURES_QUEEN",   20, no,  clip,        player,  captures_queen,  33, "pCAPTURES_QUEEN"},
        {"player_captures_rook",    "CAPTURES_ROOK",    30, no,  clip,        player,  captures_rook,   34, "pCAPTURES_ROOK"},
        {"player_captures_bishop",  "CAPTURES_BISHOP",  60, no,  clip,        player,  captures_bishop, 35, "pCAPTURES_BISHOP"},
        {"player_captures_knight",  "CAPTURES_KNIGHT",  70, no,  clip,        player,  captures_knight, 36, "pCAPTURES_KNIGHT"},
        {"player_captures_pawn",    "CAPTURES_PAWN",    90, no,  clip,        player,  captures_pawn,   37, "pCAPTURES_PAWN"},
        {"player_castles",          "CASTLES",          80, no,  clip,        player,  castling,        30, "pCASTLES"},
        {"player_promotes",         "PROMOTES",         10, no,  clip,        player,  promotion,       32, "pPROMOTES"},
        {"player_ep_captures",      "EP_CAPTURES",      40, no,  clip,        player,  en_passant,      31, "pEP_CAPTURES"},
        {"player_moves",            "NORMAL",           99, yes, clip,        player,  quiet,           38, "pNORMAL"},
        {"velmora_checks",          "CHECKS",           95, no,  clip,        velmora, check,           19, "vCHECKS"},
        {"velmora_captures_queen",  "CAPTURES_QUEEN",   20, no,  clip,        velmora, captures_queen,  23, "vCAPTURES_QUEEN"},
        {"velmora_captures_rook",   "CAPTURES_ROOK",    30, no,  clip,        velmora, captures_rook,   24, "vCAPTURES_ROOK"},
        {"velmora_captures_bishop", "CAPTURES_BISHOP",  60, no,  clip,        velmora, captures_bishop, 25, "vCAPTURES_BISHOP"},
        {"velmora_captures_knight", "CAPTURES_KNIGHT",  70, no,  clip,        velmora, captures_knight, 26, "vCAPTURES_KNIGHT"},
        {"velmora_captures_pawn",   "CAPTURES_PAWN",    90, no,  clip,        velmora, captures_pawn,   27, "vCAPTURES_PAWN"},
        {"velmora_castles",         "CASTLES",          80, no,  clip,        velmora, castling,        20, "vCASTLES"},
        {"velmora_promotes",        "PROMOTES",         10, no,  clip,        velmora, promotion,       22, "vPROMOTES"},
        {"velmora_ep_captures",     "EP_CAPTURES",      40, no,  clip,        velmora, en_passant,      21, "vEP_CAPTURES"},
        {"velmora_moves",           "NORMAL",          100, yes, clip,        velmora, quiet,           28, "vNORMAL"},
        {"start_help",              "START",             1, yes, text_only,   nobody,  no_move,          0, ""},
        {"save_game",               "SAVE",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"save_error",              "SAVE_ERROR",        1, yes, text_only,   nobody,  no_move,          0, ""},
        {"load_game",               "LOAD",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"load_error",              "LOAD_ERROR",        1, yes, text_only,   nobody,  no_move,          0, ""},
        {"resign_confirmation",     "RESIGN_CONFIRM",    1, yes, text_only,   nobody,  no_move,          0, ""},
        {"statistics",              "STATISTICS",        1, yes, text_only,   nobody,  no_move,          0, ""},
        {"change_nickname",         "CHANGE_NICKNAME",   1, yes, text_only,   nobody,  no_move,          0, ""},
        {"request_hint",            "HINT_BEFORE",       1, yes, text_only,   nobody,  no_move,          0, ""},
        {"issue_hint",              "HINT_AFTER",        1, yes, text_only,   nobody,  no_move,          0, ""},
        {"about",                   "ABOUT",             1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help",                    "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help1",                   "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help2",                   "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help3",                   "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help4",                   "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help5",                   "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help6",                   "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help7",                   "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help8",                   "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help9",                   "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help10",                  "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help11",                  "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help12",                  "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help13",                  "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help14",                  "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help15",                  "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help16",                  "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help17",                  "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help18",                  "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help19",                  "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help20",                  "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help21",                  "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help22",                  "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help23",                  "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help24",                  "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"help25",                  "HELP",              1, yes, text_only,   nobody,  no_move,          0, ""},
        {"ee",                      "EASTER_EGG",        1, no,  clip,        nobody,  no_move,          0, ""},
        {"review_blunder",          "REVIEW",            1, yes, optional_text, nobody, no_move,        0, ""},
        {"review_mistake",          "REVIEW",            1, yes, optional_text, nobody, no_move,        0, ""},
        {"review_missed_win",       "REVIEW",            1, yes, optional_text, nobody, no_move,        0, ""},
        {"review_best_move",        "REVIEW",            1, yes, optional_text, nobody, no_move,        0, ""},
        {"review_her_mistake",      "REVIEW",            1, yes, optional_text, nobody, no_move,        0, ""},
        {"review_clean_game",       "REVIEW",            1, yes, optional_text, nobody, no_move,        0, ""},
        {"opening",                 "OPENING",           1, yes, optional_text, nobody, no_move,        0, ""},
    };
    // clang-format on

    static constexpr int32_t last_id = first_id + static_cast<int32_t>(std::size(rows)) - 1;

    static constexpr bool is_id(int32_t id) { return id >= first_id && id <= last_id; }
    static constexpr const VELMORA_EVENT_ROW& row(int32_t id) {
        return rows[static_cast<std::size_t>(id - first_id)];
    }
    static constexpr bool raises_event(int32_t id) { return row(id).plays != drawn_only; }
    static constexpr bool requires_text(int32_t id) {
        return row(id).plays == text_only || row(id).plays == optional_text;
    }
    static constexpr bool is_optional(int32_t id) { return row(id).plays == optional_text; }

    // The identifier of the group with that key; an unknown key does not compile.
    static consteval int32_t id(std::string_view key) {
        for (std::size_t i = 0; i < std::size(rows); ++i) {
            if (rows[i].key == key) {
                return first_id + static_cast<int32_t>(i);
            }
        }
        throw "no pre-defined group has this key";
    }

    // An event named by the key of its group, such as "game_start" or "player_checks"; a key
    // that names no event does not compile.
    class KEY {
      public:
        consteval KEY(const char* key) : id(event_id(key)) {}
        const int32_t id;

      private:
        static consteval int32_t event_id(std::string_view key) {
            const int32_t found = VELMORA_EVENT_TABLE::id(key);
            if (!raises_event(found)) {
                throw "this group has no event of its own";
            }
            return found;
        }
    };

    // The number of entries of the debug list.
    static constexpr int32_t listed_count() {
        int32_t count = 0;
        for (const VELMORA_EVENT_ROW& r : rows) {
            count += r.listed > 0 ? 1 : 0;
        }
        return count;
    }

    // What the rows must agree on; each is asserted below the class.
    static constexpr bool keys_are_unique() {
        for (std::size_t i = 0; i < std::size(rows); ++i) {
            for (std::size_t j = i + 1; j < std::size(rows); ++j) {
                if (rows[i].key == rows[j].key) {
                    return false;
                }
            }
        }
        return true;
    }
    // Only events have a kind and a priority, and events of one kind play and accept alike.
    static constexpr bool kinds_agree() {
        for (const VELMORA_EVENT_ROW& a : rows) {
            if ((a.plays == drawn_only) != a.kind.empty() ||
                (a.plays == drawn_only) != (a.priority == 0)) {
                return false;
            }
            for (const VELMORA_EVENT_ROW& b : rows) {
                if (a.kind == b.kind && (a.always != b.always || a.plays != b.plays)) {
                    return false;
                }
            }
        }
        return true;
    }
    // The debug list numbers its events 1, 2, 3, ... with a label each, and nothing else.
    static constexpr bool debug_list_is_numbered() {
        for (int32_t place = 1; place <= listed_count(); ++place) {
            int32_t found = 0;
            for (const VELMORA_EVENT_ROW& r : rows) {
                found += r.listed == place ? 1 : 0;
            }
            if (found != 1) {
                return false;
            }
        }
        for (const VELMORA_EVENT_ROW& r : rows) {
            if ((r.listed > 0) == r.label.empty() || (r.listed > 0 && r.plays == drawn_only)) {
                return false;
            }
        }
        return true;
    }
    // Every move, by either side, has exactly one event, and only moves have a mover.
    static constexpr bool every_move_has_one_event() {
        for (const VELMORA_EVENT_ROW& r : rows) {
            if ((r.by == nobody) != (r.on == no_move)) {
                return false;
            }
        }
        for (VELMORA_MOVER mover : {player, velmora}) {
            for (auto on = static_cast<int>(check); on <= static_cast<int>(quiet); ++on) {
                int32_t found = 0;
                for (const VELMORA_EVENT_ROW& r : rows) {
                    found += r.by == mover && static_cast<int>(r.on) == on ? 1 : 0;
                }
                if (found != 1) {
                    return false;
                }
            }
        }
        return true;
    }
};

static_assert(VELMORA_EVENT_TABLE::keys_are_unique(), "two rows have the same key");
static_assert(VELMORA_EVENT_TABLE::kinds_agree(), "the rows of a kind disagree");
static_assert(VELMORA_EVENT_TABLE::debug_list_is_numbered(), "the debug list has gaps or twins");
static_assert(VELMORA_EVENT_TABLE::every_move_has_one_event(), "a move has no event, or two");
