// What the program requires of one pre-defined group of the persona data file: its name ("@"
// and the upper-cased event key), whether the file must hold it at all, and whether it must hold
// text or clips. Every pre-defined group requires exactly one of the two; the other kind is
// optional. An optional group may be missing, but once present it is held to the same rule.
#pragma once

#include <cstdint>
#include <string>

class VELMORA_GROUP_INFO {
  public:
    std::string group_name;
    bool requires_text = false;
    bool requires_clips = false;
    bool optional = false;
    int32_t group_id = 0;

    VELMORA_GROUP_INFO() = default;
    VELMORA_GROUP_INFO(std::string group_name, bool requires_text, bool optional, int32_t group_id)
        : group_name(std::move(group_name)), requires_text(requires_text),
          requires_clips(!requires_text), optional(optional), group_id(group_id) {}
};
