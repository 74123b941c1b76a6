#include "ImportWindows.h"

#include "AuditWindow.h"
#include "DataSummaryWindow.h"
#include "DbConnection.h"
#include "FileDialogs.h"
#include "ImportProgressDialog.h"
#include "WindowPlaces.h"

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace {

ImportWindows::FolderChooser& Chooser()
{
    static ImportWindows::FolderChooser chooser = [](QWidget* parent) {
        return FileDialogs::ChooseFolder(parent, QStringLiteral("选择采集系统的数据文件夹"));
    };
    return chooser;
}

QPointer<QMdiSubWindow>& SummaryWindow()
{
    static QPointer<QMdiSubWindow> window;
    return window;
}

} // namespace

namespace ImportWindows {

FolderChooser SetFolderChooser(FolderChooser chooser)
{
    FolderChooser previous = Chooser();
    Chooser() = std::move(chooser);
    return previous;
}

bool ImportFolder(QMdiArea* mdi, const QString& appFolder)
{
    const QString folder = Chooser()(mdi->window());
    if (folder.isEmpty())
        return false;
    ImportProgressDialog dialog(appFolder, folder, mdi->window());
    if (!dialog.Run())
        return false;
    // Connections of this thread to the replaced file are ended here, not by the import.
    DbConnection::ReleasePooled(QDir(appFolder).filePath(QStringLiteral("Database")));
    ShowSummary(mdi, appFolder);
    return true;
}

DataSummaryWindow* ShowSummary(QMdiArea* mdi, const QString& appFolder)
{
    QPointer<QMdiSubWindow>& sub = SummaryWindow();
    if (!sub || sub->mdiArea() != mdi) {
        auto* window = new DataSummaryWindow;
        QObject::connect(window, &DataSummaryWindow::AuditRequested, mdi, [mdi] { AuditWindow::Show(mdi); });
        sub = mdi->addSubWindow(window);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setWindowTitle(window->windowTitle());
        // Within the area, so that its button stays whole on a small screen.
        sub->setGeometry(WindowPlaces::Inside(QRect(QPoint(0, 0), window->size() + QSize(16, 40)),
                                              mdi->viewport()->rect()));
    }
    auto* window = static_cast<DataSummaryWindow*>(sub->widget());
    sub->show();
    mdi->setActiveSubWindow(sub);
    window->Refresh(QDir(appFolder).filePath(QStringLiteral("Database/stat.dbc")));
    return window;
}

} // namespace ImportWindows
