#include "FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace FileDialogs {

namespace {
const char* const FolderKey = "files/lastFolder";
} // namespace

QString LastFolder()
{
    const QString saved = QSettings().value(QLatin1String(FolderKey)).toString();
    if (!saved.isEmpty() && QFileInfo(saved).isDir())
        return saved;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

QString AskSave(QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter,
                QString* selectedFilter)
{
    const QString path = QFileDialog::getSaveFileName(parent, caption, QDir(LastFolder()).filePath(suggestedName),
                                                      filter, selectedFilter);
    if (!path.isEmpty())
        QSettings().setValue(QLatin1String(FolderKey), QFileInfo(path).absolutePath());
    return path;
}

QString ChooseFolder(QWidget* parent, const QString& caption)
{
    const QString folder = QFileDialog::getExistingDirectory(parent, caption, LastFolder());
    if (!folder.isEmpty())
        QSettings().setValue(QLatin1String(FolderKey), folder);
    return folder;
}

} // namespace FileDialogs
