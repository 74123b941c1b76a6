#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

class TempAppFolder;

// A source database for the annual report: travel agencies of type 1, 2 and 3, hotels with
// domestic, foreign and unknown registration codes, scenic areas and other enterprises, with
// returns in 2024 and in two months of 2025, in two provinces. The reference tables hold the
// run of 2025 over 430000, 430100, 430102 and 440000, in this order.
void FillAnnualSource(const TempAppFolder& folder);

// The stored rows of one annual table ("211", "211A"), tab-separated, NULL as "<null>", in insertion order.
QStringList AnnualRows(const TempAppFolder& folder, const QString& tableCode);

// Compares every annual table with tests/tourunit/reference/<code>.tsv; a missing file fails.
void ExpectAnnualReference(const TempAppFolder& folder);

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
