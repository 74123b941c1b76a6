#pragma once

#include <QString>
#include <QStringList>

// What the windows say in their status bar or beside "计算完成", on standard error: the run
// goes on and exits 0.
namespace CliNotice {

void Print(const QStringList& notices);

// One line per code listed a second time ("该地区已在列表中：430000").
void PrintRepeated(const QStringList& codes, const QString& sentence);

} // namespace CliNotice
