#include "ReportRenderer.h"

#include "OutputFile.h"
#include "ReportDocument.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <algorithm>
#include <numeric>

namespace {

constexpr double BodyPoints = 9;
constexpr double TitlePoints = 15;
constexpr double LinePoints = 9.5;
constexpr double LineGap = 1.5; // mm between the title and the run's line
constexpr double FootPoints = 9;
constexpr double PadX = 1.2; // mm
constexpr double PadY = 1.0;
constexpr double TitleGap = 4;
constexpr double FootGap = 2;
constexpr double NumberCap = 40; // widest a number column gets, mm
constexpr double TextCap = 70;
// Font scales tried in turn until the columns fit; past the last one figures may wrap.
const double FontSteps[] = {1.0, 0.92, 0.85, 0.78, 0.7, 0.62, 0.55};

// Lays the text out in lines of the given width, breaking between words or, where a word
// is wider than the line (a long Chinese heading), anywhere; returns the height taken.
double LayOut(QTextLayout& layout, double width, Qt::Alignment align)
{
    QTextOption option(align);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    double y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(width, 1.0));
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    return y;
}

double TextHeight(const QString& text, const QFont& font, double width, QPaintDevice& device)
{
    QTextLayout layout(text, font, &device);
    return LayOut(layout, width, Qt::AlignLeft);
}

// Draws the text inside the box (less padding), centred vertically.
void DrawText(QPainter& painter, const QRectF& box, double padX, double padY, const QString& text,
              const QFont& font, Qt::Alignment align)
{
    if (text.isEmpty())
        return;
    QTextLayout layout(text, font, painter.device());
    const double width = box.width() - 2 * padX;
    const double height = LayOut(layout, width, align);
    const double top = box.top() + std::max(padY, (box.height() - height) / 2);
    layout.draw(&painter, QPointF(box.left() + padX, top));
}

// The pieces a heading may be broken into: its words, and its unit or remark in brackets
// ("人均营业收入", "（万元）"); a Chinese word is never split.
QStringList HeadingPieces(const QString& text)
{
    QStringList pieces;
    QString piece;
    for (const QChar c : text) {
        if (c.isSpace()) {
            if (!piece.isEmpty())
                pieces << piece;
            piece.clear();
            continue;
        }
        if ((c == QChar(0xFF08) || c == QLatin1Char('(')) && !piece.isEmpty()) {
            pieces << piece;
            piece.clear();
        }
        piece += c;
    }
    if (!piece.isEmpty())
        pieces << piece;
    return pieces;
}

double WidestPiece(const QString& heading, const QFontMetricsF& metrics)
{
    double widest = 0;
    for (const QString& piece : HeadingPieces(heading.trimmed()))
        widest = std::max(widest, metrics.horizontalAdvance(piece));
    return widest;
}

// The heading in lines of the width, broken only between pieces; a line separator marks
// each break. Words that do fit together stay on one line.
QString HeadingText(const QString& text, const QFont& font, double width, QPaintDevice& device)
{
    const QFontMetricsF metrics(font, &device);
    QString lines;
    QString line;
    for (const QString& piece : HeadingPieces(text)) {
        const bool latin = !line.isEmpty() && line.back().unicode() < 128 && piece.front().unicode() < 128;
        const QString joined = line + (latin ? QStringLiteral(" ") : QString()) + piece;
        if (line.isEmpty() || metrics.horizontalAdvance(joined) <= width) {
            line = joined;
            continue;
        }
        lines += line + QChar(QChar::LineSeparator);
        line = piece;
    }
    return lines + line;
}

