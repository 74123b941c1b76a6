#include "PdfText.h"

#include "TempAppFolder.h"

#include <QProcess>

QStringList PdfPages(const QString& pdf, bool layout)
{
    QProcess process;
    QStringList arguments;
    if (layout)
        arguments << QStringLiteral("-layout");
    arguments << QStringLiteral("-enc") << QStringLiteral("UTF-8") << pdf << QStringLiteral("-");
    process.start(QStringLiteral("pdftotext"), arguments);
    process.waitForFinished(-1);
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    while (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

void InsertRows(const TempAppFolder& folder, const QString& table, const QString& tablecode,
                const QList<QStringList>& rows)
{
    QStringList statements;
    for (const QStringList& row : rows) {
        QStringList columns;
        QStringList values;
        for (int k = 0; k < row.size(); ++k) {
            columns << QStringLiteral("value%1").arg(k + 1);
            values << QLatin1Char('\'') + QString(row[k]).replace(QLatin1Char('\''), QStringLiteral("''")) +
                          QLatin1Char('\'');
        }
        if (!tablecode.isEmpty()) {
            columns << QStringLiteral("tablecode");
            values << QLatin1Char('\'') + tablecode + QLatin1Char('\'');
        }
        statements << QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(table, columns.join(QLatin1Char(',')), values.join(QLatin1Char(',')));
    }
    folder.Own(statements.join(QLatin1Char(';')));
}
