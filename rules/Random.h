// The program's one random generator and one clock.  Every random choice of the game (the
// shuffle, the dice, a computer player's random discard) draws from MjRand, and every reseed
// "from the time" reads MjTime, so a run whose clock and seed are given is reproducible: tests
// and self-play install a clock of their own.
#pragma once

// MjRand returns 0..kMjRandMax, the range of the C runtime generator the game was made with.
constexpr int kMjRandMax = 0x7fff;

// Seeds the generator; the sequence after a seed is the same on every machine.
void MjSrand(unsigned int seed);
// The next number of the sequence, 0..kMjRandMax.
int MjRand();

// A clock: seconds since some fixed moment, read through `context`.
using MjClock = long long (*)(void* context);
// Installs the clock that MjTime reads; a null clock puts the system clock back.
void MjSetClock(MjClock clock, void* context);
// The current time in seconds on the installed clock.
long long MjTime();
