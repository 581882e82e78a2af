// A named group of the persona data file: its own text and clip records and the earlier groups
// it includes. A group enters the data base's table only once it is complete, so included groups
// always point backwards and drawing through them always ends. Groups are owned by the table and
// never move, so the inclusion pointers stay valid for the data base's lifetime.
#pragma once

#include "persona/velmora_clip.h"
#include "persona/velmora_text.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class VELMORA_DB_GROUP {
  public:
    std::string name; // upper case
    std::vector<VELMORA_TEXT> text_records;
    std::vector<VELMORA_CLIP> clip_records;
    std::vector<const VELMORA_DB_GROUP*> text_groups;
    std::vector<const VELMORA_DB_GROUP*> clip_groups;

    explicit VELMORA_DB_GROUP(std::string name) : name(std::move(name)) {}

    bool has_text() const { return !text_records.empty() || !text_groups.empty(); }
    bool has_clips() const { return !clip_records.empty() || !clip_groups.empty(); }
};

// The data base's group table, keyed by upper-case name.
using VELMORA_DB_GROUP_TABLE = std::unordered_map<std::string, std::unique_ptr<VELMORA_DB_GROUP>>;
