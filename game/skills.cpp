#include "skills.h"

#include <cmath>

Tstats statsFromSkills(const Skills &skills)
{
    Tstats s;
    s.mana = skills.spel;
    s.speed = skills.spd * 2 / 50.0;
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    s.resist = int(std::nearbyint(skills.odl / 50.0)) - 1;
    s.life = skills.ziv + skills.odl / 2;
    return s;
}
