#include "persona/velmora_group_list.h"

#include "persona/velmora_event_table.h"
#include "persona/velmora_text_rules.h"

#include <cassert>

const VELMORA_GROUP_LIST& VELMORA_GROUP_LIST::instance() {
    static const VELMORA_GROUP_LIST list;
    return list;
}

VELMORA_GROUP_LIST::VELMORA_GROUP_LIST() {
    using T = VELMORA_EVENT_TABLE;
    for (int32_t id = T::first_id; id <= T::last_id; ++id) {
        items_.emplace_back("@" + VELMORA_TEXT_RULES::to_upper(key(id)), T::requires_text(id),
                            T::is_optional(id), id);
    }
}

const VELMORA_GROUP_INFO& VELMORA_GROUP_LIST::item(int32_t group_id) const {
    assert(VELMORA_EVENT_TABLE::is_id(group_id));
    return items_[static_cast<std::size_t>(group_id - VELMORA_EVENT_TABLE::first_id)];
}

std::string VELMORA_GROUP_LIST::key(int32_t group_id) const {
    assert(VELMORA_EVENT_TABLE::is_id(group_id));
    return std::string(VELMORA_EVENT_TABLE::row(group_id).key);
}
