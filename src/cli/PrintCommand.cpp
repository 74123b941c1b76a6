#include "PrintCommand.h"

#include "CliError.h"

namespace PrintCommand {

int Run(const QStringList& /*arguments*/, QTextStream& /*out*/)
{
    throw CliError(QStringLiteral("此命令尚未提供"));
}

} // namespace PrintCommand
