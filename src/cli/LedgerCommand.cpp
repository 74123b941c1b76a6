#include "LedgerCommand.h"

#include "CliError.h"

namespace LedgerCommand {

int Run(const QStringList& /*arguments*/, QTextStream& /*out*/)
{
    throw CliError(QStringLiteral("此命令尚未提供"));
}

} // namespace LedgerCommand
