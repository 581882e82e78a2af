// An additive lagged generator over 63 words, seeded by the minimal-standard multiplicative
// step. The hash values of the move table come from it with a fixed seed, so they are the same on
// every run; the persona draws from it with a seed taken from the clock.
#pragma once

#include <array>
#include <cstdint>

class KWO_RANDOM {
  public:
    explicit KWO_RANDOM(int32_t seed);

    // A seed from the low 31 bits of the monotonic millisecond clock, never 0 (a zero seed
    // would leave the generator at zero for ever).
    static int32_t clock_seed();

    // Starts the sequence again from a new seed.
    void set_seed(int32_t seed);

    void forth();
    // The current output; callers call forth first.
    int32_t item() const { return item_; }
    int32_t seed() const { return seed_; }
    // A number in [low, high] from the current output; low when the range is empty.
    int32_t item_in_range(int32_t low, int32_t high) const;

  private:
    static int32_t next_minimal_standard(int32_t x);

    std::array<int32_t, 64> state_{}; // index 1..63
    int32_t seed_ = 0;
    int32_t item_ = 0;
    int32_t front_ = 2;
    int32_t rear_ = 1;
};
