#pragma once

class Tplayer;

// The one routine through which every harm reaches a player: the shield and resistance, the
// hit effects (sound, picture, burst, bullet time) and, when life runs out, the death that ends
// the match.
void hitPlayer(Tplayer &player, int damage);

// The row where a status bar of `value` out of `max` ends, drawn upward from `base`: up to 30
// pixels at full value, downward for a negative value. A zero maximum gives `base` (an empty
// bar) instead of dividing by zero.
int barEnd(int max, int value, int base);
