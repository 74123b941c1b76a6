#include "BenchRunner.h"

#include "AreaSum.h"
#include "Connection.h"
#include "DbConnection.h"
#include "EngineFigures.h"
#include "HotelCondition.h"
#include "HotelReport.h"
#include "LowerBound.h"
#include "Recordset.h"
#include "ReportRenderer.h"
#include "ReportXlsx.h"
#include "ReportSource.h"
#include "TallixCondition.h"
#include "TallixReport.h"
#include "TourUnitReport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <stdexcept>

namespace {

double Milliseconds(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// The hotel window as it opens: every box ticked, every range "不限".
HotelCondition OpenHotelCondition(const BenchPlan& plan)
{
    return HotelCondition::AllHotels(plan.Year, plan.Month);
}

// One run of a report: the run over every row, then Save, timed apart.
template <typename Report, typename Run>
void TimedRun(BenchRunner::Result& result, Report& report, const QStringList& codes, Run run)
{
    QElapsedTimer timer;
    timer.start();
    report.Clear();
    report.AddRun(run(codes));
    const double passes = Milliseconds(timer);
    timer.restart();
    report.Save();
    const double save = Milliseconds(timer);
    result.Passes.Add(passes);
    result.Save.Add(save);
    result.Total.Add(passes + save);
}

} // namespace

BenchRunner::BenchRunner(BenchPlan plan, Options options) : plan_(std::move(plan)), options_(options) {}

void BenchRunner::Repeat(const std::function<void()>& run) const
{
    QElapsedTimer budget;
    budget.start();
    for (int i = 0; i < options_.Runs; ++i) {
        run();
        if (budget.elapsed() > options_.BudgetSeconds * 1000)
            break;
    }
}

Samples BenchRunner::TimeLowerBound(const QString& sql, const Check& check) const
{
    DbConnection connection;
    connection.Mode = ConnectMode::Read;
    connection.Open(Connection::StatConnectionString());
    // Untimed: the check run also brings the pages into the cache, as the engine's runs did.
    check(connection, sql);
    Samples samples;
    Repeat([&] {
        QElapsedTimer timer;
        timer.start();
        Recordset rs;
        rs.Open(sql, connection);
        samples.Add(Milliseconds(timer));
    });
    return samples;
}

long long BenchRunner::ResultRows()
{
    DbConnection connection;
    connection.Open(Connection::TallixConnectionString());
    Recordset rs;
    rs.Open(QStringLiteral("SELECT (SELECT COUNT(*) FROM type11) + (SELECT COUNT(*) FROM type22) + "
                           "(SELECT COUNT(*) FROM type33) + (SELECT COUNT(*) FROM type44) + "
                           "(SELECT COUNT(*) FROM type55) + (SELECT COUNT(*) FROM type66)"),
            connection);
    rs.MoveFirst();
    return rs.Value(0).toLongLong();
}

BenchRunner::Result BenchRunner::HotelRun(const QString& name, const QStringList& regions, HotelReport& report)
{
    Result result;
    result.Name = name;
    const HotelCondition condition = OpenHotelCondition(plan_);
    AreaSum engine;
    Repeat([&] {
        TimedRun(result, report, regions,
                 [&](const QStringList& codes) { return engine.CalculateHotelRegions(codes, condition); });
    });
    result.RowsSaved = ResultRows();
    return result;
}

BenchRunner::Result BenchRunner::Hotel()
{
    HotelReport report;
    Result result = HotelRun(QStringLiteral("1 hotel report"), plan_.Regions, report);
    const LowerBound::Figures figures = EngineFigures::Hotel(report);
    result.LowerBound =
        TimeLowerBound(LowerBound::HotelSql(plan_), [&](DbConnection& source, const QString& sql) {
            result.Differences =
                LowerBound::Compare(LowerBound::Run(source, sql, LowerBound::HotelChecked), figures);
        });
    return result;
}

BenchRunner::Result BenchRunner::HotelAllRegions()
{
    HotelReport report;
    return HotelRun(QStringLiteral("1b hotel, %1 regions").arg(plan_.AllRegions.size()), plan_.AllRegions, report);
}

BenchRunner::Result BenchRunner::Annual()
{
    Result result;
    result.Name = QStringLiteral("2 annual report");
    AreaSum engine;
    TourUnitReport report;
    Repeat([&] {
        TimedRun(result, report, plan_.Regions,
                 [&](const QStringList& codes) { return engine.CalculateTourUnitRegions(codes, plan_.Year); });
    });
    result.RowsSaved = ResultRows();
    const LowerBound::Figures figures = EngineFigures::Annual(report);
    result.LowerBound =
        TimeLowerBound(LowerBound::AnnualSql(plan_), [&](DbConnection& source, const QString& sql) {
            result.Differences = LowerBound::Compare(LowerBound::RunAnnual(source, sql), figures);
        });
    return result;
}

BenchRunner::Result BenchRunner::LedgerByRegion()
{
    Result result;
    result.Name = QStringLiteral("3 ledger by region");
    TallixCondition condition;
    plan_.FillLedgerCondition(condition, 4);
    AreaSum engine;
    TallixReport report;
    Repeat([&] {
        TimedRun(result, report, plan_.Regions,
                 [&](const QStringList& codes) { return engine.CalculateTallixRows(codes, condition, true); });
    });
    result.RowsSaved = ResultRows();
    const LowerBound::Figures figures = EngineFigures::Ledger(report, true);
    result.LowerBound =
        TimeLowerBound(LowerBound::LedgerRegionSql(plan_), [&](DbConnection& source, const QString& sql) {
            result.Differences =
                LowerBound::Compare(LowerBound::Run(source, sql, LowerBound::LedgerRegionChecked), figures);
        });
    return result;
}

BenchRunner::Result BenchRunner::LedgerByEnterprise()
{
    Result result;
    result.Name = QStringLiteral("4 ledger by enterprise");
    TallixCondition condition;
    plan_.FillLedgerCondition(condition, 1);
    AreaSum engine;
    TallixReport report;
    Repeat([&] {
        TimedRun(result, report, plan_.Enterprises,
                 [&](const QStringList& codes) { return engine.CalculateTallixRows(codes, condition, false); });
    });
    result.RowsSaved = ResultRows();
    const LowerBound::Figures figures = EngineFigures::Ledger(report, false);
    result.LowerBound =
        TimeLowerBound(LowerBound::LedgerEnterpriseSql(plan_), [&](DbConnection& source, const QString& sql) {
            result.Differences = LowerBound::Compare(
                LowerBound::Run(source, sql, LowerBound::LedgerEnterpriseChecked), figures);
        });
    return result;
}

BenchRunner::Result BenchRunner::Process(const QString& command, const QString& appFolder,
                                         const Samples& lowerBound)
{
    Result result;
    result.Name = QStringLiteral("%1 process, %2 regions").arg(command).arg(plan_.Regions.size());
    result.LowerBound = lowerBound;
    result.WholeProcess = true;
    QStringList arguments{QStringLiteral("--app-dir"), appFolder, command, QStringLiteral("--year"),
                          QString::number(plan_.Year)};
    if (command == QLatin1String("hotel"))
        arguments << QStringLiteral("--month") << QString::number(plan_.Month);
    for (const QString& region : plan_.Regions)
        arguments << QStringLiteral("--region") << region;
    Repeat([&] {
        QProcess process;
        QElapsedTimer timer;
        timer.start();
        process.start(QStringLiteral(ORVANE_REPORT_EXE), arguments);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
            throw std::runtime_error("orvane-report " + command.toStdString() + " failed: " +
                                     process.readAllStandardError().toStdString());
        const double elapsed = Milliseconds(timer);
        result.Passes.Add(elapsed);
        result.Total.Add(elapsed);
    });
    return result;
}

BenchRunner::Result BenchRunner::Workbook(const QStringList& tableCodes, const QString& xlsxPath)
{
    Result result;
    result.Name = QStringLiteral("5 XLSX of ") + tableCodes.first() + QStringLiteral("..") + tableCodes.last();
    Repeat([&] {
        QElapsedTimer timer;
        timer.start();
        std::vector<std::unique_ptr<ReportDocument>> documents;
        QVector<const ReportDocument*> pointers;
        for (const QString& code : tableCodes) {
            documents.push_back(ReportSource::Load({code, {}, {}}));
            pointers.append(documents.back().get());
        }
        if (!ReportXlsx::Write(pointers, xlsxPath))
            throw std::runtime_error("cannot write " + xlsxPath.toStdString());
        const double elapsed = Milliseconds(timer);
        result.Passes.Add(elapsed);
        result.Total.Add(elapsed);
    });
    return result;
}

BenchRunner::Result BenchRunner::Pdf(const QString& tableCode, const QString& pdfPath)
{
    Result result;
    result.Name = QStringLiteral("5 PDF of ") + tableCode;
    Repeat([&] {
        QElapsedTimer timer;
        timer.start();
        ReportSource::Request request;
        request.TableCode = tableCode;
        const auto document = ReportSource::Load(request);
        if (!document || !ReportRenderer(*document).RenderPdf(pdfPath))
            throw std::runtime_error("cannot render " + tableCode.toStdString());
        const double elapsed = Milliseconds(timer);
        result.Passes.Add(elapsed);
        result.Total.Add(elapsed);
    });
    return result;
}
