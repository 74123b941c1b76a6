// orvane-bench-import DATABASE FOLDER
// Writes the national source database out as the collection system's folder (once; kept
// while the database is older), then times its import into a throw-away application folder:
// records per second and the peak memory of the process.
#include "CollectionImport.h"
#include "CollectionWriter.h"
#include "DataSummary.h"
#include "DbConnection.h"
#include "ImportError.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <exception>
#include <sys/resource.h>

namespace {

constexpr double kSecondsLimit = 10;
constexpr double kMemoryLimitMb = 300;

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double PeakMemoryMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: orvane-bench-import DATABASE FOLDER\n");
        return 2;
    }
    const QString database = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    try {
        const QFileInfo written(QDir(folder).filePath(QStringLiteral("stat.dbc")));
        if (!written.exists() || written.lastModified() < QFileInfo(database).lastModified()) {
            QElapsedTimer timer;
            timer.start();
            QDir(folder).removeRecursively();
            const long long records = CollectionWriter::Write(database, folder + QStringLiteral(".new"));
            QDir().rename(folder + QStringLiteral(".new"), folder);
            std::printf("collection folder: %lld records written in %.1f s\n", records, timer.elapsed() / 1000.0);
        }
        const double before = PeakMemoryMb();
        QTemporaryDir target(QFileInfo(folder).absolutePath() + QStringLiteral("/import-XXXXXX"));
        CollectionImport import(target.path());
        QElapsedTimer timer;
        QString phase;
        qint64 phaseStart = 0;
        // Each table and each step after the tables, with the time it took.
        import.OnProgress = [&](const QString& what, long long, long long) {
            if (what == phase)
                return;
            if (!phase.isEmpty())
                std::printf("  %-20s %6.2f s\n", phase.toUtf8().constData(), (timer.elapsed() - phaseStart) / 1000.0);
            phase = what;
            phaseStart = timer.elapsed();
        };
        const double cpuBefore = CpuSeconds();
        timer.start();
        import.Run(folder);
        const double cpu = CpuSeconds() - cpuBefore;
        const double seconds = timer.elapsed() / 1000.0;
        std::printf("  %-20s %6.2f s\n", phase.toUtf8().constData(), (timer.elapsed() - phaseStart) / 1000.0);
        const double memory = PeakMemoryMb();
        // On a machine busy with other work the processor time tells what the import itself costs.
        std::printf("import: %lld records in %.2f s (%.2f s of processor time), %.0f records/s,"
                    " peak memory (max RSS) %.1f MB (%.1f MB before)\n",
                    import.RecordsRead(), seconds, cpu, import.RecordsRead() / seconds, memory, before);
        timer.restart();
        const DataSummary summary = DataSummary::Of(import.Target());
        std::printf("data summary: %.2f s, %zu kinds of records the reports will not count\n",
                    timer.elapsed() / 1000.0, summary.Findings.size());
        DbConnection::ReleasePooled();
        bool met = true;
        if (seconds >= kSecondsLimit) {
            std::printf("target missed: import over 10 s\n");
            met = false;
        }
        if (memory >= kMemoryLimitMb) {
            std::printf("target missed: import peak memory over 300 MB\n");
            met = false;
        }
        if (met)
            std::printf("every import target met\n");
        return 0;
    } catch (const ImportError& e) {
        std::fprintf(stderr, "orvane-bench-import: %s\n", e.Message().toUtf8().constData());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orvane-bench-import: %s\n", e.what());
    }
    return 1;
}
