#pragma once

#include <QFont>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QVector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class ReportDocument;

// Paints a report as a ruled statistical table onto any paged device (the preview, a
// printer, a PDF file): the title and the header band on top of every page, one line per
// row in stored order, and "第 N 页 共 M 页" at the foot. Under the title a line says what the
// run computed, and the foot carries the run's time. Wide tables print landscape.
class ReportRenderer
{
public:
    explicit ReportRenderer(const ReportDocument& document);

    // More visible columns than this turn the page.
    static constexpr int PortraitColumns = 8;

    QPageLayout PageLayout() const;

    // Paints every page, first applying PageLayout() to the device unless the device's
    // own layout is to stay (a printer set up in the print dialog); false when the device
    // cannot be painted on.
    bool Render(QPagedPaintDevice& device, bool applyPageLayout = true) const;

    // The report as a PDF file; false when the file cannot be written (nothing is left then).
    bool RenderPdf(const QString& path) const;
    // Several reports in one PDF file, each starting on a new page in its own orientation.
    static bool RenderPdf(const QVector<const ReportDocument*>& documents, const QString& path);

    // The pages the report takes on that device once its page layout is applied.
    int PageCount(QPagedPaintDevice& device) const;

    // A font family that has Chinese glyphs.
    static QString FontFamily();

private:
    struct Cell
    {
        QRectF Rect; // relative to the band's top left
        QString Text;
        Qt::Alignment Align;
    };

    struct Geometry
    {
        double Mm = 1;
        double Width = 0;
        double Height = 0;
        QFont TitleFont, LineFont, HeadFont, BodyFont, FootFont;
        double Left = 0; // the table is centred when narrower than the page
        QVector<int> Columns;
        QVector<double> X; // left edge of each visible column, then the right edge
        double TitleHeight = 0; // the title and the run's line under it
        double HeaderHeight = 0;
        double HeaderSplit = 0; // height of the group row, 0 without groups
        QVector<Cell> Header;
        QVector<double> RowHeights;
        double FootHeight = 0;
        QVector<int> PageStarts; // first row of each page
    };

    // Columns g.Columns[First] to g.Columns[Last] under one group heading.
    struct Span
    {
        int First, Last;
    };
    class HeadingBoxes;

    // Paints every page with a painter already active on the device.
    void PaintPages(QPainter& painter, QPagedPaintDevice& device) const;
    Geometry Measure(QPaintDevice& device) const;
    void Paginate(Geometry& g) const;

    void LayOutColumns(Geometry& g, QPaintDevice& device) const;
    QVector<bool> TextColumns(const Geometry& g) const;
    QVector<double> ColumnWeights(const Geometry& g, const QVector<bool>& isText) const;
    // Sets the largest font steps at which the table fits; what each column then needs.
    QVector<double> FitFont(Geometry& g, QPaintDevice& device, const QVector<bool>& isText) const;
    QVector<double> LeastWidths(const Geometry& g, QPaintDevice& device, const QVector<bool>& isText,
                                int nameChars) const;

    void LayOutHeader(Geometry& g, QPaintDevice& device) const;
    QVector<Span> GroupSpans(const Geometry& g) const;
    void PlaceHeadings(Geometry& g, const HeadingBoxes& boxes, const QVector<Span>& groups,
                       double underHeight) const;
    void LayOutRows(Geometry& g, QPaintDevice& device) const;

    void PaintPage(QPainter& painter, const Geometry& g, int page) const;
    void PaintTitle(QPainter& painter, const Geometry& g) const;
    void PaintHeader(QPainter& painter, const Geometry& g, double top) const;
    // The rows of the page from top; where the last one ends.
    double PaintRows(QPainter& painter, const Geometry& g, int page, double top) const;
    void PaintFoot(QPainter& painter, const Geometry& g, int page) const;

    const ReportDocument& document_;
};
