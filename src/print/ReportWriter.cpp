#include "ReportWriter.h"

#include "OutputFile.h"
#include "ReportCsv.h"
#include "ReportDocument.h"
#include "ReportRenderer.h"
#include "ReportXlsx.h"

namespace {

class PdfWriter : public ReportWriter
{
public:
    QString NameFilter() const override { return QStringLiteral("PDF 文件 (*.pdf)"); }
    QString Suffix() const override { return QStringLiteral(".pdf"); }

protected:
    bool WriteFile(const QVector<const ReportDocument*>& documents, const QString& path) const override
    {
        return ReportRenderer::RenderPdf(documents, path);
    }
};

class CsvWriter : public ReportWriter
{
public:
    QString NameFilter() const override { return QStringLiteral("CSV 文件 (*.csv)"); }
    QString Suffix() const override { return QStringLiteral(".csv"); }

protected:
    int MostReports() const override { return 1; }
    bool WriteFile(const QVector<const ReportDocument*>& documents, const QString& path) const override
    {
        return ReportCsv::Write(*documents.first(), path);
    }
};

class WorkbookWriter : public ReportWriter
{
public:
    QString NameFilter() const override { return QStringLiteral("Excel 工作簿 (*.xlsx)"); }
    QString Suffix() const override { return QStringLiteral(".xlsx"); }

protected:
    bool WriteFile(const QVector<const ReportDocument*>& documents, const QString& path) const override
    {
        return ReportXlsx::Write(documents, path);
    }
};

} // namespace

std::unique_ptr<ReportWriter> ReportWriter::Create(Kind kind)
{
    switch (kind) {
    case Kind::Pdf:
        return std::make_unique<PdfWriter>();
    case Kind::Csv:
        return std::make_unique<CsvWriter>();
    case Kind::Workbook:
        break;
    }
    return std::make_unique<WorkbookWriter>();
}

std::optional<QString> ReportWriter::Write(const QVector<const ReportDocument*>& documents,
                                           const QString& path) const
{
    if (documents.isEmpty())
        return QStringLiteral("请先选定要导出的报表");
    if (MostReports() > 0 && documents.size() > MostReports())
        return QStringLiteral("%1 文件只能导出一个报表").arg(Suffix().mid(1).toUpper());
    if (!WriteFile(documents, path))
        return OutputFile::FailureMessage(path);
    return std::nullopt;
}

std::optional<QString> ReportWriter::Write(const ReportDocument& document, const QString& path) const
{
    return Write(QVector<const ReportDocument*>{&document}, path);
}
