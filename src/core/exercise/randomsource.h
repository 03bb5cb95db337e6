#pragma once

#include <functional>

// The program's pseudo-random source: uniform values in [0, 1), fresh on every call.
// Tests put a scripted source in its place.

// Seeds the source from the clock the first time; later calls keep the sequence going,
// so calls made within the same clock tick still draw fresh values.
void Randomize();
double Rnd();

// An empty function brings the real source back.
void setRandomSource(std::function<double()> source);
