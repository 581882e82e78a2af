// The order in which one group's texts are drawn: a shuffled bag. Each candidate of the group (an
// own text record or an included group) is drawn once before any of them is drawn again, and a
// new round never begins with the candidate that ended the last one, so the same text never comes
// twice in a row and every text of a group is heard before one repeats. A group with one or two
// candidates keeps the plain uniform draw: with two, a bag could only alternate them.
#pragma once

#include "rules/kwo_random.h"

#include <cstddef>
#include <vector>

class VELMORA_TEXT_BAG {
  public:
    // The uniform pick of the persona: 1 + |v| mod n after one step of the generator.
    static std::size_t uniform_pick(KWO_RANDOM& rnd, std::size_t candidates);

    // The candidate (1-based) to draw next from a group of that many candidates.
    std::size_t draw(std::size_t candidates, KWO_RANDOM& rnd);

  private:
    void refill(std::size_t candidates, KWO_RANDOM& rnd);

    std::vector<std::size_t> remaining_; // drawn from the back
    std::size_t last_ = 0;               // 0: nothing drawn yet
};
