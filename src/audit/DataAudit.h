#pragma once

#include "AuditRules.h"
#include "AuditThresholds.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class DbConnection;
class RegionSelection;

// The audit of one period: the register and the returns of a month (or of a year without a
// month) of the chosen regions (all of them when none is chosen) against the rules. Each
// table is read once.
class DataAudit
{
public:
    int Year = 0;
    int Month = 0;       // 0: the year's annual returns
    QStringList Regions; // region codes; empty: every enterprise
    AuditThresholds Thresholds;

    // Takes the period and the regions as typed, with the windows' messages for what is
    // refused; a region must be in the source Area. Throws DatabaseError.
    std::optional<QString> Take(const QString& year, const QString& month, const QStringList& regionKeys,
                                DbConnection& source);

    // The findings, by enterprise code and then by rule. Throws DatabaseError.
    std::vector<AuditFinding> Run(DbConnection& source) const;

    // The same on the program's source database, the thresholds read from the own database.
    std::optional<QString> Take(const QString& year, const QString& month, const QStringList& regionKeys);
    std::vector<AuditFinding> Run();

    // The register's rules alone (R01 to R04), which need no period. Throws DatabaseError.
    std::vector<AuditFinding> RunRegister(DbConnection& source) const;

    // The findings of each rule, in the order of AuditRules::All().
    static std::vector<int> Counts(const std::vector<AuditFinding>& findings);
    // The period and regions as a line ("2025年12月 · 430000、440000").
    QString Describe() const;

    struct Enterprise
    {
        QString Code, Name, Region;
        bool Hotel = false;
        std::optional<double> Rooms;
    };

private:
    using Register = QHash<QString, Enterprise>; // by trimmed code

    Register ReadRegister(DbConnection& source, std::vector<AuditFinding>& findings) const;
    void MonthlyReturns(DbConnection& source, const Register& enterprises,
                        std::vector<AuditFinding>& findings) const;
    void AnnualReturns(DbConnection& source, const Register& enterprises,
                       std::vector<AuditFinding>& findings) const;
    void Duplicates(DbConnection& source, const QString& table, const Register& enterprises,
                    std::vector<AuditFinding>& findings) const;
};
