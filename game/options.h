#pragma once

// The thirteen effect options.
struct Options
{
    bool dor = false; // finishers
    bool ski = false; // extended skills
    bool plc = true;  // player collisions
    bool fly = true;  // flight trail
    bool krv = true;  // blood marks
    bool exl = true;  // bursts at hits
    bool bul = false; // bullet time
    bool cur = true;  // cursors
    bool dcr = true;  // dynamic cursors
    bool nam = false; // names drawn
    bool hlt = true;  // status bars drawn
    bool fps = false; // counter panel
    bool snd = true;  // sound
};