QFont MakeFont(double points, bool bold = false)
{
    QFont font(ReportRenderer::FontFamily());
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Widths in proportion to the weights, but never below what a column needs.
QVector<double> Distribute(const QVector<double>& weight, const QVector<double>& least, double available)
{
    const qsizetype n = weight.size();
    QVector<double> width(n);
    QVector<bool> fixed(n, false);
    for (bool again = true; again;) {
        double rest = available;
        double weights = 0;
        for (qsizetype i = 0; i < n; ++i) {
            if (fixed[i])
                rest -= least[i];
            else
                weights += weight[i];
        }
        again = false;
        for (qsizetype i = 0; i < n; ++i)
            width[i] = fixed[i] ? least[i] : (weights > 0 ? weight[i] * std::max(rest, 0.0) / weights : 0);
        for (qsizetype i = 0; i < n; ++i)
            if (!fixed[i] && width[i] < least[i])
                fixed[i] = again = true;
    }
    return width;
}

// A table of few columns keeps sensible widths (and then stands in the middle of the page).
void CapWidths(QVector<double>& width, const QVector<double>& least, const QVector<bool>& isText, double mm)
{
    double shrink = 1;
    for (qsizetype i = 0; i < width.size(); ++i)
        if (width[i] > 0)
            shrink = std::min(shrink, (isText[i] ? TextCap : NumberCap) * mm / width[i]);
    for (qsizetype i = 0; i < width.size(); ++i)
        if (width[i] > 0)
            shrink = std::max(shrink, least[i] / width[i]);
    if (shrink < 1)
        for (double& w : width)
            w *= shrink;
}

} // namespace

// A heading broken into the lines of its box, and the height the box then takes.
class ReportRenderer::HeadingBoxes
{
public:
    HeadingBoxes(const QFont& font, QPaintDevice& device, double padX, double padY)
        : Least(QFontMetricsF(font, &device).height() + 2 * padY), font_(font), device_(device), padX_(padX),
          padY_(padY)
    {
    }
    QString Text(const QString& heading, double width) const
    {
        return HeadingText(heading.trimmed(), font_, width - 2 * padX_, device_);
    }
    double Height(const QString& heading, double width) const
    {
        return std::max(Least,
                        TextHeight(Text(heading, width), font_, width - 2 * padX_, device_) + 2 * padY_);
    }

    const double Least;

private:
    const QFont& font_;
    QPaintDevice& device_;
    double padX_, padY_;
};

ReportRenderer::ReportRenderer(const ReportDocument& document) : document_(document) {}

QString ReportRenderer::FontFamily()
{
    static const QString family = [] {
        const QString preferred = QStringLiteral("WenQuanYi Micro Hei");
        if (QFontDatabase::families().contains(preferred))
            return preferred;
        const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
        for (const QString& f : chinese)
            if (!QFontDatabase::isFixedPitch(f))
                return f;
        return chinese.isEmpty() ? QFont().family() : chinese.first();
    }();
    return family;
}

QPageLayout ReportRenderer::PageLayout() const
{
    const auto orientation =
        document_.VisibleColumns().size() > PortraitColumns ? QPageLayout::Landscape : QPageLayout::Portrait;
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(15, 12, 15, 12),
                       QPageLayout::Millimeter);
}

bool ReportRenderer::Render(QPagedPaintDevice& device, bool applyPageLayout) const
{
    if (applyPageLayout)
        device.setPageLayout(PageLayout());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PaintPages(painter, device);
    return painter.end();
}

void ReportRenderer::PaintPages(QPainter& painter, QPagedPaintDevice& device) const
{
    const Geometry g = Measure(device);
    for (int page = 0; page < g.PageStarts.size(); ++page) {
        if (page > 0)
            device.newPage();
        PaintPage(painter, g, page);
    }
}

bool ReportRenderer::RenderPdf(const QString& path) const
{
    return RenderPdf(QVector<const ReportDocument*>{&document_}, path);
}

bool ReportRenderer::RenderPdf(const QVector<const ReportDocument*>& documents, const QString& path)
{
    if (documents.isEmpty())
        return false;
    return OutputFile::Write(path, [&](QIODevice& file) {
        QPdfWriter writer(&file);
        writer.setTitle(documents.first()->Title().trimmed());
        writer.setCreator(QStringLiteral("Orvane"));
        writer.setResolution(600);
        writer.setPageLayout(ReportRenderer(*documents.first()).PageLayout());
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        for (qsizetype k = 0; k < documents.size(); ++k) {
            const ReportRenderer renderer(*documents[k]);
            if (k > 0) {
                // The layout set before the break is the one the new page takes.
                writer.setPageLayout(renderer.PageLayout());
                writer.newPage();
            }
            renderer.PaintPages(painter, writer);
        }
        return painter.end();
    });
}

int ReportRenderer::PageCount(QPagedPaintDevice& device) const
{
    device.setPageLayout(PageLayout());
    return static_cast<int>(Measure(device).PageStarts.size());
}

