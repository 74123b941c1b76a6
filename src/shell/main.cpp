#include "Connection.h"
#include "MotherForm.h"
#include "QtChinese.h"
#include "TourUnit.h"
#include "TuTallix.h"
#include "frmRestaurant.h"

#include <QApplication>
#include <csignal>

int main(int argc, char** argv)
{
    // A file-size limit is a full disk to every writer: the write fails and says so.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orvane"));
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    QtChinese::Install();
    Connection::SetAppFolder(QApplication::applicationDirPath());

    MotherForm form(Connection::AppFolder());
    form.SetFactory(MotherForm::Analysis::Restaurant, [] { return new frmRestaurant; });
    form.SetFactory(MotherForm::Analysis::TourUnit, [] { return new TourUnit; });
    form.SetFactory(MotherForm::Analysis::TuTallix, [] { return new TuTallix; });
    form.ShowInPlace();
    form.MDIForm_Load();
    return QApplication::exec();
}
