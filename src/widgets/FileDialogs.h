#pragma once

#include <QString>

class QWidget;

// The file dialogs of the program: they open in the folder last used (the user's documents
// folder the first time), never in the application folder.
namespace FileDialogs {

// The path to save to, empty when cancelled; its folder is remembered for the next time.
QString AskSave(QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter,
                QString* selectedFilter = nullptr);

// A folder to read from, empty when cancelled; remembered like a save.
QString ChooseFolder(QWidget* parent, const QString& caption);

QString LastFolder();

} // namespace FileDialogs
