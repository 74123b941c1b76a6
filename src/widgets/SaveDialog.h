#pragma once

#include <QString>

class QWidget;

// The save dialog of every export: it opens in the folder last saved into (the user's
// documents folder the first time) with the suggested name.
namespace SaveDialog {

// The chosen path, empty when cancelled; the folder is remembered for the next time.
QString Ask(QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter,
            QString* selectedFilter = nullptr);

QString LastFolder();

} // namespace SaveDialog