ReportRenderer::Geometry ReportRenderer::Measure(QPaintDevice& device) const
{
    Geometry g;
    g.Mm = device.logicalDpiX() / 25.4;
    g.Width = device.width();
    g.Height = device.height();
    g.TitleFont = MakeFont(TitlePoints, true);
    g.FootFont = MakeFont(FootPoints);
    g.Columns = document_.VisibleColumns();

    LayOutColumns(g, device);
    LayOutHeader(g, device);
    LayOutRows(g, device);

    g.LineFont = MakeFont(LinePoints);
    g.TitleHeight = TextHeight(document_.Title().trimmed(), g.TitleFont, g.Width, device);
    if (!document_.RunLine().isEmpty())
        g.TitleHeight += LineGap * g.Mm + TextHeight(document_.RunLine(), g.LineFont, g.Width, device);
    g.FootHeight = QFontMetricsF(g.FootFont, &device).height() + FootGap * g.Mm;

    Paginate(g);
    return g;
}

void ReportRenderer::Paginate(Geometry& g) const
{
    const double top = g.TitleHeight + TitleGap * g.Mm + g.HeaderHeight;
    const double limit = g.Height - g.FootHeight;
    g.PageStarts = {0};
    double y = top;
    for (int r = 0; r < g.RowHeights.size(); ++r) {
        if (y + g.RowHeights[r] > limit && r != g.PageStarts.last()) {
            g.PageStarts.append(r);
            y = top;
        }
        y += g.RowHeights[r];
    }
}

void ReportRenderer::LayOutColumns(Geometry& g, QPaintDevice& device) const
{
    const QVector<bool> isText = TextColumns(g);
    const QVector<double> least = FitFont(g, device, isText);
    QVector<double> width = Distribute(ColumnWeights(g, isText), least, g.Width);
    CapWidths(width, least, isText, g.Mm);

    const double total = std::accumulate(width.begin(), width.end(), 0.0);
    g.Left = std::max(0.0, (g.Width - total) / 2);
    g.X = {g.Left};
    for (double w : width)
        g.X.append(g.X.last() + w);
}

QVector<bool> ReportRenderer::TextColumns(const Geometry& g) const
{
    // Names: the first column, or any column holding text that is no number.
    const int rows = static_cast<int>(document_.Rows().size());
    QVector<bool> isText(g.Columns.size(), false);
    for (int i = 0; i < g.Columns.size(); ++i) {
        isText[i] = g.Columns[i] == 0;
        for (int r = 0; r < rows && !isText[i]; ++r) {
            const ReportDocument::Cell cell = document_.At(r, g.Columns[i]);
            isText[i] = !cell.Text.isEmpty() && !cell.IsNumber;
        }
    }
    return isText;
}

QVector<double> ReportRenderer::ColumnWeights(const Geometry& g, const QVector<bool>& isText) const
{
    // Names get more room than the widest figure, figures never much less.
    const auto& layout = document_.Layout().Columns();
    const int n = static_cast<int>(g.Columns.size());
    double widestNumber = 0;
    for (int i = 0; i < n; ++i)
        if (!isText[i])
            widestNumber = std::max<double>(widestNumber, layout[g.Columns[i]].ResultWidth);
    if (widestNumber == 0)
        widestNumber = 100;
    QVector<double> weight(n);
    for (int i = 0; i < n; ++i) {
        const double w = layout[g.Columns[i]].ResultWidth;
        weight[i] = isText[i] ? std::clamp(w, 1.5 * widestNumber, 2.0 * widestNumber)
                              : std::max(w, 0.6 * widestNumber);
    }
    return weight;
}

QVector<double> ReportRenderer::FitFont(Geometry& g, QPaintDevice& device, const QVector<bool>& isText) const
{
    // Names on one line up to twelve characters, or six when the page is short of room; a
    // table that still does not fit gets a smaller font.
    QVector<double> least;
    const auto fits = [&](int nameChars) {
        least = LeastWidths(g, device, isText, nameChars);
        return std::accumulate(least.begin(), least.end(), 0.0) <= g.Width;
    };
    for (double step : FontSteps) {
        g.HeadFont = MakeFont(BodyPoints * step);
        g.BodyFont = MakeFont(BodyPoints * step);
        if (fits(12) || fits(6))
            break;
    }
    return least;
}

