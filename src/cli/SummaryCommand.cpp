#include "SummaryCommand.h"

#include "CliArguments.h"
#include "Connection.h"
#include "DataSummary.h"

#include <QDir>

namespace SummaryCommand {

int Run(const QStringList& arguments, QTextStream& out)
{
    CliArguments(arguments).Allow({});
    out << DataSummary::Of(QDir(Connection::AppFolder()).filePath(QStringLiteral("Database/stat.dbc"))).Text();
    return 0;
}

} // namespace SummaryCommand
