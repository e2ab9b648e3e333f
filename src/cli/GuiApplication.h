#pragma once
// Painting text needs a QGuiApplication; plecta-cli has none and may run where there is no
// display at all. It makes one on demand, always on Qt's offscreen platform.

namespace cli {

// Makes the application object the first time it is needed, unless the program has one.
void ensureGuiApplication();

// Held by main(): destroys the application object that ensureGuiApplication() made, if any,
// while the rest of the program is still alive.
class GuiApplicationScope
{
public:
    GuiApplicationScope() = default;
    GuiApplicationScope(const GuiApplicationScope &) = delete;
    GuiApplicationScope &operator=(const GuiApplicationScope &) = delete;
    ~GuiApplicationScope();
};

} // namespace cli
