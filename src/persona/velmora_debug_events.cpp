#include "persona/velmora_debug_events.h"

#include "persona/velmora_event_table.h"

using T = VELMORA_EVENT_TABLE;

const std::vector<std::string>& VELMORA_DEBUG_EVENTS::labels() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> result(static_cast<std::size_t>(T::listed_count()));
        for (const VELMORA_EVENT_ROW& row : T::rows) {
            if (row.listed > 0) {
                result[static_cast<std::size_t>(row.listed - 1)] = row.label;
            }
        }
        return result;
    }();
    return list;
}

std::optional<VELMORA_EVENT> VELMORA_DEBUG_EVENTS::make(const std::string& label) {
    for (int32_t id = T::first_id; id <= T::last_id; ++id) {
        if (T::row(id).listed > 0 && T::row(id).label == label) {
            return VELMORA_EVENT(id);
        }
    }
    return std::nullopt;
}
