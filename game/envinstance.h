#pragma once

#include <QString>

class IniFile;
class Tstaticsprite;
struct EnvObject;
struct GameState;

// Turning an environment file's objects into live sprites of the match: one Tstaticsprite per
// section sprite1, sprite2 … and, where funct n holds a key, its Tfunct created right after it.
// The environment's pictures must already be in `sys` and its sounds in `envwave`.

// Creates every object up to the first sprite section without an image and returns how many.
// Throws Error on the first picture or sound name its list lacks (as the look-ups of `find` do);
// the objects made before that one stay in the world, each of them complete.
int instantiateEnvironment(GameState &game, const IniFile &ini);

// Checks every name the object will need, then creates its static sprite and, if it has one,
// its function sprite. Nothing is created when a name is missing.
Tstaticsprite *instantiateObject(GameState &game, const EnvObject &object);

// Plays a sound of `envwave` by name; an empty name plays nothing, a missing one throws.
void playEnvironmentSound(GameState &game, const QString &name);
// The same, but a missing name plays nothing either.
void playEnvironmentSoundIfPresent(GameState &game, const QString &name);
