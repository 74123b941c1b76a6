#include "CliInterrupt.h"

#include <atomic>
#include <csignal>

namespace CliInterrupt {

namespace {

std::atomic<bool> interrupted{false};

extern "C" void OnInterrupt(int)
{
    interrupted = true;
}

} // namespace

void Install()
{
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
}

RunProgress Progress()
{
    return [](int, int) { return !interrupted.load(); };
}

} // namespace CliInterrupt
