// Writes the national source database of the benchmark and prints its size and row counts.
#include "DbConnection.h"
#include "NationalSample.h"
#include "SampleGenerator.h"
#include "ToolUsage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (const auto status = ToolUsage::Stop(app.arguments().mid(1), "usage: orvane-bench-data DATABASE\n"))
        return *status;
    const QString target = QString::fromLocal8Bit(argv[1]);
    // Written aside and moved into place: an interrupted run never leaves a database that
    // the next 'make bench' would take for finished.
    const QString work = target + QStringLiteral(".new");
    try {
        QElapsedTimer timer;
        timer.start();
        const SampleGenerator::Config config = NationalSample::Config();
        SampleGenerator generator(config);
        generator.Write(work);
        DbConnection::ReleasePooled();
        QFile::remove(target);
        if (!QFile::rename(work, target)) {
            std::fprintf(stderr, "orvane-bench-data: cannot write %s\n", argv[1]);
            return 1;
        }
        std::printf("National source database: %d provinces, %d prefectures, %d counties, %d-%d\n",
                    static_cast<int>(config.Provinces.size()), NationalSample::PrefectureCount(config),
                    NationalSample::CountyCount(config), config.FirstYear,
                    config.FirstYear + config.YearCount - 1);
        for (const auto& count : generator.RowCounts())
            std::printf("  %-12s %10lld rows\n", count.Table.toUtf8().constData(), count.Rows);
        std::printf("%s: %.1f MB, written in %.1f s\n", argv[1], QFileInfo(target).size() / 1e6,
                    timer.elapsed() / 1000.0);
    } catch (const std::exception& e) {
        QFile::remove(work);
        std::fprintf(stderr, "orvane-bench-data: %s\n", e.what());
        return 1;
    }
    return 0;
}
