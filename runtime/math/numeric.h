// The numeric library: conversions, the random generator and the elementary
// functions, all computed from plain double arithmetic so that every result
// is the same to the bit on every platform.
#pragma once
#include <cstdint>

// Conversions (conversions.cpp).
int32_t Int(double x);          // floor, as a 32-bit integer
double Abs(double x);           // only values below zero are negated
double CDbl(double x);          // x unchanged
double Int64ToDbl(int64_t v);   // nearest double, ties to even

// Random numbers (random.cpp); the state is RuntimeState::randomSeed.
int32_t Rand();                 // 0..32767, advances the seed once
double Rnd();                   // one of 0, 0.00001, ..., 0.99999
void Randomize();               // seed from the tick count
void SetSeed(uint32_t v);

// Elementary functions (sqr.cpp, powers.cpp, log_exp.cpp).
double Sqr(double x);
double PowInt(double b, int32_t n);
double Ldexp(double x, int32_t n);
double Frexp(double x, int32_t* e);
double Log(double x);
double Exp(double x);
double Pow(double x, double y);
