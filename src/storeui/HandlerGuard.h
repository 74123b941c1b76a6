#pragma once

#include <functional>

// The one way an event handler meets a failure: a database or conversion error, or a run
// that cannot start beside another one, closes every connection set, is shown in a message
// box, and leaves the window usable.
namespace HandlerGuard {

// Runs a handler's work; false when it failed (the message has been shown).
bool Run(const std::function<void()>& work);

} // namespace HandlerGuard
