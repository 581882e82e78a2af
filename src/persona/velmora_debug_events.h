// The events a persona author can raise by hand in debug mode, under the labels the debug
// dialog lists, in the dialog's order; both come from the event table. Move events come twice:
// 'v' for the character's move, 'p' for the player's. The application makes the chosen events
// with make and hands them to the persona like any other.
#pragma once

#include "persona/velmora_event.h"

#include <optional>
#include <string>
#include <vector>

class VELMORA_DEBUG_EVENTS {
  public:
    static const std::vector<std::string>& labels();
    // A new event for the label; none for an unknown label.
    static std::optional<VELMORA_EVENT> make(const std::string& label);
};
