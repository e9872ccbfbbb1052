// The numeric library: conversions, the random generator and the elementary
// functions, all computed from plain double arithmetic so that every result
// is the same to the bit on every platform.
#pragma once
#include <cstdint>

// Conversions (conversions.cpp).
int32_t TruncateToInt32(double x);  // toward zero; INT32_MIN if it does not fit, and for NaN
int32_t Int(double x);          // floor, as a 32-bit integer
double Abs(double x);           // only values below zero are negated
double CDbl(double x);          // x unchanged
double Int64ToDbl(int64_t v);   // nearest double, ties to even

// Random numbers (random.cpp); the state is RuntimeState::randomSeed.
int32_t Rand();                 // 0..32767, advances the seed once
double Rnd();                   // one of 0, 0.00001, ..., 0.99999
void Randomize();               // seed from the tick count
void SetSeed(uint32_t v);

// Elementary functions (sqr.cpp, powers.cpp, scaling.cpp, log_exp.cpp).
double Sqr(double x);

// Sqr of a positive x in steps, for a caller that spreads the root's chain
// of divisions over other work: SqrEnd after SqrBegin and any number of
// SqrAdvance calls gives Sqr(x), bit for bit.
struct SqrInProgress {
    double x;
    double y;  // the current estimate
};
SqrInProgress SqrBegin(double x);
inline void SqrAdvance(SqrInProgress& root) { root.y = (root.y + root.x / root.y) / 2.0; }
double SqrEnd(SqrInProgress root);
double PowInt(double b, int32_t n);
double Ldexp(double x, int32_t n);
double Frexp(double x, int32_t* e);
double Log(double x);
double Exp(double x);
double Pow(double x, double y);
