#pragma once

#include <QString>
#include <QVector>
#include <memory>
#include <optional>

class ReportDocument;

// One kind of output file: the name filter a save dialog offers for it, and the writing of a
// set of reports to a path. Every writer goes through OutputFile and checks each of its
// writes; whatever went wrong comes back as the one text to show, and nothing is left behind.
class ReportWriter
{
public:
    enum class Kind {
        Pdf,
        Csv,
        Workbook,
    };
    static std::unique_ptr<ReportWriter> Create(Kind kind);

    virtual ~ReportWriter() = default;

    // "PDF 文件 (*.pdf)"
    virtual QString NameFilter() const = 0;
    // The suffix a suggested file name takes (".pdf").
    virtual QString Suffix() const = 0;

    // Nothing when the file was written; otherwise the message for the user.
    std::optional<QString> Write(const QVector<const ReportDocument*>& documents, const QString& path) const;
    std::optional<QString> Write(const ReportDocument& document, const QString& path) const;

protected:
    // How many reports one file holds (0: any number).
    virtual int MostReports() const { return 0; }
    // False when the file could not be written whole.
    virtual bool WriteFile(const QVector<const ReportDocument*>& documents, const QString& path) const = 0;
};
