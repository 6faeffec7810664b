#pragma once
// Waiting on the real Qt event loop for a condition, with a deadline that is
// only a guard: the wait ends as soon as the condition holds.

#include <functional>

namespace lesim {

// Generous enough for a loaded machine; a wait that needs it has failed.
constexpr int kGuardMs = 30000;

// Handles events until `done` holds (true) or `timeoutMs` has passed (false;
// `done` is asked once more at the end). `done` is asked again after every
// batch of events and at least every 10 ms.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = kGuardMs);

} // namespace lesim
