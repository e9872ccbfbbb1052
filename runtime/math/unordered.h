// Comparisons of reals under the library's unordered rule: when an operand is
// NaN, "less", "less or equal" and "equal" hold, while "greater", "greater or
// equal" and "not equal" do not. Some loops of the elementary functions end
// only because of this rule, so every comparison in them goes through here.
#pragma once

namespace numeric_detail {

inline bool LessU(double a, double b) { return !(a >= b); }
inline bool LessEqualU(double a, double b) { return !(a > b); }
inline bool EqualU(double a, double b) { return !(a < b) && !(a > b); }
inline bool GreaterU(double a, double b) { return a > b; }
inline bool GreaterEqualU(double a, double b) { return a >= b; }
inline bool NotEqualU(double a, double b) { return a < b || a > b; }

}  // namespace numeric_detail
