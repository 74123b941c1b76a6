// orvane-report: the analyses and printing of the window program, from the command line.
#include "AnnualCommand.h"
#include "AppFolderLocator.h"
#include "AuditCommand.h"
#include "ChartCommand.h"
#include "CliError.h"
#include "CliInterrupt.h"
#include "Connection.h"
#include "ConversionError.h"
#include "DatabaseError.h"
#include "HotelCommand.h"
#include "ImportCommand.h"
#include "LedgerCommand.h"
#include "PrintCommand.h"
#include "RowsCommand.h"
#include "RunLock.h"
#include "StartUp.h"
#include "SummaryCommand.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const Usage =
    "usage: orvane-report [--app-dir DIR] hotel --year YYYY --month MM --region CODE [--region CODE ...]\n"
    "           [--regtype 110,120,...] [--star 0,1,...] [--category B1,B2,...]\n"
    "           [--open-year FROM:TO] [--rooms FROM:TO] [--income FROM:TO] [--profit FROM:TO]\n"
    "           [--fixed-assets FROM:TO] [--occupancy FROM:TO] [--reception FROM:TO]\n"
    "           [--income-per FROM:TO] [--profit-per FROM:TO]\n"
    "       orvane-report [--app-dir DIR] annual --year YYYY --region CODE [...]\n"
    "       orvane-report [--app-dir DIR] ledger --year YYYY --month MM\n"
    "           --unit accommodation|agency|scenic|other [--hotels] [--other-accommodation]\n"
    "           [--international] [--domestic]\n"
    "           --mode current|cumulative|same-period|cumulative-comparison\n"
    "           (--region CODE ... | --enterprise CODE ... | --enterprises-of REGION ...)\n"
    "           [--item TABLE:FIELDS[:CAPTION] ...]\n"
    "       orvane-report [--app-dir DIR] rows [--report CODE]\n"
    "       orvane-report [--app-dir DIR] print --report CODE [--report CODE ...] (--pdf FILE | --csv FILE | "
    "--xlsx FILE)\n"
    "       orvane-report [--app-dir DIR] chart --report CODE --column N (--png FILE | --pdf FILE)\n"
    "       orvane-report [--app-dir DIR] import (--from FOLDER [--encoding NAME] | --sample)\n"
    "       orvane-report [--app-dir DIR] summary\n"
    "       orvane-report [--app-dir DIR] audit --year YYYY [--month MM] [--region CODE ...]\n"
    "       orvane-report --help\n";

const QStringList Commands = {QStringLiteral("hotel"),  QStringLiteral("annual"),  QStringLiteral("ledger"),
                              QStringLiteral("rows"),   QStringLiteral("print"),   QStringLiteral("chart"),
                              QStringLiteral("import"), QStringLiteral("summary"), QStringLiteral("audit")};

// The commands that read the source database: without one they say so in plain words.
const QStringList SourceCommands = {QStringLiteral("hotel"), QStringLiteral("annual"),
                                    QStringLiteral("ledger"), QStringLiteral("summary"),
                                    QStringLiteral("audit")};

// Rendering needs a GUI application, but never a display.
void PrepareEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a desktop session Qt warns about a missing runtime folder on every run.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray runtime =
            QDir::tempPath().toLocal8Bit() + "/orvane-runtime-" + QByteArray::number(getuid());
        if (::mkdir(runtime.constData(), 0700) == 0 || errno == EEXIST)
            qputenv("XDG_RUNTIME_DIR", runtime);
    }
}

