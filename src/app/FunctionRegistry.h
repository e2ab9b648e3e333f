#pragma once
// The seven functions a user can open, each a fixed set of one to three tabbed windows.
// Interface texts here are UTF-8, as the widgets take them; documents are Windows-1252.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// What a window shows. The window layer builds each view with a switch over this enum.
enum class ViewKind {
    Start,
    CommercialCatalogue,
    AdministrationCatalogue,
    DocumentText,
    VocabularyCastilian,
    VocabularyCatalan,
    Numerals,
    Abbreviations,
    Symbols,
    Treatments,
    Municipalities,
    Comarques,
};

// The view's name as its widget's object name ("commercialCatalogue", "numeralsForm", ...).
std::string_view viewName(ViewKind view);

// A window kind: the view it shows, and whether its frame has the default child-frame style
// (system menu, caption buttons), so that its tab can close it.
struct WindowKind
{
    ViewKind view = ViewKind::Start;
    bool captionButtons = false;
};

struct FunctionDef
{
    int position;              // place in the Functions bar
    std::string_view barText;  // text in the Functions bar
    std::string_view menuText; // its item in the "Funcions" menu, with its mnemonic ampersand
    std::string_view name;     // its action's object name ("openCommercial", ...)
    std::array<WindowKind, 3> windows;
    std::array<std::string_view, 3> tabLabels;
    std::size_t windowCount;
    bool showTabs;

    std::span<const WindowKind> windowKinds() const { return {windows.data(), windowCount}; }
};

inline constexpr std::size_t kFunctionCount = 7;

// The registry in Functions-bar order.
std::span<const FunctionDef, kFunctionCount> functionRegistry();

// The function at a position of the Functions bar; nullptr when there is none.
const FunctionDef *functionAt(int position);

// The start window's kind, the only one the program registers at start.
extern const WindowKind kStartWindowKind;
