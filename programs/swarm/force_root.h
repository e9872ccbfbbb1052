// Sqr of a force's squared length, taken in steps that the force phase
// spreads over other work, with a shorter chain per step than Sqr's own.
//
// Sqr's step is y = (y + x / y) / 2. Taken as y / 2 + (x / 2) / y it gives
// the same bits: halving is exact, and rounding commutes with it, as long as
// every value stays a normal number well inside the range of doubles. For x
// within [2^-900, 2^900] the estimates stay within a few powers of two of
// sqrt(x), far from both ends. Then y / 2 is ready before the division ends,
// and the step's chain is one division and one addition instead of a
// division, an addition and a multiplication.
#pragma once
#include "runtime/math/numeric.h"

class ForceRoot {
  public:
    // Outside the range (including 0 and NaN) the steps are not used.
    explicit ForceRoot(double lengthSq)
        : lengthSq_(lengthSq), halfX_(lengthSq * 0.5), y_(SqrBegin(lengthSq).y),
          inRange_(lengthSq >= 0x1p-900 && lengthSq <= 0x1p900) {}

    void Advance() { y_ = y_ * 0.5 + halfX_ / y_; }

    // Sqr(lengthSq), once kSteps steps have been taken. A normal argument
    // has converged by then: the next step repeats the estimate, which is
    // then the result. The comparison is a branch that is all but always
    // taken, so what follows need not wait for that step. Anything else
    // goes to Sqr itself.
    static constexpr int kSteps = 5;
    [[gnu::always_inline]] double Length() const {
        if (inRange_) [[likely]] {
            ForceRoot next = *this;
            next.Advance();
            if (next.y_ == y_) [[likely]] return y_;
        }
        return Sqr(lengthSq_);
    }

  private:
    double lengthSq_;
    double halfX_;
    double y_;  // the current estimate
    bool inRange_;
};
