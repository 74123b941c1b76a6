// Builds the package tallix.she: a zip archive whose only entry is tallix.dbc, the own
// database with its tables and dictionary rows.
#include "DbConnection.h"
#include "Schema.h"
#include "PackageArchive.h"
#include "ToolUsage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (const auto status = ToolUsage::Stop(app.arguments().mid(1), "usage: orvane-mkpackage PACKAGE\n"))
        return *status;
    const QString package = QString::fromLocal8Bit(argv[1]);
    try {
        QTemporaryDir work;
        const QString dbc = work.path() + QStringLiteral("/tallix.dbc");
        Schema::CreateDatabase(dbc, {Schema::OwnDatabaseScript(), Schema::OwnDictionaryScript()});
        {
            DbConnection connection;
            connection.Open(dbc);
            connection.Execute(QStringLiteral("PRAGMA journal_mode=DELETE")); // one self-contained file
        }
        DbConnection::ReleasePooled();
        QFile::remove(package);
        if (!PackageArchive::Pack(package, dbc)) {
            std::fprintf(stderr, "orvane-mkpackage: cannot write %s\n", argv[1]);
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orvane-mkpackage: %s\n", e.what());
        return 1;
    }
    return 0;
}
