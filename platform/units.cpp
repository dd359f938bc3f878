#include "units.h"

#include <climits>
#include <cmath>
#include <numbers>

namespace {

int saturate(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(INT_MAX))
        return INT_MAX;
    if (value <= double(INT_MIN))
        return INT_MIN;
    return int(value);
}

} // namespace

int Round(double value)
{
    if (std::isnan(value))
        return 0;
    // Halves go to the even neighbour; independent of the current floating-point rounding mode.
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double result = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0))
        result = lower + 1.0;
    return saturate(result);
}

int Trunc(double value)
{
    return saturate(std::trunc(value));
}

int unitsToDegrees(int units)
{
    return Round(double(units) * 360.0 / 256.0);
}

int degreesToUnits(double degrees)
{
    return Round(degrees * 256.0 / 360.0);
}

QPointF directionOf(int angleUnits)
{
    const double theta = double(unitsToDegrees(angleUnits)) * std::numbers::pi / 180.0;
    return {std::cos(theta), std::sin(theta)};
}

namespace units {

int div(int dividend, int divisor)
{
    if (divisor == 0)
        return 0;
    if (dividend == INT_MIN && divisor == -1)
        return INT_MAX;
    return dividend / divisor;
}

} // namespace units
