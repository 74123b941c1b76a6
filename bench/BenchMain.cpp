// orvane-bench DATABASE [--runs N] [--budget SECONDS] [--only hotel,annual,ledger,enterprise,audit]
// Runs the reports over the national source database in a throw-away application folder
// beside it and prints the medians, the ratios to the lower bounds and the peak memory; then
// the same over a copy with only plain indexes and no planner statistics, as a database
// written by another tool has.
#include "AuditBench.h"
#include "BenchPlan.h"
#include "BenchRunner.h"
#include "Connection.h"
#include "DbConnection.h"
#include "Recordset.h"
#include "Schema.h"
#include "ToolUsage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <vector>

namespace {

constexpr double kAllRegionsLimitMs = 1500;
constexpr double kWorkbookLimitMs = 1000; // every hotel report of a run into one workbook
constexpr double kLowerBoundFactor = 1.5;
constexpr double kProcessFactor = 2; // a whole orvane-report process, start-up included
constexpr double kSaveRowsPerSecond = 200000;
constexpr double kMemoryLimitMb = 200;

// A copy of the national database with the indexes any tool would make (code, TableDate,
// regionalismcode) and no planner statistics; written again when the database is newer.
QString PlainCopy(const QFileInfo& database)
{
    const QString path = database.absolutePath() + QStringLiteral("/stat-plain.dbc");
    const QFileInfo copy(path);
    if (copy.exists() && copy.lastModified() >= database.lastModified())
        return path;
    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    if (!QFile::copy(database.absoluteFilePath(), partial))
        throw std::runtime_error("cannot copy the source database");
    {
        DbConnection connection;
        connection.Open(partial);
        Recordset indexes;
        indexes.Open(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL"),
                     connection);
        for (indexes.MoveFirst(); !indexes.IsEOF(); indexes.MoveNext())
            connection.Execute(QStringLiteral("DROP INDEX \"") + indexes.Value(0).toString() + QLatin1Char('"'));
        connection.Execute(QStringLiteral("DROP TABLE IF EXISTS sqlite_stat1"));
        connection.Execute(QStringLiteral("CREATE INDEX Area_Areacode ON Area (Areacode)"));
        connection.Execute(QStringLiteral("CREATE INDEX Base01_code ON Base01 (code)"));
        connection.Execute(QStringLiteral("CREATE INDEX Base01_regionalismcode ON Base01 (regionalismcode)"));
        for (const char* table : {"Base04", "Base05", "Base06", "Base08", "Base09"}) {
            const QString name = QLatin1String(table);
            connection.Execute(QStringLiteral("CREATE INDEX %1_code ON %1 (code)").arg(name));
            connection.Execute(QStringLiteral("CREATE INDEX %1_TableDate ON %1 (TableDate)").arg(name));
        }
        connection.Execute(QStringLiteral("VACUUM"));
        connection.Close();
    }
    DbConnection::ReleasePooled();
    QFile::remove(path);
    if (!QFile::rename(partial, path))
        throw std::runtime_error("cannot keep the plain copy");
    return path;
}

double PeakMemoryMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

QString Cell(double value, int width, int decimals = 1)
{
    return QString::number(value, 'f', decimals).rightJustified(width);
}

void PrintRow(const BenchRunner::Result& r)
{
    const bool report = r.Save.Count() > 0;
    const double lower = r.LowerBound.Median();
    QString line = r.Name.leftJustified(24) + QString::number(r.Total.Count()).rightJustified(5) +
                   Cell(r.Passes.Median(), 10) +
                   (report ? Cell(r.Save.Median(), 9) : QStringLiteral("        -")) +
                   Cell(r.Total.Median(), 10);
    if (lower > 0)
        line +=
            Cell(lower, 10) + Cell(r.Passes.Median() / lower, 9, 2) + Cell(r.Total.Median() / lower, 9, 2);
    else
        line += QStringLiteral("         -        -        -");
    if (report)
        line += QString::number(r.RowsSaved).rightJustified(8) +
                Cell(r.RowsSaved / (r.Save.Median() / 1000.0), 10, 0);
    std::printf("%s\n", line.toUtf8().constData());
}

const char* const UsageText =
    "usage: orvane-bench DATABASE [--runs N] [--budget SECONDS] [--only hotel,annual,ledger,enterprise,audit]\n";

int Usage()
{
    std::fputs(UsageText, stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a desktop session Qt would warn about a missing runtime folder.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray runtime =
            QDir::tempPath().toLocal8Bit() + "/orvane-runtime-" + QByteArray::number(getuid());
        if (::mkdir(runtime.constData(), 0700) == 0 || errno == EEXIST)
            qputenv("XDG_RUNTIME_DIR", runtime);
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (const auto status = ToolUsage::Stop(args, UsageText, true))
        return *status;
    BenchRunner::Options options;
    QStringList only = {QStringLiteral("hotel"), QStringLiteral("annual"), QStringLiteral("ledger"),
                        QStringLiteral("enterprise"), QStringLiteral("audit")};
    for (qsizetype i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return Usage();
        if (args[i] == QLatin1String("--only"))
            only = args[i + 1].split(QLatin1Char(','));
        else if (args[i] == QLatin1String("--runs"))
            options.Runs = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--budget"))
            options.BudgetSeconds = args[i + 1].toDouble();
        else
            return Usage();
    }
    const QFileInfo database(args[0]);
    if (!database.isFile()) {
        std::fprintf(stderr, "orvane-bench: no database %s\n", args[0].toLocal8Bit().constData());
        return 2;
    }

    try {
        const struct
        {
            const char* Name;
            QString Path;
        } databases[] = {{"the benchmark's database", database.absoluteFilePath()},
                         {"a copy with plain indexes only and no planner statistics", PlainCopy(database)}};
        bool agree = true;
        QStringList missed;
        for (const auto& source : databases) {
            // The application folder: the source database linked in, a fresh own database.
            QTemporaryDir folder(database.absolutePath() + QStringLiteral("/app-XXXXXX"));
            if (!folder.isValid())
                throw std::runtime_error("cannot create an application folder");
            QDir(folder.path()).mkpath(QStringLiteral("Database"));
            if (!QFile::link(source.Path, folder.path() + QLatin1String(Connection::SourceDatabasePath)))
                throw std::runtime_error("cannot link the source database");
            Schema::CreateDatabase(folder.path() + QLatin1String(Connection::OwnDatabasePath),
                                   {Schema::OwnDatabaseScript(), Schema::OwnDictionaryScript()});
            Connection::SetAppFolder(folder.path());

            BenchPlan plan = BenchPlan::Load();
            plan.CodeDateIndexes = source.Path == database.absoluteFilePath();
            BenchRunner runner(plan, options);
            std::printf("Orvane benchmark on %s, %s (%.0f MB): %d regions, %d enterprises, %d-%02d; median of up to "
                        "%d runs, times in ms\n\n",
                        source.Path.toUtf8().constData(), source.Name, QFileInfo(source.Path).size() / 1e6,
                        static_cast<int>(plan.Regions.size()), static_cast<int>(plan.Enterprises.size()), plan.Year,
                        plan.Month, options.Runs);
            std::printf("%-24s%5s%10s%9s%10s%10s%9s%9s%8s%10s\n", "scenario", "runs", "passes", "Save", "total",
                        "lower bd", "pass/lb", "total/lb", "rows", "rows/s");
            std::fflush(stdout);

            std::vector<BenchRunner::Result> results;
            const auto run = [&](BenchRunner::Result result) {
                PrintRow(result);
                std::fflush(stdout);
                results.push_back(std::move(result));
            };
            const QString pdf = folder.path() + QStringLiteral("/report.pdf");
            // Each report is printed right after its own run, while the result tables hold it.
            if (only.contains(QLatin1String("hotel"))) {
                run(runner.Hotel());
                run(runner.Process(QStringLiteral("hotel"), folder.path(), results.back().LowerBound));
                run(runner.Pdf(QStringLiteral("1-2"), pdf));
                run(runner.HotelAllRegions());
                QStringList hotelReports;
                for (int k = 1; k <= 10; ++k)
                    hotelReports << QStringLiteral("1-%1").arg(k);
                const BenchRunner::Result workbook =
                    runner.Workbook(hotelReports, folder.path() + QStringLiteral("/reports.xlsx"));
                run(workbook);
                if (workbook.Total.Median() >= kWorkbookLimitMs)
                    missed << workbook.Name + QStringLiteral(": over 1 s") + QStringLiteral(" (") +
                                  QLatin1String(source.Name) + QStringLiteral(")");
            }
            if (only.contains(QLatin1String("annual"))) {
                run(runner.Annual());
                run(runner.Process(QStringLiteral("annual"), folder.path(), results.back().LowerBound));
                run(runner.Pdf(QStringLiteral("2-1-2"), pdf));
            }
            if (only.contains(QLatin1String("ledger")))
                run(runner.LedgerByRegion());
            if (only.contains(QLatin1String("enterprise")))
                run(runner.LedgerByEnterprise());
            if (only.contains(QLatin1String("audit")))
                AuditBench::Run(plan.Year, plan.Month, options.Runs, missed);
            std::printf("\n");

            const QString where = QStringLiteral(" (") + QLatin1String(source.Name) + QStringLiteral(")");
            for (const auto& r : results) {
                for (const QString& d : r.Differences.mid(0, 5))
                    std::printf("  %s differs from its lower bound: %s\n", r.Name.toUtf8().constData(),
                                d.toUtf8().constData());
                agree = agree && r.Differences.isEmpty();
                const double total = r.Total.Median();
                if (r.WholeProcess && total > kProcessFactor * r.LowerBound.Median())
                    missed << r.Name + QStringLiteral(": over 2 times its lower bound") + where;
                if (r.Save.Count() == 0)
                    continue;
                if (r.LowerBound.Count() > 0 && total > kLowerBoundFactor * r.LowerBound.Median())
                    missed << r.Name + QStringLiteral(": over 1.5 times its lower bound") + where;
                if (r.LowerBound.Count() == 0 && total >= kAllRegionsLimitMs)
                    missed << r.Name + QStringLiteral(": over 1.5 s") + where;
                if (r.RowsSaved / (r.Save.Median() / 1000.0) < kSaveRowsPerSecond)
                    missed << r.Name + QStringLiteral(": Save under 200,000 rows/s") + where;
            }
            Connection::CloseAll();
            DbConnection::ReleasePooled();
        }

        const double memory = PeakMemoryMb();
        std::printf("peak memory (max RSS): %.1f MB\n", memory);
        if (memory >= kMemoryLimitMb)
            missed << QStringLiteral("peak memory over 200 MB");
        std::printf("%s\n", agree ? "every report agrees with its lower bound on every region"
                                  : "REPORTS AND LOWER BOUNDS DISAGREE");
        if (missed.isEmpty())
            std::printf("every target met\n");
        for (const QString& m : missed)
            std::printf("target missed: %s\n", m.toUtf8().constData());
        return agree ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orvane-bench: %s\n", e.what());
        return 1;
    }
}
