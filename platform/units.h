#pragma once

#include <QPointF>

// Rounding, angles and directions shared by every sprite class. Angles are integers in units of
// 1/256 of a turn and are never wrapped; directions are always computed from whole degrees.

// Nearest integer, an exact half going to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Values beyond the int range saturate; NaN gives 0.
int Round(double value);
// Toward zero (-0.5 -> 0, -1.7 -> -1). Values beyond the int range saturate; NaN gives 0.
int Trunc(double value);

// Round(units * 360 / 256): 64 -> 90, 16 -> 22, 48 -> 68.
int unitsToDegrees(int units);
// Round(degrees * 256 / 360): 90 -> 64, -45 -> -32.
int degreesToUnits(double degrees);
// (cos t, sin t) with t = unitsToDegrees(angleUnits) degrees: 0 points along +x, 64 down the
// screen (+y), 128 along -x, 192 up.
QPointF directionOf(int angleUnits);

namespace units {
// Integer division rounding toward zero (-7 div 2 = -3). A zero divisor gives 0 and
// INT_MIN div -1 gives INT_MAX, so no division in a sprite's hook can trap. Lives in a namespace
// because the C library already has a global div().
int div(int dividend, int divisor);
} // namespace units
