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
// row in stored order, and "第 N 页 共 M 页" at the foot. Wide tables print landscape.
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

    // The report as a PDF file; false when the file cannot be written.
    bool RenderPdf(const QString& path) const;

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
        QFont TitleFont, HeadFont, BodyFont, FootFont;
        double Left = 0; // the table is centred when narrower than the page
        QVector<int> Columns;
        QVector<double> X; // left edge of each visible column, then the right edge
        double TitleHeight = 0;
        double HeaderHeight = 0;
        double HeaderSplit = 0; // height of the group row, 0 without groups
        QVector<Cell> Header;
        QVector<double> RowHeights;
        double FootHeight = 0;
        QVector<int> PageStarts; // first row of each page
    };

    Geometry Measure(QPaintDevice& device) const;
    void LayOutColumns(Geometry& g, QPaintDevice& device) const;
    void LayOutHeader(Geometry& g, QPaintDevice& device) const;
    void LayOutRows(Geometry& g, QPaintDevice& device) const;
    void PaintPage(QPainter& painter, const Geometry& g, int page) const;
    Qt::Alignment CellAlignment(int row, int column) const;

    const ReportDocument& document_;
};
