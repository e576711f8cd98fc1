#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

namespace mvf::test {

// Serves the event loop until `condicao` holds or `ms` have passed; true when it holds. For things
// that happen on the event loop (hand-offs, timers of a few milliseconds), not for measuring time.
bool Aguardar(const std::function<bool()>& condicao, int ms = 5000);

} // namespace mvf::test
