#pragma once

// The program's pseudo-random source: uniform values in [0, 1), fresh on every call. The
// windows draw through the random seam (gui/seams/random.h), whose real thing this is.
namespace randomsource {

// The real generator: seeded from the clock on the first draw; later draws keep the
// sequence going, so draws made within the same clock tick still differ.
double realDraw();

// Where Rnd() draws from until the domain's callers are handed their draws: the random
// seam puts itself here when the windows' library loads. Null: the real generator.
using Route = double (*)();
// Returns the route it replaces.
Route setRoute(Route route);

} // namespace randomsource

// The domain's own draws (the questions, the pictures), kept under these names until their
// callers take the draw as a parameter. Randomize() seeds the real generator the first time.
void Randomize();
double Rnd();
