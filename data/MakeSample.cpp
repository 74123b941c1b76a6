// Writes the sample source database of the application folder: Hunan, 2024 and 2025.
#include "DbConnection.h"
#include "SampleGenerator.h"
#include "ToolUsage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (const auto status = ToolUsage::Stop(app.arguments().mid(1), "usage: orvane-mksample DATABASE\n"))
        return *status;
    const QString target = QString::fromLocal8Bit(argv[1]);
    // Written aside and moved into place, so a failed run never leaves half a database behind.
    const QString work = target + QStringLiteral(".new");
    try {
        SampleGenerator generator(SampleGenerator::Hunan());
        generator.Write(work);
        DbConnection::ReleasePooled();
        QFile::remove(target);
        if (!QFile::rename(work, target)) {
            std::fprintf(stderr, "orvane-mksample: cannot write %s\n", argv[1]);
            return 1;
        }
        for (const auto& count : generator.RowCounts())
            std::printf("%-12s %9lld rows\n", count.Table.toUtf8().constData(), count.Rows);
        std::printf("%s: %lld bytes\n", argv[1], static_cast<long long>(QFileInfo(target).size()));
    } catch (const std::exception& e) {
        QFile::remove(work);
        std::fprintf(stderr, "orvane-mksample: %s\n", e.what());
        return 1;
    }
    return 0;
}
