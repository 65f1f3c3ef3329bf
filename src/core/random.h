#pragma once

#include <cstdint>
#include <random>

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

// A whole number 1..n, each equally likely, from exactly one value of source:
// floor(r * n) + 1. n must be at least 1.
int RandomInt(RandomSource& source, int n);

// The game's generator: a Mersenne Twister whose values are cut to 24 bits,
// so every value is an exact float in [0, 1).
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(float seed = 0.0f) { Seed(seed); }

    void Seed(float seed) override;
    float NextUniform() override {
        return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
    }

private:
    std::mt19937 engine_;
};

// Seconds since midnight, with their fraction, in local time: the seed of a run.
float SecondsSinceMidnight();

}  // namespace pathwick
