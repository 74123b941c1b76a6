#pragma once

#include <QLayout>
#include <QList>

// Lays its widgets out in as many equal columns as the width allows, up to a most, row by
// row in the order added: three groups side by side on a wide window, two or one on a
// narrow one, so that a window never needs to scroll sideways.
class ReflowLayout : public QLayout
{
public:
    explicit ReflowLayout(int maxColumns, QWidget* parent = nullptr);
    ~ReflowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    QSize sizeHint() const override;
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override { return Qt::Horizontal; }
    void setGeometry(const QRect& rect) override;

    // The height taken at a width; not offered as a height for width (see setGeometry).
    int HeightAt(int width) const;
    // The columns used at a width (the layout's own margins included).
    int ColumnsFor(int width) const;

private:
    int ItemWidth() const; // the widest least width of the items
    int Arrange(const QRect& rect, bool apply) const; // returns the height taken

    QList<QLayoutItem*> items_;
    int maxColumns_;
};
