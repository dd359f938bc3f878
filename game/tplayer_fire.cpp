#include "tplayer.h"

#include "weapons.h"

void Tplayer::fireWeapon(int code)
{
    // Only the slide is built in here; the other weapons come with their own sprites.
    if (code == weapon::slide)
        sliding = true;
}
