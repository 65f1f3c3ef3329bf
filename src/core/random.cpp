#include "core/random.h"

#include <QTime>
#include <bit>
#include <cassert>
#include <cmath>

namespace pathwick {

int RandomInt(RandomSource& source, int n) {
    assert(n >= 1);
    const float r = source.NextUniform();
    assert(r >= 0.0f && r < 1.0f);
    // The product is taken in double so that it stays below n for every r < 1.
    return static_cast<int>(std::floor(static_cast<double>(r) * n)) + 1;
}

void SeededRandom::Seed(float seed) {
    // Every bit of the float matters: two seeds a fraction of a second apart
    // give different sequences.
    engine_.seed(std::bit_cast<std::uint32_t>(seed));
}

float SecondsSinceMidnight() {
    const QTime now = QTime::currentTime();
    return static_cast<float>(now.msecsSinceStartOfDay()) / 1000.0f;
}

}  // namespace pathwick
