// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <bit>
#include <cassert>
#include <cstdint>

namespace pathwick {

// Where the game's random numbers come from: uniform values 0 <= r < 1.
// The game owns one and hands it to whatever needs it; tests script their own.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Starts the sequence again from a seed (the game seeds once per run,
    // from the time of day).
    virtual void Seed(float seed) = 0;

    // The next uniform value, strictly below 1.
    virtual float NextUniform() = 0;
};

// xoshiro128++: four 32-bit words of state, a long period (2^128 - 1) and
// good statistics for a game, at a few instructions a value.
class Xoshiro128 {
public:
    explicit Xoshiro128(std::uint32_t seed = 0) { Seed(seed); }

    // Spreads seed over the whole state, so that close seeds give unrelated
    // sequences and the state is never all zero.
    void Seed(std::uint32_t seed);

    std::uint32_t operator()() {
        const std::uint32_t result = std::rotl(s_[0] + s_[3], 7) + s_[0];
        const std::uint32_t t = s_[1] << 9;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = std::rotl(s_[3], 11);
        return result;
    }

private:
    std::array<std::uint32_t, 4> s_{};
};

// The game's generator: xoshiro128++ whose values are cut to 24 bits,
// so every value is an exact float in [0, 1).
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(float seed = 0.0f) { Seed(seed); }

    void Seed(float seed) override;
    float NextUniform() override {
        return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
    }

private:
    Xoshiro128 engine_;
};

// A whole number 1..n, each equally likely, from exactly one value of source:
// floor(r * n) + 1. n must be at least 1.
inline int RandomInt(RandomSource& source, int n) {
    assert(n >= 1);
    const float r = source.NextUniform();
    assert(r >= 0.0f && r < 1.0f);
    // The product of a float and n is exact in double, so it stays below n
    // for every r < 1; it is never negative, so truncating it floors it.
    return static_cast<int>(static_cast<double>(r) * n) + 1;
}

// Seconds since midnight, with their fraction, in local time: the seed of a run.
float SecondsSinceMidnight();

}  // namespace pathwick
