#pragma once

#include <utility>

// The one class a window is made as. Its destructor runs before any other of the window's, so
// the window leaves everything that could call it (a screen reader, the application's hooks,
// the engine, its clocks) while all of its parts still stand: nothing reaches a half-destroyed
// window. A window's own constructors are protected, so it cannot be made another way.
template <typename TWindow> class TSealed final : public TWindow {
public:
    template <typename... TArguments>
    explicit TSealed(TArguments&&... arguments) : TWindow(std::forward<TArguments>(arguments)...)
    {
    }
    ~TSealed() override { this->Unhook(); }
};
