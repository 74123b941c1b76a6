#pragma once

// Named steps of the long operations (an import, the restore of the own database, the wait for
// another run's lock) at which a test may stop the program from outside: with ORVANE_PAUSE_AT
// set to a step's name, the process says so on standard error and stops itself (SIGSTOP) when
// it reaches that step, so a kill or a signal lands exactly there (the first time only).
// Without the variable a step costs one comparison.
namespace Checkpoint {

void Reach(const char* step);

} // namespace Checkpoint
