#pragma once

#include "gamestate.h"

// Skill points of one player: each at least 10, the four together at most 250.
struct Skills
{
    int ziv = 10;  // vitality
    int spel = 10; // spell level
    int odl = 10;  // resistance
    int spd = 10;  // speed
};

namespace skillrules {
constexpr int total = 250;  // points the four skills share
constexpr int minimum = 10; // lowest value of each skill
constexpr int barMaximum = 275;
} // namespace skillrules

// The stat record a player gets from its skills: mana = spel, life = ziv + odl div 2,
// resist = round(odl / 50) - 1 with halves to even, speed = spd * 2 / 50.
Tstats statsFromSkills(const Skills &skills);