QVector<double> ReportRenderer::LeastWidths(const Geometry& g, QPaintDevice& device,
                                            const QVector<bool>& isText, int nameChars) const
{
    // Figures on one line, names up to nameChars characters a line, headings at least four
    // characters a line, so that a narrow figure does not stack its heading one character per line.
    const QFontMetricsF body(g.BodyFont, &device);
    const QFontMetricsF head(g.HeadFont, &device);
    const double fourChars = head.horizontalAdvance(QStringLiteral("国国国国"));
    const double nameWidth = body.horizontalAdvance(QString(nameChars, QChar(0x56FD)));
    const int rows = static_cast<int>(document_.Rows().size());
    QVector<double> least(g.Columns.size());
    for (int i = 0; i < g.Columns.size(); ++i) {
        double widest = 0;
        for (int r = 0; r < rows; ++r)
            widest = std::max(widest, body.horizontalAdvance(document_.At(r, g.Columns[i]).Text));
        // A heading breaks only between its words and before its unit.
        const double heading = WidestPiece(document_.HeadingText(g.Columns[i]), head);
        // The slack keeps rounding in the line layout from pushing a figure onto a second line.
        least[i] = std::max({isText[i] ? std::min(widest, nameWidth) : widest, fourChars, heading}) +
                   (2 * PadX + 0.5) * g.Mm;
    }
    return least;
}

void ReportRenderer::LayOutHeader(Geometry& g, QPaintDevice& device) const
{
    const HeadingBoxes boxes(g.HeadFont, device, PadX * g.Mm, PadY * g.Mm);
    const auto& layout = document_.Layout().Columns();
    const QVector<Span> groups = GroupSpans(g);
    double groupHeight = 0, underHeight = 0, spanHeight = boxes.Least;
    for (int i = 0; i < g.Columns.size(); ++i) {
        const double h = boxes.Height(document_.HeadingText(g.Columns[i]), g.X[i + 1] - g.X[i]);
        if (layout[g.Columns[i]].Group.isEmpty())
            spanHeight = std::max(spanHeight, h);
        else
            underHeight = std::max(underHeight, h);
    }
    for (const Span& grp : groups)
        groupHeight = std::max(groupHeight, boxes.Height(document_.GroupText(g.Columns[grp.First]),
                                                         g.X[grp.Last + 1] - g.X[grp.First]));
    if (!groups.isEmpty() && groupHeight + underHeight < spanHeight)
        underHeight = spanHeight - groupHeight;

    g.HeaderSplit = groupHeight;
    g.HeaderHeight = groups.isEmpty() ? spanHeight : groupHeight + underHeight;
    PlaceHeadings(g, boxes, groups, underHeight);
}

QVector<ReportRenderer::Span> ReportRenderer::GroupSpans(const Geometry& g) const
{
    // Neighbouring columns of one group share its heading.
    const auto& layout = document_.Layout().Columns();
    QVector<Span> groups;
    for (int i = 0; i < g.Columns.size(); ++i) {
        const QString& group = layout[g.Columns[i]].Group;
        if (group.isEmpty())
            continue;
        if (!groups.isEmpty() && groups.last().Last == i - 1 && layout[g.Columns[i - 1]].Group == group)
            groups.last().Last = i;
        else
            groups.append({i, i});
    }
    return groups;
}

void ReportRenderer::PlaceHeadings(Geometry& g, const HeadingBoxes& boxes, const QVector<Span>& groups,
                                   double underHeight) const
{
    const auto& layout = document_.Layout().Columns();
    const Qt::Alignment centre = Qt::AlignHCenter;
    for (const Span& grp : groups) {
        const double w = g.X[grp.Last + 1] - g.X[grp.First];
        g.Header.append({QRectF(g.X[grp.First], 0, w, g.HeaderSplit),
                         boxes.Text(document_.GroupText(g.Columns[grp.First]), w), centre});
    }
    for (int i = 0; i < g.Columns.size(); ++i) {
        const bool under = !layout[g.Columns[i]].Group.isEmpty();
        const QRectF rect(g.X[i], under ? g.HeaderSplit : 0, g.X[i + 1] - g.X[i],
                          under ? underHeight : g.HeaderHeight);
        g.Header.append({rect, boxes.Text(document_.HeadingText(g.Columns[i]), rect.width()), centre});
    }
}

