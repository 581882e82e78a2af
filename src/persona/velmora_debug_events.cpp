#include "persona/velmora_debug_events.h"

#include "persona/velmora_event_captures_bishop.h"
#include "persona/velmora_event_captures_knight.h"
#include "persona/velmora_event_captures_pawn.h"
#include "persona/velmora_event_captures_queen.h"
#include "persona/velmora_event_captures_rook.h"
#include "persona/velmora_event_castles.h"
#include "persona/velmora_event_checks.h"
#include "persona/velmora_event_credits.h"
#include "persona/velmora_event_default.h"
#include "persona/velmora_event_draw.h"
#include "persona/velmora_event_ep_captures.h"
#include "persona/velmora_event_flip_board.h"
#include "persona/velmora_event_game_end.h"
#include "persona/velmora_event_game_start.h"
#include "persona/velmora_event_nickname_taunt.h"
#include "persona/velmora_event_normal.h"
#include "persona/velmora_event_player_resigns.h"
#include "persona/velmora_event_player_wins.h"
#include "persona/velmora_event_promotes.h"
#include "persona/velmora_event_resign_taunt.h"
#include "persona/velmora_event_sitdown.h"
#include "persona/velmora_event_stale_mate.h"
#include "persona/velmora_event_standup.h"
#include "persona/velmora_event_thinking.h"
#include "persona/velmora_event_undo_taunt.h"
#include "persona/velmora_event_velmora_wins.h"
#include "persona/velmora_event_webcam_changed.h"

#include <algorithm>
#include <functional>

namespace {

using MAKER = std::function<std::unique_ptr<VELMORA_EVENT>()>;

struct DEBUG_ENTRY {
    std::string label;
    MAKER make;
};

template <typename EVENT>
MAKER plain() {
    return [] { return std::make_unique<EVENT>(); };
}

template <typename EVENT>
MAKER with(bool argument) {
    return [argument] { return std::make_unique<EVENT>(argument); };
}

void add_moves(std::vector<DEBUG_ENTRY>& entries, const std::string& prefix, bool velmora) {
    entries.push_back({prefix + "CHECKS", with<VELMORA_EVENT_CHECKS>(velmora)});
    entries.push_back({prefix + "CASTLES", with<VELMORA_EVENT_CASTLES>(velmora)});
    entries.push_back({prefix + "EP_CAPTURES", with<VELMORA_EVENT_EP_CAPTURES>(velmora)});
    entries.push_back({prefix + "PROMOTES", with<VELMORA_EVENT_PROMOTES>(velmora)});
    entries.push_back({prefix + "CAPTURES_QUEEN", with<VELMORA_EVENT_CAPTURES_QUEEN>(velmora)});
    entries.push_back({prefix + "CAPTURES_ROOK", with<VELMORA_EVENT_CAPTURES_ROOK>(velmora)});
    entries.push_back({prefix + "CAPTURES_BISHOP", with<VELMORA_EVENT_CAPTURES_BISHOP>(velmora)});
    entries.push_back({prefix + "CAPTURES_KNIGHT", with<VELMORA_EVENT_CAPTURES_KNIGHT>(velmora)});
    entries.push_back({prefix + "CAPTURES_PAWN", with<VELMORA_EVENT_CAPTURES_PAWN>(velmora)});
    entries.push_back({prefix + "NORMAL", with<VELMORA_EVENT_NORMAL>(velmora)});
}

const std::vector<DEBUG_ENTRY>& entries() {
    static const std::vector<DEBUG_ENTRY> list = [] {
        std::vector<DEBUG_ENTRY> e = {
            {"DEFAULT", plain<VELMORA_EVENT_DEFAULT>()},
            {"SITDOWN", plain<VELMORA_EVENT_SITDOWN>()},
            {"STANDUP", plain<VELMORA_EVENT_STANDUP>()},
            {"GAME_START", plain<VELMORA_EVENT_GAME_START>()},
            {"GAME_END", plain<VELMORA_EVENT_GAME_END>()},
            {"CREDITS", plain<VELMORA_EVENT_CREDITS>()},
            {"THINKING", plain<VELMORA_EVENT_THINKING>()},
            {"WEBCAM (off)", with<VELMORA_EVENT_WEBCAM_CHANGED>(false)},
            {"WEBCAM (on)", with<VELMORA_EVENT_WEBCAM_CHANGED>(true)},
            {"NICKNAME_TAUNT", plain<VELMORA_EVENT_NICKNAME_TAUNT>()},
            {"FLIP_BOARD", plain<VELMORA_EVENT_FLIP_BOARD>()},
            {"RESIGN_TAUNT", plain<VELMORA_EVENT_RESIGN_TAUNT>()},
            {"UNDO_TAUNT", plain<VELMORA_EVENT_UNDO_TAUNT>()},
            {"PLAYER_WINS", plain<VELMORA_EVENT_PLAYER_WINS>()},
            {"DRAW", plain<VELMORA_EVENT_DRAW>()},
            {"VELMORA_WINS", plain<VELMORA_EVENT_VELMORA_WINS>()},
            {"PLAYER_RESIGNS", plain<VELMORA_EVENT_PLAYER_RESIGNS>()},
            {"STALE_MATE", plain<VELMORA_EVENT_STALE_MATE>()},
        };
        add_moves(e, "v", true);
        add_moves(e, "p", false);
        return e;
    }();
    return list;
}

} // namespace

const std::vector<std::string>& VELMORA_DEBUG_EVENTS::labels() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> result;
        for (const DEBUG_ENTRY& entry : entries()) {
            result.push_back(entry.label);
        }
        return result;
    }();
    return list;
}

std::unique_ptr<VELMORA_EVENT> VELMORA_DEBUG_EVENTS::make(std::size_t index) {
    return index < entries().size() ? entries()[index].make() : nullptr;
}

std::unique_ptr<VELMORA_EVENT> VELMORA_DEBUG_EVENTS::make(const std::string& label) {
    const auto& list = labels();
    const auto found = std::find(list.begin(), list.end(), label);
    return found == list.end() ? nullptr : make(static_cast<std::size_t>(found - list.begin()));
}
