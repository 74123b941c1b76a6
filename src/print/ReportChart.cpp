#include "ReportChart.h"

#include "OutputFile.h"
#include "ReportDocument.h"
#include "ReportRenderer.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalBarSeries>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QValueAxis>
#include <QHash>
#include <cmath>
#include <algorithm>

namespace {

// The names column as printed, indent included.
QString RawLabel(const ReportDocument& document, int row)
{
    const QVector<int> columns = document.VisibleColumns();
    return columns.isEmpty() ? QString() : document.CellText(row, columns.first());
}

// The name as the preview prints it: a region that shares its name carries its parent.
QString Label(const ReportDocument& document, int row)
{
    const QVector<int> columns = document.VisibleColumns();
    return columns.isEmpty() ? QString() : document.At(row, columns.first()).Text.trimmed();
}

bool IsTotal(const QString& label)
{
    return label == QStringLiteral("合计");
}

// A category axis keeps one category per distinct text: a name listed twice gets invisible
// marks, so that each bar keeps a category of its own.
QStringList UniqueLabels(const QVector<ReportChart::Bar>& bars)
{
    QStringList labels;
    QHash<QString, int> seen;
    for (const ReportChart::Bar& bar : bars) {
        const int n = seen.value(bar.Label, 0);
        seen.insert(bar.Label, n + 1);
        labels << bar.Label + QString(n, QChar(0x200B));
    }
    return labels;
}

QPageLayout ChartPage(QPageLayout::Orientation orientation)
{
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
}

// A chart that fits one landscape page stays on one; longer ones run over portrait pages.
constexpr int LandscapeBars = 28;
constexpr int PortraitBars = 70;

QFont ChartFont(double points, bool bold = false)
{
    QFont font(ReportRenderer::FontFamily());
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

constexpr double MaxBarThickness = 18;

// The value beside each bar with the decimals its column prints ("150.00" beside 42710.54);
// the series' own labels drop trailing zeros. They follow the bars as the chart is laid out.
void AddValueLabels(QChart& chart, QHorizontalBarSeries* series, const QVector<ReportChart::Bar>& bars,
                    int decimals)
{
    QVector<QGraphicsSimpleTextItem*> labels;
    for (const ReportChart::Bar& bar : bars) {
        auto* label = new QGraphicsSimpleTextItem(QString::number(bar.Value, 'f', decimals), &chart);
        label->setFont(ChartFont(8));
        label->setZValue(10);
        labels.append(label);
    }
    QObject::connect(&chart, &QChart::plotAreaChanged, &chart, [&chart, series, bars, labels](const QRectF& plot) {
        // A few bars on a tall chart stay as thick as a line of text.
        if (!bars.isEmpty())
            series->setBarWidth(std::min(0.6, MaxBarThickness * bars.size() / std::max(1.0, plot.height())));
        for (qsizetype i = 0; i < labels.size(); ++i) {
            const QPointF end = chart.mapToPosition(QPointF(bars[i].Value, static_cast<double>(i)), series);
            const QRectF box = labels[i]->boundingRect();
            const double x = bars[i].Value < 0 ? end.x() - box.width() - 4 : end.x() + 4;
            labels[i]->setPos(x, end.y() - box.height() / 2);
        }
    });
}

// Paints the chart into the rectangle through a scene of its own.
void Paint(QChart& chart, QPainter& painter, const QRectF& target)
{
    QGraphicsScene scene;
    scene.addItem(&chart);
    chart.resize(target.size());
    scene.setSceneRect(QRectF(QPointF(0, 0), target.size()));
    scene.render(&painter, target, scene.sceneRect());
    scene.removeItem(&chart);
}

} // namespace

QVector<int> ReportChart::NumericColumns(const ReportDocument& document)
{
    QVector<int> numeric;
    const QVector<int> columns = document.VisibleColumns();
    for (qsizetype i = 1; i < columns.size(); ++i) {
        bool number = false;
        for (int r = 0; r < document.Rows().size() && !number; ++r)
            number = document.At(r, columns[i]).IsNumber;
        if (number)
            numeric.append(columns[i]);
    }
    return numeric;
}

int ReportChart::Position(const ReportDocument& document, int column)
{
    return static_cast<int>(document.VisibleColumns().indexOf(column)) + 1;
}

int ReportChart::ColumnAt(const ReportDocument& document, int position)
{
    const QVector<int> columns = document.VisibleColumns();
    return position >= 1 && position <= columns.size() ? columns[position - 1] : -1;
}

QString ReportChart::Heading(const ReportDocument& document, int column)
{
    const QString heading = document.HeadingText(column).trimmed();
    const QString group = document.GroupText(column).trimmed();
    return group.isEmpty() ? heading : group + QStringLiteral(" · ") + heading;
}

QVector<ReportChart::Section> ReportChart::Sections(const ReportDocument& document)
{
    const int rows = static_cast<int>(document.Rows().size());
    QVector<Section> sections;
    int totals = 0;
    bool indented = false;
    for (int r = 0; r < rows; ++r) {
        const QString raw = RawLabel(document, r);
        totals += IsTotal(raw.trimmed()) ? 1 : 0;
        indented = indented || (!IsTotal(raw.trimmed()) && !raw.isEmpty() && raw.front().isSpace());
    }
    const auto name = [](const Section& s, const ReportDocument& d) {
        return Label(d, s.Rows.first()) + QStringLiteral(" 至 ") + Label(d, s.Rows.last());
    };
    if (totals >= 2) {
        // Each 合计 opens a list of its own kind (1-1: registration types, room sizes, stars).
        for (int r = 0; r < rows; ++r) {
            if (IsTotal(Label(document, r)))
                sections.append(Section{});
            else if (!sections.isEmpty())
                sections.last().Rows.append(r);
        }
        sections.removeIf([](const Section& s) { return s.Rows.isEmpty(); });
        for (Section& s : sections)
            s.Name = name(s, document);
        return sections;
    }
    if (!indented)
        return sections;
    // Categories and, indented under each, its kinds (2-1-1).
    Section top{QStringLiteral("按类别"), {}};
    for (int r = 0; r < rows; ++r) {
        const QString raw = RawLabel(document, r);
        if (IsTotal(raw.trimmed()) || raw.trimmed().isEmpty())
            continue;
        if (!raw.front().isSpace()) {
            top.Rows.append(r);
            sections.append(Section{raw.trimmed(), {}});
        } else if (sections.size() > 0) {
            sections.last().Rows.append(r);
        }
    }
    sections.removeIf([](const Section& s) { return s.Rows.isEmpty(); });
    sections.prepend(top);
    return sections;
}

QVector<ReportChart::Bar> ReportChart::Bars(const ReportDocument& document, int column, int section)
{
    QVector<int> rows;
    const QVector<Section> sections = section >= 0 ? Sections(document) : QVector<Section>();
    if (section >= 0 && section < sections.size()) {
        rows = sections[section].Rows;
    } else {
        for (int r = 0; r < document.Rows().size(); ++r)
            rows.append(r);
    }
    const double scale = std::pow(10.0, document.Decimals(column));
    QVector<Bar> bars;
    for (int r : rows) {
        const QString label = Label(document, r);
        const ReportDocument::Cell cell = document.At(r, column);
        if (IsTotal(label) || !cell.IsNumber)
            continue;
        bars.append({label, std::round(cell.Value * scale) / scale});
    }
    std::stable_sort(bars.begin(), bars.end(), [](const Bar& a, const Bar& b) { return a.Value < b.Value; });
    return bars;
}

QVector<ReportChart::Bar> ReportChart::Bars(const ReportDocument& document, const Choice& choice)
{
    QVector<Bar> bars = Bars(document, choice.Column, choice.Section);
    if (choice.Top > 0 && bars.size() > choice.Top)
        bars.remove(0, bars.size() - choice.Top);
    return bars;
}

int ReportChart::HeightFor(int bars)
{
    return std::max(PngSize.height(), FrameHeight + bars * BarPitch);
}

std::unique_ptr<QChart> ReportChart::Create(const ReportDocument& document, int column)
{
    return Create(document, column, Bars(document, column));
}

std::unique_ptr<QChart> ReportChart::Create(const ReportDocument& document, int column, const QVector<Bar>& bars,
                                            const QString& note)
{
    auto chart = std::make_unique<QChart>();
    QString subtitle = document.Title().trimmed() + QStringLiteral("  ") + document.RunLine();
    if (!note.isEmpty())
        subtitle += QStringLiteral("  ") + note;
    chart->setTitle(QStringLiteral("<b>%1</b><br/>%2")
                        .arg(Heading(document, column).toHtmlEscaped(), subtitle.toHtmlEscaped()));
    chart->setTitleFont(ChartFont(11));
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);