// Takes a leading --app-dir DIR off the arguments; an exit status when it is unusable.
std::optional<int> TakeAppFolder(QStringList& arguments, QString& appDir, QTextStream& err)
{
    if (arguments.isEmpty() || arguments[0] != QLatin1String("--app-dir"))
        return std::nullopt;
    if (arguments.size() < 2 || arguments[1].trimmed().isEmpty() ||
        arguments[1].startsWith(QLatin1String("--"))) {
        err << QStringLiteral("参数 --app-dir 缺少取值") << '\n';
        return 2;
    }
    appDir = arguments[1];
    arguments = arguments.mid(2);
    if (!QFileInfo(appDir).isDir()) {
        err << QStringLiteral("应用程序文件夹不存在：") << appDir << '\n';
        return 2;
    }
    return std::nullopt;
}

int Dispatch(const QString& command, const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (command == QLatin1String("hotel"))
        return HotelCommand::Run(arguments, out);
    if (command == QLatin1String("annual"))
        return AnnualCommand::Run(arguments, out);
    if (command == QLatin1String("ledger"))
        return LedgerCommand::Run(arguments, out);
    if (command == QLatin1String("rows"))
        return RowsCommand::Run(arguments, out);
    if (command == QLatin1String("print"))
        return PrintCommand::Run(arguments, out);
    if (command == QLatin1String("chart"))
        return ChartCommand::Run(arguments, out);
    if (command == QLatin1String("import"))
        return ImportCommand::Run(arguments, out, err);
    if (command == QLatin1String("summary"))
        return SummaryCommand::Run(arguments, out);
    if (command == QLatin1String("audit"))
        return AuditCommand::Run(arguments, out, err);
    err << Usage;
    return 2;
}

// Start-up, then the command; every failure becomes its message and exit status.
int Execute(const QString& command, const QStringList& arguments, const QString& appDir, QTextStream& out,
            QTextStream& err)
{
    try {
        StartUp startUp(Connection::AppFolder());
        if (const auto notice = startUp.Run()) {
            err << notice->Text << '\n';
            if (notice->Fatal)
                return 1; // no command writes into a database that is not whole
        }
        if (SourceCommands.contains(command) && !AppFolderLocator::HasSourceDatabase(appDir)) {
            err << AppFolderLocator::NoSourceText() << '\n';
            return 2;
        }
        return Dispatch(command, arguments, out, err);
    } catch (const RunCancelled&) {
        out.flush();
        err << QStringLiteral("已取消：结果表仍是上一次的报表") << '\n';
        return 130;
    } catch (const CliError& e) {
        out.flush();
        err << e.Message() << '\n';
        return 2;
    } catch (const RunLock::Busy&) {
        out.flush();
        err << RunLock::Busy::Message() << '\n';
        return 2;
    } catch (const DatabaseError& e) {
        out.flush();
        err << e.UserText() << '\n';
        return 1;
    } catch (const ConversionError& e) {
        out.flush();
        err << e.UserText() << '\n';
        return 1;
    }
}

} // namespace

int main(int argc, char** argv)
{
    PrepareEnvironment();
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList arguments = QApplication::arguments().mid(1);
    const AppFolderLocator locator(QApplication::applicationDirPath());
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        const bool named = arguments.size() > 1 && arguments[0] == QLatin1String("--app-dir");
        out << Usage << QStringLiteral("\n应用程序文件夹：")
            << QDir::toNativeSeparators(named ? arguments[1] : locator.Chosen()) << '\n';
        return 0;
    }
    // Everything about the folder and the command is settled before start-up writes into it.
    QString appDir = locator.Chosen();
    if (const auto refused = TakeAppFolder(arguments, appDir, err))
        return *refused;
    if (arguments.isEmpty() || !Commands.contains(arguments.first())) {
        if (!arguments.isEmpty())
            err << QStringLiteral("不认识的命令：") << arguments.first() << '\n';
        err << Usage;
        return 2;
    }
    const QString command = arguments.takeFirst();
    if (appDir == locator.Chosen())
        if (const QString problem = locator.Prepare(); !problem.isEmpty()) {
            err << problem << '\n';
            return 1;
        }
    Connection::SetAppFolder(appDir);
    CliInterrupt::Install();
    return Execute(command, arguments, appDir, out, err);
}
