#include "Checkpoint.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace Checkpoint {

void Reach(const char* step)
{
    static const char* const wanted = std::getenv("ORVANE_PAUSE_AT");
    static bool paused = false; // a step inside a loop pauses the first time only
    if (!wanted || paused || std::strcmp(wanted, step) != 0)
        return;
    paused = true;
    std::fprintf(stderr, "paused at %s\n", step);
    std::fflush(stderr);
    std::raise(SIGSTOP);
}

} // namespace Checkpoint
