#include "Command.h"

#include "DatabaseError.h"
#include "DbConnection.h"

void Command::Execute() const
{
    if (!ActiveConnection)
        throw DatabaseError(CommandText, QStringLiteral("命令没有连接"));
    ActiveConnection->Execute(CommandText);
}
