#include "HotelRun.h"

#include "HotelCommand.h"
#include "TempAppFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <gtest/gtest.h>

int RunHotel(const QStringList& options, QString* printed)
{
    QString text;
    QTextStream out(&text);
    const int status = HotelCommand::Run(options, out);
    out.flush();
    if (printed)
        *printed = text;
    return status;
}

QString ResultTables(const TempAppFolder& folder)
{
    QString text;
    for (const char* table : {"type11", "type22", "type33", "type44", "type55", "type66"}) {
        const QString sql = QStringLiteral("select * from ") + QLatin1String(table);
        text += QStringLiteral("## ") + sql + QLatin1Char('\n');
        for (const QString& row : folder.OwnRows(sql))
            text += row + QLatin1Char('\n');
    }
    return text;
}

void ExpectReference(const QString& relative, const QString& actual)
{
    bool exists = false;
    const QString expected = ReadTestFile(relative, &exists);
    if (exists && expected == actual)
        return;

    const QString keep = QDir::temp().filePath(QStringLiteral("orvane-reference/") + relative);
    QDir().mkpath(QFileInfo(keep).path());
    QFile file(keep);
    if (file.open(QIODevice::WriteOnly))
        file.write(actual.toUtf8());
    if (!exists) {
        ADD_FAILURE() << "missing reference tests/" << relative.toStdString() << "; the actual rows are in "
                      << keep.toStdString();
        return;
    }
    const QStringList want = expected.split(QLatin1Char('\n'));
    const QStringList got = actual.split(QLatin1Char('\n'));
    QString diff;
    int shown = 0;
    for (qsizetype i = 0; i < std::max(want.size(), got.size()) && shown < 20; ++i) {
        const QString w = want.value(i, QStringLiteral("<no line>"));
        const QString g = got.value(i, QStringLiteral("<no line>"));
        if (w == g)
            continue;
        diff += QStringLiteral("line %1\n  expected: %2\n  actual:   %3\n").arg(i + 1).arg(w, g);
        ++shown;
    }
    ADD_FAILURE() << "rows differ from tests/" << relative.toStdString() << " (actual in "
                  << keep.toStdString() << ")\n"
                  << diff.toStdString();
}
