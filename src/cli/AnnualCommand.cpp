#include "AnnualCommand.h"

#include "CliError.h"

namespace AnnualCommand {

int Run(const QStringList& /*arguments*/, QTextStream& /*out*/)
{
    throw CliError(QStringLiteral("此命令尚未提供"));
}

} // namespace AnnualCommand
