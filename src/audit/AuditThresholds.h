#pragma once

class DbConnection;

// The limits of the audit an office may change, kept in the own database (AuditThreshold);
// a limit without a row keeps its default.
struct AuditThresholds
{
    double MinAveragePrice = 20; // 元 per let room-day
    double MaxAveragePrice = 20000;
    double MonthlyChange = 0.5; // a share of the previous month

    // Throws DatabaseError.
    static AuditThresholds Load(DbConnection& own);
    // Writes all three in one transaction. Throws DatabaseError.
    void Save(DbConnection& own) const;
};
