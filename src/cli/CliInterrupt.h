#pragma once

#include "AreaSum.h"

#include <atomic>

// Ctrl+C during a run: the run stops at its next record and nothing reaches the result
// tables, so the previous report stays whole. A Save already under way finishes first.
namespace CliInterrupt {

// Installs the handler of SIGINT and SIGTERM.
void Install();

// The progress of a run: false once an interrupt has come.
RunProgress Progress();

// Set once an interrupt has come; an import stops on it.
const std::atomic<bool>* Flag();

} // namespace CliInterrupt
