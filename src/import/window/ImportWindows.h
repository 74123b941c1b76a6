#pragma once

#include <QString>
#include <functional>

class QMdiArea;
class QWidget;
class DataSummaryWindow;

// The menu "数据" of the main window: "导入采集数据..." and "数据概况".
namespace ImportWindows {

// Asks for the collection system's folder (a folder chooser; tests replace it), imports it
// with the progress dialog, then shows the summary. Returns whether a new database is in place.
bool ImportFolder(QMdiArea* mdi, const QString& appFolder);

// Shows the summary of the current source database in its one window.
DataSummaryWindow* ShowSummary(QMdiArea* mdi, const QString& appFolder);

using FolderChooser = std::function<QString(QWidget* parent)>;
FolderChooser SetFolderChooser(FolderChooser chooser); // returns the previous one

} // namespace ImportWindows
