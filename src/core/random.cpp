// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/random.h"

#include <QTime>
#include <bit>

namespace pathwick {

void Xoshiro128::Seed(std::uint32_t seed) {
    // splitmix64 steps fill the state.
    std::uint64_t z = seed;
    for (std::size_t i = 0; i < s_.size(); i += 2) {
        z += 0x9E3779B97F4A7C15u;
        std::uint64_t x = z;
        x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
        x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
        x ^= x >> 31;
        s_[i] = static_cast<std::uint32_t>(x);
        s_[i + 1] = static_cast<std::uint32_t>(x >> 32);
    }
}

void SeededRandom::Seed(float seed) {
    // Every bit of the float matters: two seeds a fraction of a second apart
    // give different sequences.
    engine_.Seed(std::bit_cast<std::uint32_t>(seed));
}

float SecondsSinceMidnight() {
    const QTime now = QTime::currentTime();
    return static_cast<float>(now.msecsSinceStartOfDay()) / 1000.0f;
}

}  // namespace pathwick
