#include "AnnualCommand.h"

#include "AreaSum.h"
#include "CliInterrupt.h"
#include "CliArguments.h"
#include "CliError.h"
#include "Connection.h"
#include "Numeric.h"
#include "RegionCode.h"
#include "RunNotice.h"
#include "CliNotice.h"
#include "RunLock.h"
#include "SqlText.h"
#include "TourUnitAreaData.h"
#include "TourUnitReport.h"
#include "TourUnitRun.h"

#include <QRegularExpression>

namespace AnnualCommand {

namespace {

std::int16_t CheckedYear(const CliArguments& args)
{
    const QString year = args.Value(QStringLiteral("year")).value_or(QString()).trimmed();
    if (year.isEmpty())
        throw CliError(QStringLiteral("年份不能为空"));
    static const QRegularExpression pattern(QStringLiteral("^[12][0-9]{3}$"));
    if (!pattern.match(year).hasMatch())
        throw CliError(QStringLiteral("请输入正确年份"));
    return Numeric::ToInt16(year);
}

// The region list as the window builds it: each key normalised and found in the source Area.
QStringList CheckedRegions(const CliArguments& args)
{
    QStringList codes;
    for (const QString& key : args.Values(QStringLiteral("region"))) {
        const auto number = RegionCode::ParseKey(key);
        if (!number)
            throw CliError(QStringLiteral("请输入正确数据！"));
        codes << QString::number(RegionCode::Normalise(*number));
    }
    if (codes.isEmpty())
        return codes;

    Connection::OpenStatConnection();
    try {
        for (const QString& code : codes) {
            Connection::StatCmd->CommandText = QStringLiteral("SELECT * FROM Area WHERE Areacode=") +
                                               QStringLiteral(" '") + SqlText::Escape(code) +
                                               QStringLiteral(" '");
            Connection::StatRs->Open(*Connection::StatCmd);
            if (Connection::StatRs->RecordCount() == 0)
                throw CliError(QStringLiteral("没有这个地区码"));
        }
    } catch (...) {
        Connection::CloseStatConnection();
        throw;
    }
    Connection::CloseStatConnection();
    return codes;
}

} // namespace

int Run(const QStringList& arguments, QTextStream& out)
{
    const CliArguments args(arguments);
    args.Allow({QStringLiteral("year"), QStringLiteral("region")});
    const std::int16_t year = CheckedYear(args);
    const QStringList codes = CheckedRegions(args);

    const RunLock lock;
    TourUnitReport report;
    AreaSum engine;
    report.Clear();
    report.AddRun(engine.CalculateTourUnitRegions(codes, year, CliInterrupt::Progress()));
    report.Run = TourUnitRun::Describe(year, codes);
    report.Save();
    out << QStringLiteral("计算完成") << '\n';
    out.flush();
    CliNotice::PrintRepeated(codes, RunNotice::RegionListedTwice);
    CliNotice::Print(RunNotice::Of({year, 0, static_cast<int>(codes.size())}));
    return 0;
}

} // namespace AnnualCommand
