// Names for the pre-defined persona groups that the persona's own rules refer to: the character's
// empty place, the groups the default reaction chooses from by score, the webcam reactions and the
// help topics. The identifiers come from the event table, so they can never fall out of step with
// it; a group name is "@" and the upper-cased key ("sitdown" is the group [@SITDOWN]).
#pragma once

#include "persona/velmora_event_table.h"

#include <cstdint>

struct VELMORA_GROUP_CONSTANTS {
    using T = VELMORA_EVENT_TABLE;
    static constexpr int32_t group_first = T::first_id;
    static constexpr int32_t group_last = T::last_id;
    static constexpr int32_t group_nogame = T::id("nogame");
    static constexpr int32_t group_general_behavior = T::id("general_behavior");
    static constexpr int32_t group_player_winning1 = T::id("player_winning1");
    static constexpr int32_t group_player_winning2 = T::id("player_winning2");
    static constexpr int32_t group_velmora_winning1 = T::id("velmora_winning1");
    static constexpr int32_t group_velmora_winning2 = T::id("velmora_winning2");
    static constexpr int32_t group_webcam_off = T::id("webcam_off");
    static constexpr int32_t group_webcam_on = T::id("webcam_on");
    static constexpr int32_t group_help = T::id("help");
    // "help1" to "help25" follow "help".
    static constexpr int32_t help_topic_count = T::id("help25") - group_help;

    // The group of a help topic: "help"n for n in 1..25, "help" for any other n.
    static constexpr int32_t group_help_topic(int32_t topic) {
        return topic >= 1 && topic <= help_topic_count ? group_help + topic : group_help;
    }
};
