#pragma once

#include "BenchPlan.h"
#include "Samples.h"

#include <QString>
#include <QStringList>
#include <functional>

class DbConnection;
class HotelReport;

// Runs each measured scenario exactly as the window (and orvane-report) runs it, several
// times, and its lower-bound statement in the same process on the same database.
class BenchRunner
{
public:
    struct Options
    {
        int Runs = 5;
        // A scenario stops repeating once it has taken this long (after at least one run).
        double BudgetSeconds = 60;
    };

    struct Result
    {
        QString Name;
        Samples Passes;
        Samples Save;  // empty for the PDF scenarios
        Samples Total; // passes and Save of the same run
        Samples LowerBound;
        long long RowsSaved = 0;
        QStringList Differences; // engine against lower bound; empty when they agree
        bool WholeProcess = false;
    };

    BenchRunner(BenchPlan plan, Options options);

    Result Hotel();
    // The hotel report over every region of the country, counties included; no lower bound.
    Result HotelAllRegions();
    Result Annual();
    Result LedgerByRegion();
    Result LedgerByEnterprise();
    // A whole orvane-report process over the plan's regions ("hotel" or "annual"), start-up and
    // Save included, beside the lower bound of its report measured in this run.
    Result Process(const QString& command, const QString& appFolder, const Samples& lowerBound);
    // Loads a report from the result tables and renders it to a PDF file, as "print --pdf" does.
    Result Pdf(const QString& tableCode, const QString& pdfPath);
    // Loads several reports and writes them into one workbook, as "print --xlsx" does.
    Result Workbook(const QStringList& tableCodes, const QString& xlsxPath);

private:
    // The hotel report over the given regions, as the window runs it, without a lower bound.
    Result HotelRun(const QString& name, const QStringList& regions, HotelReport& report);
    // Calls run until the plan's number of runs or the time budget is reached.
    void Repeat(const std::function<void()>& run) const;
    using Check = std::function<void(DbConnection& source, const QString& sql)>;
    Samples TimeLowerBound(const QString& sql, const Check& check) const;
    static long long ResultRows();

    BenchPlan plan_;
    Options options_;
};
