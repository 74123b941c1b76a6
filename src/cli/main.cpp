// orvane-report: the analyses and printing of the window program, from the command line.
#include "AnnualCommand.h"
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
    "       orvane-report [--app-dir DIR] print --report CODE [--report CODE ...] (--pdf FILE | --csv FILE | --xlsx FILE)\n"
    "       orvane-report [--app-dir DIR] chart --report CODE --column N (--png FILE | --pdf FILE)\n"
    "       orvane-report [--app-dir DIR] import --from FOLDER [--encoding NAME]\n"
    "       orvane-report [--app-dir DIR] summary\n"
    "       orvane-report --help\n";

const QStringList Commands = {QStringLiteral("hotel"), QStringLiteral("annual"), QStringLiteral("ledger"),
                              QStringLiteral("rows"),  QStringLiteral("print"),  QStringLiteral("chart"),
                              QStringLiteral("import"), QStringLiteral("summary")};

} // namespace

int main(int argc, char** argv)
{
    // Rendering needs a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a desktop session Qt warns about a missing runtime folder on every run.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray runtime = QDir::tempPath().toLocal8Bit() + "/orvane-runtime-" + QByteArray::number(getuid());
        if (::mkdir(runtime.constData(), 0700) == 0 || errno == EEXIST)
            qputenv("XDG_RUNTIME_DIR", runtime);
    }
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        out << Usage;
        return 0;
    }
    // Everything about the folder and the command is settled before start-up writes into it.
    QString appDir = QApplication::applicationDirPath();
    if (!arguments.isEmpty() && arguments[0] == QLatin1String("--app-dir")) {
        if (arguments.size() < 2 || arguments[1].trimmed().isEmpty() || arguments[1].startsWith(QLatin1String("--"))) {
            err << QStringLiteral("参数 --app-dir 缺少取值") << '\n';
            return 2;
        }
        appDir = arguments[1];
        arguments = arguments.mid(2);
        if (!QFileInfo(appDir).isDir()) {
            err << QStringLiteral("应用程序文件夹不存在：") << appDir << '\n';
            return 2;
        }
    }
    if (arguments.isEmpty() || !Commands.contains(arguments.first())) {
        if (!arguments.isEmpty())
            err << QStringLiteral("不认识的命令：") << arguments.first() << '\n';
        err << Usage;
        return 2;
    }
    const QString command = arguments.takeFirst();
    Connection::SetAppFolder(appDir);
    CliInterrupt::Install();

    try {
        StartUp startUp(Connection::AppFolder());
        if (const auto notice = startUp.Run())
            err << notice->Text << '\n';

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
        err << Usage;
        return 2;
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
