#include "ReportXlsx.h"

#include "OutputFile.h"
#include "ReportDocument.h"
#include "ReportRenderer.h"

#include <QHash>
#include <xlsxwriter.h>

#include <dlfcn.h>
#include <optional>

#include <algorithm>

namespace {

// QuaZip, which restores the own database, exports its own copy of minizip's zip functions,
// and the spreadsheet writer calls minizip through the same names: linked into one program,
// whichever library comes first serves both and the other crashes. So the writer is loaded
// on first use with its own minizip bound ahead of everything already loaded.
#define ORVANE_XLSX_FUNCTIONS(F)                                                                     \
    F(workbook_new) \
    F(workbook_add_worksheet) \
    F(workbook_add_format) \
    F(workbook_close) \
    F(format_set_bold) \
    F(format_set_font_size) \
    F(format_set_align) \
    F(format_set_text_wrap) \
    F(format_set_border) \
    F(format_set_font_name) \
    F(format_set_num_format) \
    F(worksheet_set_row) \
    F(worksheet_merge_range) \
    F(worksheet_write_string) \
    F(worksheet_write_number) \
    F(worksheet_freeze_panes) \
    F(worksheet_repeat_rows) \
    F(worksheet_set_column) \
    F(worksheet_set_paper) \
    F(worksheet_set_landscape) \
    F(worksheet_fit_to_pages)

struct XlsxApi
{
#define ORVANE_XLSX_MEMBER(name) decltype(&::name) name = nullptr;
    ORVANE_XLSX_FUNCTIONS(ORVANE_XLSX_MEMBER)
#undef ORVANE_XLSX_MEMBER
};

// Null when the library or one of its functions cannot be found.
const XlsxApi* Xlsx()
{
    static const std::optional<XlsxApi> api = []() -> std::optional<XlsxApi> {
#if defined(__SANITIZE_ADDRESS__)
        // The address sanitizer refuses RTLD_DEEPBIND; a link-map namespace of its own keeps
        // the library's zip functions apart from QuaZip's just the same.
        void* library = dlmopen(LM_ID_NEWLM, "libxlsxwriter.so.4", RTLD_NOW | RTLD_LOCAL);
#else
        void* library = dlopen("libxlsxwriter.so.4", RTLD_NOW | RTLD_LOCAL | RTLD_DEEPBIND);
#endif
        if (!library)
            return std::nullopt;
        XlsxApi loaded;
        bool complete = true;
#define ORVANE_XLSX_RESOLVE(name)                                                                    \
    loaded.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name));                       \
    complete = complete && loaded.name;
        ORVANE_XLSX_FUNCTIONS(ORVANE_XLSX_RESOLVE)
#undef ORVANE_XLSX_RESOLVE
        if (!complete)
            return std::nullopt;
        return loaded;
    }();
    return api ? &*api : nullptr;
}

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
    SheetWriter(const XlsxApi* api, lxw_workbook* book, const QByteArray& font) : x_(api), book_(book), font_(font)
    {
        title_ = Format();
        x_->format_set_bold(title_);
        x_->format_set_font_size(title_, 14);
        x_->format_set_align(title_, LXW_ALIGN_CENTER);
        line_ = Format();
        x_->format_set_align(line_, LXW_ALIGN_CENTER);
        heading_ = Format();
        x_->format_set_bold(heading_);
        x_->format_set_text_wrap(heading_);
        x_->format_set_align(heading_, LXW_ALIGN_CENTER);
        x_->format_set_align(heading_, LXW_ALIGN_VERTICAL_CENTER);
        x_->format_set_border(heading_, LXW_BORDER_THIN);
        text_ = Format();
        x_->format_set_border(text_, LXW_BORDER_THIN);
    }

    bool Write(lxw_worksheet* sheet, const ReportDocument& document)
    {
        const QVector<int> columns = document.VisibleColumns();
        const auto last = static_cast<lxw_col_t>(std::max<qsizetype>(columns.size(), 1) - 1);
        const auto& layout = document.Layout().Columns();
        bool groups = false;
        for (int c : columns)
            groups = groups || !layout[c].Group.isEmpty();

        lxw_row_t row = 0;
        Merge(sheet, row, 0, row, last, document.Title().trimmed(), title_);
        x_->worksheet_set_row(sheet, row++, 22, nullptr);
        Merge(sheet, row, 0, row, last, document.RunLine(), line_);
        ++row;

        // Headings: a group heading spans its columns; a column outside any group spans both rows.
        const lxw_row_t head = row;
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
        row = under + 1;
        x_->worksheet_freeze_panes(sheet, row, 1);
        x_->worksheet_repeat_rows(sheet, head, under);

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
                    x_->worksheet_write_number(sheet, row, col, cell.Value, numbers[i]);
                else
                    Cell(sheet, row, col, cell.Text, text_);
                widths[i] = std::max(widths[i], TextWidth(cell.Text) + 2);
            }
        for (qsizetype i = 0; i < columns.size(); ++i)
            x_->worksheet_set_column(sheet, static_cast<lxw_col_t>(i), static_cast<lxw_col_t>(i),
                                 std::min(widths[i], 40.0), nullptr);

        x_->worksheet_set_paper(sheet, 9); // A4
        if (ReportRenderer(document).PageLayout().orientation() == QPageLayout::Landscape)
            x_->worksheet_set_landscape(sheet);
        x_->worksheet_fit_to_pages(sheet, 1, 0);
        return true;
    }