    auto* set = new QBarSet(Heading(document, column));
    for (const Bar& bar : bars)
        set->append(bar.Value);
    auto* series = new QHorizontalBarSeries;
    series->append(set);
    chart->addSeries(series);

    auto* categories = new QBarCategoryAxis;
    categories->append(UniqueLabels(bars));
    categories->setLabelsFont(ChartFont(9));
    // Each bar has the height of a line of text: names stand whole, never as "…".
    categories->setTruncateLabels(false);
    chart->addAxis(categories, Qt::AlignLeft);
    series->attachAxis(categories);
    auto* values = new QValueAxis;
    values->setLabelsFont(ChartFont(8));
    double low = 0, high = 0;
    for (const Bar& bar : bars) {
        low = std::min(low, bar.Value);
        high = std::max(high, bar.Value);
    }
    // Room for the value labels beyond the longest bar.
    values->setRange(low < 0 ? low * 1.15 : 0, high > 0 ? high * 1.15 : 1);
    values->applyNiceNumbers();
    values->setLabelFormat(QStringLiteral("%.12g"));
    chart->addAxis(values, Qt::AlignBottom);
    series->attachAxis(values);
    AddValueLabels(*chart, series, bars, document.Decimals(column));
    return chart;
}

bool ReportChart::SavePng(const ReportDocument& document, int column, const QString& path)
{
    return SavePng(document, Choice{column, -1, 0}, path);
}

