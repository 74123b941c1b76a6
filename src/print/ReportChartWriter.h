#pragma once

#include "ReportChart.h"
#include "ReportWriter.h"

// A report's bar chart as a file: a PNG picture of the first choice, or a PDF with each
// choice in turn, over as many pages as its bars need.
class ReportChartWriter : public ReportWriter
{
public:
    enum class Format {
        Png,
        Pdf,
    };
    ReportChartWriter(Format format, QVector<ReportChart::Choice> choices);

    QString NameFilter() const override;
    QString Suffix() const override;

protected:
    int MostReports() const override { return 1; }
    bool WriteFile(const QVector<const ReportDocument*>& documents, const QString& path) const override;

private:
    Format format_;
    QVector<ReportChart::Choice> choices_;
};
