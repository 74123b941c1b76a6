#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

class DbConnection;

// What the last analysis run computed, kept beside its rows so that a printed sheet can say
// which period, regions and conditions it shows. Only the conditions that differ from a
// window's initial state are listed.
class ReportRun
{
public:
    QString Analysis;      // "饭店分析报表", "旅游单位综合年报", "旅游企业台帐"
    QString Period;        // "2025年12月", "2025年"
    QStringList Regions;   // region or enterprise names, in run order
    QStringList Codes;     // their codes, where the run kept them (the same count)
    // The names as printed, where they differ: a name that regions of different parents
    // share carries its parent ("北京市 市辖区"). Empty when no name is shared.
    QStringList Shown;
    bool ByEnterprise = false;
    QStringList Conditions; // "客房规模 ≥ 100"
    QString LedgerMode;    // "按同期比较"; ledger only
    QString UnitType;      // "住宿设施（旅游饭店）"; ledger only
    QStringList Captions;  // the ledger's item captions, in column order
    QDateTime RunAt;

    bool IsEmpty() const { return Analysis.isEmpty(); }

    // The line printed under a report's title: period, regions, unit type, conditions.
    QString Line() const;
    // "生成于 2025-12-06 14:03"; empty without a time.
    QString TimeText() const;

    // Names of the codes as the report rows carry them (regions from Area, enterprises from Base01).
    static QStringList NamesOf(const QStringList& codes, bool enterprises);
    // The names of the regions with the parent's name before each name that another region
    // of the list shares; the names as they are when none is shared.
    static QStringList ShownNames(const QStringList& codes, const QStringList& names);
    // "2025年12月"; month 0 gives the year alone.
    static QString PeriodText(int year, int month);

    // Replaces the stored record by this one (within whatever transaction is open).
    void Write() const;
    // Removes the stored record, as the result tables are emptied.
    static void Clear();
    // The stored record, nullopt when there is none.
    static std::optional<ReportRun> Read(DbConnection& connection);

    static constexpr int RegionsShown = 8; // more are counted, not named, in Line()
};
