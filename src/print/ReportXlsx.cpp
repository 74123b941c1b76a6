#include "ReportXlsx.h"

#include "OutputFile.h"
#include "ReportDocument.h"
#include "ReportRenderer.h"

#include <QHash>
#include <xlsxwriter.h>

#include <algorithm>

namespace {

// A text's width in spreadsheet characters: a Chinese character takes two.
double TextWidth(const QString& text)
{
    double width = 0;
    for (const QChar c : text)
        width += c.unicode() >= 0x2E80 ? 2 : 1;
    return width;
}

class SheetWriter
{
public:
    SheetWriter(lxw_workbook* book, const QByteArray& font) : book_(book), font_(font)
    {
        title_ = Format();
        format_set_bold(title_);
        format_set_font_size(title_, 14);
        format_set_align(title_, LXW_ALIGN_CENTER);
        line_ = Format();
        format_set_align(line_, LXW_ALIGN_CENTER);
        heading_ = Format();
        format_set_bold(heading_);
        format_set_text_wrap(heading_);
        format_set_align(heading_, LXW_ALIGN_CENTER);
        format_set_align(heading_, LXW_ALIGN_VERTICAL_CENTER);
        format_set_border(heading_, LXW_BORDER_THIN);
        text_ = Format();
        format_set_border(text_, LXW_BORDER_THIN);
    }

    bool Write(lxw_worksheet* sheet, const ReportDocument& document)
    {
        const QVector<int> columns = document.VisibleColumns();
        const lxw_row_t first = WriteTitle(sheet, document, columns);
        const lxw_row_t body = WriteHeadings(sheet, document, columns, first);
        WriteRows(sheet, document, columns, body);
        worksheet_set_paper(sheet, 9); // A4
        if (ReportRenderer(document).PageLayout().orientation() == QPageLayout::Landscape)
            worksheet_set_landscape(sheet);
        worksheet_fit_to_pages(sheet, 1, 0);
        return error_ == LXW_NO_ERROR;
    }

private:
    // The title and the run's line across the table; the row after them.
    lxw_row_t WriteTitle(lxw_worksheet* sheet, const ReportDocument& document, const QVector<int>& columns)
    {
        const auto last = static_cast<lxw_col_t>(std::max<qsizetype>(columns.size(), 1) - 1);
        lxw_row_t row = 0;
        Merge(sheet, row, 0, row, last, document.Title().trimmed(), title_);
        Check(worksheet_set_row(sheet, row++, 22, nullptr));
        Merge(sheet, row, 0, row, last, document.RunLine(), line_);
        return row + 1;
    }

    // Headings from the row given: a group heading spans its columns; a column outside any
    // group spans both rows. They stay in view and print on every page; the row after them.
    lxw_row_t WriteHeadings(lxw_worksheet* sheet, const ReportDocument& document, const QVector<int>& columns,
                            lxw_row_t head)
    {
        const auto& layout = document.Layout().Columns();
        bool groups = false;
        for (int c : columns)
            groups = groups || !layout[c].Group.isEmpty();
        const lxw_row_t under = groups ? head + 1 : head;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const int c = columns[i];
            const auto col = static_cast<lxw_col_t>(i);
            if (layout[c].Group.isEmpty()) {
                Merge(sheet, head, col, under, col, document.HeadingText(c).trimmed(), heading_);
                continue;
            }
            qsizetype end = i;
            if (i == 0 || layout[columns[i - 1]].Group != layout[c].Group) {
                while (end + 1 < columns.size() && layout[columns[end + 1]].Group == layout[c].Group)
                    ++end;
                Merge(sheet, head, col, head, static_cast<lxw_col_t>(end), document.GroupText(c).trimmed(), heading_);
            }
            Cell(sheet, under, col, document.HeadingText(c).trimmed(), heading_);
        }
        worksheet_freeze_panes(sheet, under + 1, 1);
        Check(worksheet_repeat_rows(sheet, head, under));
        return under + 1;
    }

