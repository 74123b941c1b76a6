#include "ImportCommand.h"

#include "AppFolderLocator.h"
#include "CliArguments.h"
#include "CliInterrupt.h"
#include "CollectionImport.h"
#include "Connection.h"
#include "DataSummary.h"
#include "ImportError.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace ImportCommand {

int Run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const CliArguments args(arguments, {QStringLiteral("sample")});
    args.Allow({QStringLiteral("from"), QStringLiteral("encoding"), QStringLiteral("sample")});
    if (args.Has(QStringLiteral("sample"))) {
        const QString problem =
            AppFolderLocator(QCoreApplication::applicationDirPath()).OpenSample(Connection::AppFolder());
        if (!problem.isEmpty()) {
            err << problem << Qt::endl;
            return 2;
        }
        out << DataSummary::Of(Connection::AppFolder() + QLatin1String(Connection::SourceDatabasePath)).Text();
        return 0;
    }
    const QString folder = args.Required(QStringLiteral("from"));
    CollectionImport import(Connection::AppFolder());
    import.Cancel = CliInterrupt::Flag();
    if (const auto encoding = args.Value(QStringLiteral("encoding")))
        import.Encoding = *encoding;
    QString last;
    import.OnProgress = [&](const QString& what, long long /*done*/, long long total) {
        if (what == last)
            return;
        last = what;
        err << (total > 1 ? QStringLiteral("读取 %1（%2 条记录）").arg(what).arg(total) : what) << Qt::endl;
    };
    try {
        import.Run(folder);
    } catch (const ImportError& e) {
        err << e.Message() << Qt::endl;
        if (e.What() == ImportError::Kind::Cancelled)
            return 130;
        return e.What() == ImportError::Kind::NoTables ? 2 : 1;
    }
    err << QStringLiteral("已导入 %1 条记录").arg(import.RecordsRead());
    if (!import.Kept().isEmpty())
        err << QStringLiteral("，原数据库保留为 ") << QFileInfo(import.Kept()).fileName();
    err << Qt::endl;
    out << DataSummary::Of(import.Target()).Text();
    return 0;
}

} // namespace ImportCommand
