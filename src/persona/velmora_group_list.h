// The pre-defined persona groups as the data file must hold them, indexed by group identifier
// 2 to 83, built once from the event table and shared. The persona validates a loaded data file
// against it, and events find the name of the group they draw from through it.
#pragma once

#include "persona/velmora_group_info.h"

#include <cstdint>
#include <string>
#include <vector>

class VELMORA_GROUP_LIST {
  public:
    static const VELMORA_GROUP_LIST& instance();

    // The group with that identifier (a row of VELMORA_EVENT_TABLE).
    const VELMORA_GROUP_INFO& item(int32_t group_id) const;
    // The event key of a group, such as "sitdown".
    std::string key(int32_t group_id) const;
    // The data file name of a group, such as "@SITDOWN".
    const std::string& group_name(int32_t group_id) const { return item(group_id).group_name; }
    const std::vector<VELMORA_GROUP_INFO>& items() const { return items_; }

  private:
    VELMORA_GROUP_LIST();

    std::vector<VELMORA_GROUP_INFO> items_; // in identifier order
};
