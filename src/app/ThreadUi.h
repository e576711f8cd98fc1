#pragma once

#include <functional>

namespace mvf {

// True on the thread that owns the widgets.
bool NaThreadUi();

// Runs `passo` on the UI thread and waits until it has run. Called from the UI thread itself it
// runs at once (a blocking hand-off to oneself would never return). Exceptions thrown by the step
// reach the caller.
void ExecutarNaThreadUi(const std::function<void()>& passo);

// Hands `passo` to the UI thread without waiting (notices, log lines).
void PostarNaThreadUi(std::function<void()> passo);

} // namespace mvf
