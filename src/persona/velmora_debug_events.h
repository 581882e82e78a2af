// The events a persona author can raise by hand in debug mode, under the labels the debug
// dialog lists, in the dialog's order. Move events come twice: 'v' for the character's move,
// 'p' for the player's. The application makes the chosen events with make and hands them to
// the persona like any other.
#pragma once

#include "persona/velmora_event.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class VELMORA_DEBUG_EVENTS {
  public:
    static const std::vector<std::string>& labels();
    // A new event for the label at index (0-based) of labels(); null for an index out of range.
    static std::unique_ptr<VELMORA_EVENT> make(std::size_t index);
    // A new event for the label; null for an unknown label.
    static std::unique_ptr<VELMORA_EVENT> make(const std::string& label);
};