void ReportRenderer::LayOutRows(Geometry& g, QPaintDevice& device) const
{
    const double padX = PadX * g.Mm;
    const double padY = PadY * g.Mm;
    const double least = QFontMetricsF(g.BodyFont, &device).height() + 2 * padY;
    const int rows = static_cast<int>(document_.Rows().size());
    g.RowHeights.fill(least, rows);
    for (int r = 0; r < rows; ++r)
        for (int i = 0; i < g.Columns.size(); ++i) {
            const QString text = document_.At(r, g.Columns[i]).Text;
            if (text.isEmpty())
                continue;
            const double w = g.X[i + 1] - g.X[i] - 2 * padX;
            g.RowHeights[r] = std::max(g.RowHeights[r], TextHeight(text, g.BodyFont, w, device) + 2 * padY);
        }
}

void ReportRenderer::PaintPage(QPainter& painter, const Geometry& g, int page) const
{
    PaintTitle(painter, g);
    const double top = g.TitleHeight + TitleGap * g.Mm;
    PaintHeader(painter, g, top);
    const double bottom = PaintRows(painter, g, page, top + g.HeaderHeight);

    // Heavier rules above and below the header band and under the last line.
    painter.setPen(QPen(Qt::black, 0.5 * g.Mm));
    const double left = g.X.first();
    const double right = g.X.last();
    painter.drawLine(QPointF(left, top), QPointF(right, top));
    painter.drawLine(QPointF(left, top + g.HeaderHeight), QPointF(right, top + g.HeaderHeight));
    painter.drawLine(QPointF(left, bottom), QPointF(right, bottom));

    PaintFoot(painter, g, page);
}

void ReportRenderer::PaintTitle(QPainter& painter, const Geometry& g) const
{
    painter.setPen(Qt::black);
    const QString title = document_.Title().trimmed();
    const double titleHeight = TextHeight(title, g.TitleFont, g.Width, *painter.device());
    DrawText(painter, QRectF(0, 0, g.Width, titleHeight), 0, 0, title, g.TitleFont, Qt::AlignHCenter);
    if (!document_.RunLine().isEmpty())
        DrawText(painter, QRectF(0, titleHeight + LineGap * g.Mm, g.Width, g.TitleHeight - titleHeight), 0, 0,
                 document_.RunLine(), g.LineFont, Qt::AlignHCenter);
}

void ReportRenderer::PaintHeader(QPainter& painter, const Geometry& g, double top) const
{
    const QPen thin(Qt::black, 0.2 * g.Mm);
    for (const Cell& cell : g.Header) {
        const QRectF box = cell.Rect.translated(0, top);
        painter.setPen(Qt::black);
        DrawText(painter, box, PadX * g.Mm, PadY * g.Mm, cell.Text, g.HeadFont, cell.Align);
        painter.setPen(thin);
        painter.drawRect(box);
    }
}

double ReportRenderer::PaintRows(QPainter& painter, const Geometry& g, int page, double top) const
{
    const QPen thin(Qt::black, 0.2 * g.Mm);
    const int first = g.PageStarts[page];
    const int end =
        page + 1 < g.PageStarts.size() ? g.PageStarts[page + 1] : static_cast<int>(g.RowHeights.size());
    double y = top;
    for (int r = first; r < end; ++r) {
        for (int i = 0; i < g.Columns.size(); ++i) {
            const QRectF box(g.X[i], y, g.X[i + 1] - g.X[i], g.RowHeights[r]);
            painter.setPen(Qt::black);
            const ReportDocument::Cell cell = document_.At(r, g.Columns[i]);
            DrawText(painter, box, PadX * g.Mm, PadY * g.Mm, cell.Text, g.BodyFont,
                     cell.IsNumber ? Qt::AlignRight : Qt::AlignLeft);
            painter.setPen(thin);
            painter.drawRect(box);
        }
        y += g.RowHeights[r];
    }
    return y;
}

void ReportRenderer::PaintFoot(QPainter& painter, const Geometry& g, int page) const
{
    painter.setPen(Qt::black);
    const QString foot = QStringLiteral("第 %1 页 共 %2 页").arg(page + 1).arg(g.PageStarts.size());
    const QRectF footBox(0, g.Height - g.FootHeight + FootGap * g.Mm, g.Width, g.FootHeight);
    DrawText(painter, footBox, 0, 0, foot, g.FootFont, Qt::AlignHCenter);
    DrawText(painter, footBox, 0, 0, document_.RunTime(), g.FootFont, Qt::AlignRight);
}
