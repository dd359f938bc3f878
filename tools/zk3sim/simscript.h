#pragma once

#include <QString>
#include <vector>

// One line of a match script: a tick (its lag count, the keys each player holds) or mouse-wheel
// steps, repeated `repeat` times.
struct ScriptLine
{
    enum class Kind { tick, wheel };
    Kind kind = Kind::tick;
    int lag = 0;          // milliseconds
    QString keys1, keys2; // letters of UDLR123; empty for none
    int wheel = 0;        // +1 one step up (away from the user), -1 one step down
    long long repeat = 1;
    int lineNumber = 0;
};

// Parses a script: per line `LAG KEYS1 KEYS2 [xN]` or `wheel +1` / `wheel -1` (also with
// `xN`); `#` starts a comment; blank lines are skipped. Throws Error naming the line for
// anything else.
std::vector<ScriptLine> parseScript(const QString &text);
// Reads and parses a script file (at most 64 MiB).
std::vector<ScriptLine> readScript(const QString &path);
