#pragma once
#include <optional>

struct LockStates
{
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The lock-key states from XKB when the program runs on X11; nothing elsewhere. Kept apart
// because the X11 headers define macros that clash with Qt's names.
std::optional<LockStates> readXkbLockStates();
