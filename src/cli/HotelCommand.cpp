#include "HotelCommand.h"

#include "CliError.h"

namespace HotelCommand {

int Run(const QStringList& /*arguments*/, QTextStream& /*out*/)
{
    throw CliError(QStringLiteral("此命令尚未提供"));
}

} // namespace HotelCommand
