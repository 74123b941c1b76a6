#include "ReportChart.h"

#include "OutputFile.h"
#include "ReportDocument.h"
#include "ReportRenderer.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QGraphicsScene>
#include <QHorizontalBarSeries>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QValueAxis>
#include <algorithm>

namespace {

QString Label(const ReportDocument& document, int row)
{
    const QVector<int> columns = document.VisibleColumns();
    return columns.isEmpty() ? QString() : document.CellText(row, columns.first()).trimmed();
}

QFont ChartFont(double points, bool bold = false)
{
    QFont font(ReportRenderer::FontFamily());
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
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
            number = ReportDocument::IsNumber(document.CellText(r, columns[i]));
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

QVector<ReportChart::Bar> ReportChart::Bars(const ReportDocument& document, int column)
{
    QVector<Bar> bars;
    for (int r = 0; r < document.Rows().size(); ++r) {
        const QString label = Label(document, r);
        const QString value = document.CellText(r, column);
        if (label == QStringLiteral("合计") || !ReportDocument::IsNumber(value))
            continue;
        bars.append({label, value.toDouble()});
    }
    std::stable_sort(bars.begin(), bars.end(), [](const Bar& a, const Bar& b) { return a.Value < b.Value; });
    return bars;
}

std::unique_ptr<QChart> ReportChart::Create(const ReportDocument& document, int column)
{
    auto chart = std::make_unique<QChart>();
    chart->setTitle(QStringLiteral("<b>%1</b><br/>%2")
                        .arg(Heading(document, column).toHtmlEscaped(),
                             (document.Title().trimmed() + QStringLiteral("  ") + document.RunLine()).toHtmlEscaped()));
    chart->setTitleFont(ChartFont(11));
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);

    const QVector<Bar> bars = Bars(document, column);
    auto* set = new QBarSet(Heading(document, column));
    QStringList labels;
    for (const Bar& bar : bars) {
        set->append(bar.Value);
        labels << bar.Label;
    }
    set->setLabelColor(Qt::black);
    set->setLabelFont(ChartFont(8));
    auto* series = new QHorizontalBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart->addSeries(series);

    auto* categories = new QBarCategoryAxis;
    categories->append(labels);
    categories->setLabelsFont(ChartFont(9));
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
    return chart;
}

bool ReportChart::SavePng(const ReportDocument& document, int column, const QString& path)
{
    QImage image(PngSize, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        const auto chart = Create(document, column);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        Paint(*chart, painter, QRectF(QPointF(0, 0), QSizeF(PngSize)));
    }
    return OutputFile::Write(path, [&](QIODevice& file) { return image.save(&file, "PNG"); });
}

bool ReportChart::SavePdf(const ReportDocument& document, const QVector<int>& columns, const QString& path)
{
    if (columns.isEmpty())
        return false;
    return OutputFile::Write(path, [&](QIODevice& file) {
        QPdfWriter writer(&file);
        writer.setTitle(document.Title().trimmed());
        writer.setCreator(QStringLiteral("Orvane"));
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                                         QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        // Drawn at screen size and scaled to the page, so fonts and bars keep their proportions.
        const QRectF page(0, 0, writer.width(), writer.height());
        const double scale = page.width() / PngSize.width();
        for (qsizetype k = 0; k < columns.size(); ++k) {
            if (k > 0)
                writer.newPage();
            const auto chart = Create(document, columns[k]);
            painter.save();
            painter.scale(scale, scale);
            Paint(*chart, painter, QRectF(0, 0, PngSize.width(), page.height() / scale));
            painter.restore();
        }
        return painter.end();
    });
}
