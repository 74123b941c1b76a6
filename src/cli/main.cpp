// orvane-report: the analyses and printing of the window program, from the command line.
#include "AnnualCommand.h"
#include "CliError.h"
#include "Connection.h"
#include "ConversionError.h"
#include "DatabaseError.h"
#include "HotelCommand.h"
#include "LedgerCommand.h"
#include "PrintCommand.h"
#include "RowsCommand.h"
#include "StartUp.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>

namespace {

const char* const Usage =
    "usage: orvane-report [--app-dir DIR] COMMAND [OPTIONS]\n"
    "commands: hotel, annual, ledger, rows, print (see the README)\n";

} // namespace

int main(int argc, char** argv)
{
    // Rendering needs a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList arguments = QApplication::arguments().mid(1);
    QString appDir = QApplication::applicationDirPath();
    if (arguments.size() >= 2 && arguments[0] == QLatin1String("--app-dir")) {
        appDir = arguments[1];
        arguments = arguments.mid(2);
    }
    if (arguments.isEmpty()) {
        err << Usage;
        return 2;
    }
    const QString command = arguments.takeFirst();
    Connection::SetAppFolder(appDir);

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
        err << Usage;
        return 2;
    } catch (const CliError& e) {
        out.flush();
        err << e.Message() << '\n';
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
