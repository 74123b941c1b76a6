#include "AnnualCommand.h"

#include "AreaSum.h"
#include "CliArguments.h"
#include "CliError.h"
#include "CliInterrupt.h"
#include "Connection.h"
#include "Numeric.h"
#include "RegionDirectory.h"
#include "RunNotice.h"
#include "CliNotice.h"
#include "TourUnitAreaData.h"
#include "TourUnitReport.h"
#include "TourUnitRequest.h"

#include "InputRules.h"

namespace AnnualCommand {

namespace {

std::int16_t CheckedYear(const CliArguments& args)
{
    const QString year = args.Value(QStringLiteral("year")).value_or(QString()).trimmed();
    if (year.isEmpty())
        throw CliError(InputRules::YearEmptyMessage);
    if (!InputRules::Year(year).accepted)
        throw CliError(InputRules::YearMessage);
    return Numeric::ToInt16(year);
}

// The region list as the window builds it: each key normalised and found in the source Area.
QStringList CheckedRegions(const CliArguments& args)
{
    QStringList codes;
    for (const QString& key : args.Values(QStringLiteral("region"))) {
        const auto code = RegionDirectory::CodeOf(key);
        if (!code)
            throw CliError(InputRules::DataMessage);
        codes << *code;
    }
    for (const QString& code : codes)
        if (!RegionDirectory::Name(code))
            throw CliError(InputRules::RegionUnknownMessage);
    return codes;
}

} // namespace

int Run(const QStringList& arguments, QTextStream& out)
{
    const CliArguments args(arguments);
    args.Allow({QStringLiteral("year"), QStringLiteral("region")});
    const std::int16_t year = CheckedYear(args);
    const QStringList codes = CheckedRegions(args);

    const TourUnitRequest request{year, codes};
    TourUnitReport report;
    AreaSum engine;
    if (!request.Run(engine, report, CliInterrupt::Progress()))
        throw RunCancelled();
    out << RunNotice::DoneMessage << '\n';
    out.flush();
    CliNotice::PrintRepeated(codes, RunNotice::RegionListedTwice);
    CliNotice::Print(request.Notices());
    return 0;
}

} // namespace AnnualCommand
