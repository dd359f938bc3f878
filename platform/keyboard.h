#pragma once

#include <array>
#include <set>

// The seven states a player's keyboard reader turns keys into.
enum class KeyState { Up, Down, Left, Right, Button1, Button2, Button3 };
constexpr int keyStateCount = 7;

// The keys held right now, fed by the match view's key press and release events (auto-repeat
// dropped). Qt has no key polling, so this table is the keyboard as the game sees it.
class KeyTable
{
public:
    void press(int qtKey) { held_.insert(qtKey); }
    void release(int qtKey) { held_.erase(qtKey); }
    void releaseAll() { held_.clear(); }
    bool isHeld(int qtKey) const { return held_.count(qtKey) != 0; }

private:
    std::set<int> held_;
};

// A keyboard reader with its key map: `poll` samples the table once per tick, and the player's
// move reads the sampled states, so every sprite of a tick sees the same keys.
class KeyboardReader
{
public:
    // One Qt key code per state, in the order of KeyState.
    using KeyMap = std::array<int, keyStateCount>;

    KeyboardReader() { map_.fill(0); }
    explicit KeyboardReader(const KeyMap &map) : map_(map) {}

    void poll(const KeyTable &table)
    {
        for (int i = 0; i < keyStateCount; ++i)
            states_[i] = map_[i] != 0 && table.isHeld(map_[i]);
    }
    // Tests and the headless runner set states directly.
    void set(KeyState s, bool held) { states_[int(s)] = held; }
    void clear() { states_.fill(false); }
    bool held(KeyState s) const { return states_[int(s)]; }
    const KeyMap &map() const { return map_; }

private:
    KeyMap map_;
    std::array<bool, keyStateCount> states_{};
};
