#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

class TempAppFolder;

// A source database for the annual report: travel agencies of type 1, 2 and 3, hotels with
// domestic, foreign and unknown registration codes, scenic areas and other enterprises, with
// returns in 2024 and in two months of 2025, in two provinces.
void FillAnnualSource(const TempAppFolder& folder);

// The regions of the reference run, in order: a province, a prefecture, a county, another province.
QStringList AnnualRegions();

// Result-table codes of the thirteen annual tables, in the order of the print list.
QStringList AnnualTableCodes();

// The stored rows of one annual table (tab-separated, NULL as "<null>", insertion order).
QStringList AnnualRows(const TempAppFolder& folder, const QString& tableCode);

// Compares every annual table with tests/tourunit/reference/<code>.tsv. A difference or a
// missing file fails with a line-by-line diff; the rows found are left in
// annual-actual/<code>.tsv under the current folder for inspection.
void ExpectAnnualReference(const TempAppFolder& folder);

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
