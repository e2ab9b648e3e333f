#pragma once
// The six functions a user can open, each a fixed set of one to three tabbed windows.
// Interface texts here are UTF-8, as the widgets take them; documents are Windows-1252.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// A window kind: frame, view and document class. The frame and view together pick what the
// window shows (both catalogues use the view CTCView and differ by frame).
struct WindowKind
{
    std::string_view frameClass;
    std::string_view viewClass;
    std::string_view documentClass;
    bool captionButtons; // the default child-frame style (system menu, caption buttons)
};

struct FunctionDef
{
    int position;                  // place in the Functions bar
    std::string_view barText;      // text in the Functions bar
    int menuCommand;
    std::string_view menuText;     // with its mnemonic ampersand
    std::array<WindowKind, 3> windows;
    std::array<std::string_view, 3> tabLabels;
    std::size_t windowCount;
    bool showTabs;
    bool waitNotice;               // the "Esperi" notice while the windows are built

    std::span<const WindowKind> windowKinds() const { return {windows.data(), windowCount}; }
};

inline constexpr std::size_t kFunctionCount = 6;

// The registry in Functions-bar order.
std::span<const FunctionDef, kFunctionCount> functionRegistry();

// The function a position or a menu command opens; nullptr when there is none.
const FunctionDef *functionAt(int position);
const FunctionDef *functionForCommand(int command);

// The start window's kind, the only one the program registers at start.
extern const WindowKind kStartWindowKind;
