#pragma once

#include <QStringList>
#include <cstdio>
#include <optional>

// The command line of the build and benchmark tools, whose first argument is a file:
// "--help" prints the usage, and an option is never taken for a file name.
namespace ToolUsage {

// The exit status when the tool is to stop here, nullopt when it goes on. usage ends in "\n".
inline std::optional<int> Stop(const QStringList& arguments, const char* usage, bool moreAllowed = false)
{
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (arguments.isEmpty() || arguments.first().startsWith(QLatin1Char('-')) ||
        (!moreAllowed && arguments.size() != 1)) {
        std::fputs(usage, stderr);
        return 2;
    }
    return std::nullopt;
}

} // namespace ToolUsage