    // The rows from the row given, numbers as numbers; each column as wide as its text.
    void WriteRows(lxw_worksheet* sheet, const ReportDocument& document, const QVector<int>& columns,
                   lxw_row_t row)
    {
        QVector<lxw_format*> numbers;
        QVector<double> widths;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            numbers.append(NumberFormat(document.Decimals(columns[i])));
            widths.append(std::max(8.0, std::min(TextWidth(document.HeadingText(columns[i]).trimmed()) / 2 + 2, 16.0)));
        }
        for (int r = 0; r < document.Rows().size(); ++r, ++row)
            for (qsizetype i = 0; i < columns.size(); ++i) {
                const ReportDocument::Cell cell = document.At(r, columns[i]);
                const auto col = static_cast<lxw_col_t>(i);
                if (cell.IsNumber)
                    Check(worksheet_write_number(sheet, row, col, cell.Value, numbers[i]));
                else
                    Cell(sheet, row, col, cell.Text, text_);
                widths[i] = std::max(widths[i], TextWidth(cell.Text) + 2);
            }
        for (qsizetype i = 0; i < columns.size(); ++i)
            Check(worksheet_set_column(sheet, static_cast<lxw_col_t>(i), static_cast<lxw_col_t>(i),
                                       std::min(widths[i], 40.0), nullptr));
    }

    // The first failure of any write stands; the sheet is then reported as not written.
    void Check(lxw_error error)
    {
        if (error_ == LXW_NO_ERROR)
            error_ = error;
    }

    lxw_format* Format()
    {
        lxw_format* format = workbook_add_format(book_);
        format_set_font_name(format, font_.constData());
        format_set_font_size(format, 10);
        return format;
    }

    lxw_format* NumberFormat(int decimals)
    {
        if (auto it = numbers_.constFind(decimals); it != numbers_.cend())
            return *it;
        lxw_format* format = Format();
        format_set_border(format, LXW_BORDER_THIN);
        const QByteArray pattern = decimals > 0 ? "0." + QByteArray(decimals, '0') : QByteArray("0");
        format_set_num_format(format, pattern.constData());
        numbers_.insert(decimals, format);
        return format;
    }

    void Cell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const QString& text, lxw_format* format)
    {
        Check(worksheet_write_string(sheet, row, col, text.toUtf8().constData(), format));
    }

    void Merge(lxw_worksheet* sheet, lxw_row_t firstRow, lxw_col_t firstCol, lxw_row_t lastRow,
                      lxw_col_t lastCol, const QString& text, lxw_format* format)
    {
        if (firstRow == lastRow && firstCol == lastCol)
            Cell(sheet, firstRow, firstCol, text, format);
        else
            Check(worksheet_merge_range(sheet, firstRow, firstCol, lastRow, lastCol,
                                        text.toUtf8().constData(), format));
    }

    lxw_workbook* book_;
    QByteArray font_;
    lxw_format* title_;
    lxw_format* line_;
    lxw_format* heading_;
    lxw_format* text_;
    QHash<int, lxw_format*> numbers_;
    lxw_error error_ = LXW_NO_ERROR;
};

} // namespace

QString ReportXlsx::SheetName(const QString& code, const QStringList& taken)
{
    QString name = code.isEmpty() ? QStringLiteral("报表") : code;
    for (int n = 2; taken.contains(name, Qt::CaseInsensitive); ++n)
        name = code + QStringLiteral(" (%1)").arg(n);
    return name;
}

bool ReportXlsx::Write(const QVector<const ReportDocument*>& documents, const QString& path)
{
    if (documents.isEmpty())
        return false;
    return OutputFile::WriteVia(path, [&](const QString& scratch) {
        lxw_workbook* book = workbook_new(scratch.toLocal8Bit().constData());
        if (!book)
            return false;
        SheetWriter writer(book, ReportRenderer::FontFamily().toUtf8());
        QStringList names;
        bool written = true;
        for (const ReportDocument* document : documents) {
            names << SheetName(document->Code(), names);
            lxw_worksheet* sheet = workbook_add_worksheet(book, names.last().toUtf8().constData());
            written = written && sheet && writer.Write(sheet, *document);
        }
        return workbook_close(book) == LXW_NO_ERROR && written;
    });
}
