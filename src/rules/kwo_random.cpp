#include "rules/kwo_random.h"

#include <chrono>
#include <cstdlib>

KWO_RANDOM::KWO_RANDOM(int32_t seed) {
    set_seed(seed);
}

int32_t KWO_RANDOM::clock_seed() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const int64_t ms = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    const auto seed = static_cast<int32_t>(ms & 0x7fffffff);
    // A zero seed would leave the generator at zero for ever.
    return seed == 0 ? 1 : seed;
}

void KWO_RANDOM::set_seed(int32_t seed) {
    seed_ = seed;
    state_[1] = seed;
    for (int i = 2; i <= 63; ++i) {
        state_[i] = next_minimal_standard(state_[i - 1]);
    }
    rear_ = 1;
    front_ = 2;
    item_ = 0;
    for (int i = 0; i < 630; ++i) {
        forth();
    }
}

// Schrage's method: 16807 * x mod (2^31 - 1) without overflow.
int32_t KWO_RANDOM::next_minimal_standard(int32_t x) {
    int32_t result = 16807 * (x % 127773) - 2836 * (x / 127773);
    if (result <= 0) {
        result += 2147483647;
    }
    return result;
}

void KWO_RANDOM::forth() {
    state_[front_] = static_cast<int32_t>(static_cast<uint32_t>(state_[front_]) +
                                          static_cast<uint32_t>(state_[rear_]));
    item_ = (state_[front_] / 2) % 2147483647;
    front_ = front_ == 63 ? 1 : front_ + 1;
    rear_ = rear_ == 63 ? 1 : rear_ + 1;
}

int32_t KWO_RANDOM::item_in_range(int32_t low, int32_t high) const {
    const int64_t span = static_cast<int64_t>(high) - low + 1;
    if (span <= 0) {
        return low;
    }
    return static_cast<int32_t>(low + std::llabs(static_cast<int64_t>(item_)) % span);
}
