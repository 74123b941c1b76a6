#include "AppFolderLocator.h"
#include "Connection.h"
#include "MessagePresenter.h"
#include "MotherForm.h"
#include "QtChinese.h"
#include "TourUnit.h"
#include "TuTallix.h"
#include "frmRestaurant.h"

#include <QApplication>
#include <QIcon>
#include <csignal>

int main(int argc, char** argv)
{
    // A file-size limit is a full disk to every writer: the write fails and says so.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orvane"));
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    QIcon icon;
    for (const char* size : {"48", "128"})
        icon.addFile(QStringLiteral(":/orvane/icons/orvane-%1.png").arg(QLatin1String(size)));
    QApplication::setWindowIcon(icon);
    QtChinese::Install();
    const AppFolderLocator locator(QApplication::applicationDirPath());
    const QString problem = locator.Prepare();
    Connection::SetAppFolder(locator.Chosen());

    MotherForm form(Connection::AppFolder());
    form.SetFactory(MotherForm::Analysis::Restaurant, [] { return new frmRestaurant; });
    form.SetFactory(MotherForm::Analysis::TourUnit, [] { return new TourUnit; });
    form.SetFactory(MotherForm::Analysis::TuTallix, [] { return new TuTallix; });
    form.ShowInPlace();
    if (!problem.isEmpty())
        MessagePresenter::Show(problem, MessagePresenter::ApplicationTitle(), MessagePresenter::Icon::Critical, &form);
    form.MDIForm_Load();
    return QApplication::exec();
}
