#include "ReportChartWriter.h"

ReportChartWriter::ReportChartWriter(Format format, QVector<ReportChart::Choice> choices)
    : format_(format), choices_(std::move(choices))
{
}

QString ReportChartWriter::NameFilter() const
{
    return format_ == Format::Png ? QStringLiteral("PNG 图片 (*.png)") : QStringLiteral("PDF 文件 (*.pdf)");
}

QString ReportChartWriter::Suffix() const
{
    return format_ == Format::Png ? QStringLiteral(".png") : QStringLiteral(".pdf");
}

bool ReportChartWriter::WriteFile(const QVector<const ReportDocument*>& documents, const QString& path) const
{
    if (choices_.isEmpty())
        return false;
    if (format_ == Format::Png)
        return ReportChart::SavePng(*documents.first(), choices_.first(), path);
    return ReportChart::SavePdf(*documents.first(), choices_, path);
}