bool ReportChart::SavePng(const ReportDocument& document, const Choice& choice, const QString& path)
{
    const QVector<Bar> bars = Bars(document, choice);
    const QSize size(PngSize.width(), HeightFor(static_cast<int>(bars.size())));
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        const auto chart = Create(document, choice.Column, bars);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        Paint(*chart, painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return OutputFile::Write(path, [&](QIODevice& file) { return image.save(&file, "PNG"); });
}

bool ReportChart::SavePdf(const ReportDocument& document, const QVector<int>& columns, const QString& path)
{
    QVector<Choice> choices;
    for (int column : columns)
        choices.append({column, -1, 0});
    return SavePdf(document, choices, path);
}

bool ReportChart::SavePdf(const ReportDocument& document, const QVector<Choice>& choices, const QString& path)
{
    if (choices.isEmpty())
        return false;
    return OutputFile::Write(path, [&](QIODevice& file) {
        QPdfWriter writer(&file);
        writer.setTitle(document.Title().trimmed());
        writer.setCreator(QStringLiteral("Orvane"));
        writer.setResolution(300);
        QPainter painter;
        bool first = true;
        for (const Choice& choice : choices) {
            const QVector<Bar> bars = Bars(document, choice);
            const QString section = choice.Section >= 0 ? Sections(document).value(choice.Section).Name : QString();
            const bool landscape = bars.size() <= LandscapeBars;
            const int perPage = landscape ? LandscapeBars : PortraitBars;
            const int pages = std::max(1, static_cast<int>((bars.size() + perPage - 1) / perPage));
            writer.setPageLayout(ChartPage(landscape ? QPageLayout::Landscape : QPageLayout::Portrait));
            for (int page = 0; page < pages; ++page) {
                if (first) {
                    if (!painter.begin(&writer))
                        return false;
                    first = false;
                } else {
                    writer.newPage();
                }
                // The largest bars on the first page; each page keeps the order, smallest below.
                const qsizetype end = bars.size() - static_cast<qsizetype>(page) * perPage;
                const qsizetype begin = std::max<qsizetype>(0, end - perPage);
                QString note = section;
                if (pages > 1)
                    note += QStringLiteral("（第 %1 页 共 %2 页）").arg(page + 1).arg(pages);
                const auto chart = Create(document, choice.Column, bars.mid(begin, end - begin), note);
                // Drawn at screen width and scaled to the page, so fonts and bars keep their proportions.
                const double scale = writer.width() / double(PngSize.width());
                painter.save();
                painter.scale(scale, scale);
                Paint(*chart, painter, QRectF(0, 0, PngSize.width(), writer.height() / scale));
                painter.restore();
            }
        }
        return painter.end();
    });
}
