#include "persona/velmora_text_bag.h"

#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <utility>

std::size_t VELMORA_TEXT_BAG::uniform_pick(KWO_RANDOM& rnd, std::size_t candidates) {
    rnd.forth();
    const int64_t v = std::llabs(static_cast<int64_t>(rnd.item()));
    return static_cast<std::size_t>(1 + v % static_cast<int64_t>(candidates));
}

std::size_t VELMORA_TEXT_BAG::draw(std::size_t candidates, KWO_RANDOM& rnd) {
    if (candidates < 3) {
        return uniform_pick(rnd, candidates);
    }
    if (remaining_.empty()) {
        refill(candidates, rnd);
    }
    last_ = remaining_.back();
    remaining_.pop_back();
    return last_;
}

// A uniform shuffle; when the round would open with the text that closed the one before, that
// text changes place with another of the round.
void VELMORA_TEXT_BAG::refill(std::size_t candidates, KWO_RANDOM& rnd) {
    remaining_.resize(candidates);
    std::iota(remaining_.begin(), remaining_.end(), std::size_t{1});
    for (std::size_t i = candidates - 1; i > 0; --i) {
        std::swap(remaining_[i], remaining_[uniform_pick(rnd, i + 1) - 1]);
    }
    if (remaining_.back() == last_) {
        std::swap(remaining_.back(), remaining_[uniform_pick(rnd, candidates - 1) - 1]);
    }
}
