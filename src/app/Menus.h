#pragma once
// The two menu bars and the key table of the main window, as data.
// Menu 128 is shown while no child window is open, menu 129 while any is.

#include <span>
#include <string_view>

struct MenuItem
{
    std::string_view text; // with its mnemonic ampersand and, after a TAB, the key shown; empty: separator
    int command;
};

struct Menu
{
    std::string_view title;
    std::span<const MenuItem> items;
};

std::span<const Menu> menuBar128();
std::span<const Menu> menuBar129();

struct KeyBinding
{
    std::string_view keys; // in the portable form of key sequences: "Ctrl+Insert", "Shift+F6"
    int command;
};

// The key table, in its order. Where two entries bind the same keys the first one takes effect.
std::span<const KeyBinding> keyTable();

// Bindings that the program adds of its own: F3 for the search the menu shows beside
// "C&ercar", and Ctrl+S for "&Anomena i desa" where the document view answers it (where it does
// not, Ctrl+S stays the framework's save).
std::span<const KeyBinding> extraKeys();

// The status-bar prompt of a menu command; empty when the command has none.
std::string_view menuPrompt(int command);