private:
    lxw_format* Format()
    {
        lxw_format* format = x_->workbook_add_format(book_);
        x_->format_set_font_name(format, font_.constData());
        x_->format_set_font_size(format, 10);
        return format;
    }

    lxw_format* NumberFormat(int decimals)
    {
        if (auto it = numbers_.constFind(decimals); it != numbers_.cend())
            return *it;
        lxw_format* format = Format();
        x_->format_set_border(format, LXW_BORDER_THIN);
        const QByteArray pattern = decimals > 0 ? "0." + QByteArray(decimals, '0') : QByteArray("0");
        x_->format_set_num_format(format, pattern.constData());
        numbers_.insert(decimals, format);
        return format;
    }

    void Cell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const QString& text, lxw_format* format)
    {
        x_->worksheet_write_string(sheet, row, col, text.toUtf8().constData(), format);
    }

    void Merge(lxw_worksheet* sheet, lxw_row_t firstRow, lxw_col_t firstCol, lxw_row_t lastRow,
                      lxw_col_t lastCol, const QString& text, lxw_format* format)
    {
        if (firstRow == lastRow && firstCol == lastCol)
            Cell(sheet, firstRow, firstCol, text, format);
        else
            x_->worksheet_merge_range(sheet, firstRow, firstCol, lastRow, lastCol, text.toUtf8().constData(), format);
    }

    const XlsxApi* x_;
    lxw_workbook* book_;
    QByteArray font_;
    lxw_format* title_;
    lxw_format* line_;
    lxw_format* heading_;
    lxw_format* text_;
    QHash<int, lxw_format*> numbers_;
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
    const XlsxApi* x_ = Xlsx();
    if (!x_)
        return false;
    return OutputFile::WriteVia(path, [&](const QString& scratch) {
        lxw_workbook* book = x_->workbook_new(scratch.toLocal8Bit().constData());
        if (!book)
            return false;
        SheetWriter writer(x_, book, ReportRenderer::FontFamily().toUtf8());
        QStringList names;
        bool written = true;
        for (const ReportDocument* document : documents) {
            names << SheetName(document->Code(), names);
            lxw_worksheet* sheet = x_->workbook_add_worksheet(book, names.last().toUtf8().constData());
            written = written && sheet && writer.Write(sheet, *document);
        }
        return x_->workbook_close(book) == LXW_NO_ERROR && written;
    });
}
