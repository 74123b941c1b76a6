#pragma once

#include "ReportDocument.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

// Which layout, rows, title and headings make up each printable report, and the loading
// of a report from the own database. Shared by the print window and the command line.
class ReportSource
{
public:
    struct Entry
    {
        QString Code;         // dictionary form ("1-3") or a ledger code ("3_1")
        QString Layout;       // "CrystalReport2"
        QString DataQuery;    // the report's rows, in stored order
        QStringList Headings; // text objects filled from the headings, in order
        QString HeadingQuery; // empty for the ledger
        QString TitleQuery;   // empty for the ledger
        bool IsLedger() const { return HeadingQuery.isEmpty(); }
        // The ledger's comparison modes, whose figures are growth ratios.
        bool IsComparison() const { return Code == QLatin1String("3_3") || Code == QLatin1String("3_4"); }
    };

    // What a caller sets before loading; title and items serve the ledger codes only.
    struct Request
    {
        QString TableCode;
        QString Title;
        QStringList Items; // item1 to item8
    };

    static const QVector<Entry>& Entries();
    // The entry whose code equals the given one exactly (case and blanks count), or null.
    static const Entry* Find(const QString& code);
    // A code as typed on the command line, in either form ("3-3" or "3_3", "1_2" or "1-2"),
    // as the entries carry it; a code that names no report comes back as typed.
    static QString Normalise(const QString& typed);

    // Builds the report from the current result tables and dictionaries; null for a code
    // that names no report. A dictionary row that is missing leaves the text object's stored
    // text. Throws DatabaseError.
    static std::unique_ptr<ReportDocument> Load(const Request& request);

    // The title the ledger window gives each ledger code; empty for other codes.
    static QString LedgerTitle(const QString& code);
    // What the ledger window appends to each heading under a ledger code.
    static QString LedgerHeadingSuffix(const QString& code);

    // A stored growth ratio as the comparison columns print it: percent with two decimals
    // (0.112026813031888 gives "11.20"). Any other text stays.
    static QString Percent(const QString& ratio);
};
