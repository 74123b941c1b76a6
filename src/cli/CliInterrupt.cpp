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
    // A file-size limit is a full disk to every writer: the write fails and says so.
    std::signal(SIGXFSZ, SIG_IGN);
}

const std::atomic<bool>* Flag()
{
    return &interrupted;
}

RunProgress Progress()
{
    return [](int, int) { return !interrupted.load(); };
}

} // namespace CliInterrupt
