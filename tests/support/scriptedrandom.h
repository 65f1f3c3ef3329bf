// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <stdexcept>
#include <utility>

#include "core/random.h"

namespace pathwick::testing {

// A random source that plays back a script. Each entry says which result a
// call RandomInt(n) must give: the value played is the middle of that result's
// interval, so a call with another n than the script expects gives a result
// the test notices. Running out of script throws.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    // Pairs of (expected n, wanted result).
    ScriptedRandom(std::initializer_list<std::pair<int, int>> draws) {
        for (auto [n, result] : draws) Draw(n, result);
    }

    // Queues one draw: RandomInt(n) will return result.
    ScriptedRandom& Draw(int n, int result) {
        values_.append((static_cast<float>(result) - 0.5f) / static_cast<float>(n));
        return *this;
    }
    // Queues a raw uniform value.
    ScriptedRandom& Value(float r) {
        values_.append(r);
        return *this;
    }

    void Seed(float) override {}
    float NextUniform() override {
        if (values_.isEmpty()) throw std::runtime_error("scripted random numbers ran out");
        ++used_;
        return values_.takeFirst();
    }

    int Used() const { return used_; }
    int Remaining() const { return static_cast<int>(values_.size()); }

private:
    QList<float> values_;
    int used_ = 0;
};

}  // namespace pathwick::testing
