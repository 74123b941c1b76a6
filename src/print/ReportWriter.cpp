#include "ReportWriter.h"

#include "OutputFile.h"
#include "ReportCsv.h"
#include "ReportDocument.h"
#include "ReportRenderer.h"
#include "ReportXlsx.h"

namespace {

using Documents = QVector<const ReportDocument*>;

// The report files differ only in these; each write function goes through OutputFile.
struct FileKind
{
    const char* Filter;
    const char* Suffix;
    int MostReports;
    bool (*Write)(const Documents& documents, const QString& path);
};

// In the order of ReportWriter::Kind.
const FileKind Kinds[] = {
    {"PDF 文件 (*.pdf)", ".pdf", 0,
     [](const Documents& documents, const QString& path) {
         return ReportRenderer::RenderPdf(documents, path);
     }},
    {"CSV 文件 (*.csv)", ".csv", 1,
     [](const Documents& documents, const QString& path) {
         return ReportCsv::Write(*documents.first(), path);
     }},
    {"Excel 工作簿 (*.xlsx)", ".xlsx", 0,
     [](const Documents& documents, const QString& path) { return ReportXlsx::Write(documents, path); }},
};

class FileWriter : public ReportWriter
{
public:
    explicit FileWriter(const FileKind& kind) : kind_(kind) {}
    QString NameFilter() const override { return QString::fromUtf8(kind_.Filter); }
    QString Suffix() const override { return QString::fromUtf8(kind_.Suffix); }

protected:
    int MostReports() const override { return kind_.MostReports; }
    bool WriteFile(const Documents& documents, const QString& path) const override
    {
        return kind_.Write(documents, path);
    }

private:
    const FileKind& kind_;
};

} // namespace

std::unique_ptr<ReportWriter> ReportWriter::Create(Kind kind)
{
    return std::make_unique<FileWriter>(Kinds[static_cast<int>(kind)]);
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
