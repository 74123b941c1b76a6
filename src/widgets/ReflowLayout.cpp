#include "ReflowLayout.h"

#include <QWidget>
#include <algorithm>

ReflowLayout::ReflowLayout(int maxColumns, QWidget* parent) : QLayout(parent), maxColumns_(std::max(1, maxColumns))
{
    setContentsMargins(0, 0, 0, 0);
}

ReflowLayout::~ReflowLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void ReflowLayout::addItem(QLayoutItem* item)
{
    items_.append(item);
}

int ReflowLayout::count() const
{
    return static_cast<int>(items_.size());
}

QLayoutItem* ReflowLayout::itemAt(int index) const
{
    return index >= 0 && index < items_.size() ? items_[index] : nullptr;
}

QLayoutItem* ReflowLayout::takeAt(int index)
{
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

int ReflowLayout::ItemWidth() const
{
    int widest = 0;
    for (const QLayoutItem* item : items_)
        widest = std::max(widest, item->minimumSize().width());
    return widest;
}

int ReflowLayout::ColumnsFor(int width) const
{
    const QMargins m = contentsMargins();
    const int inner = width - m.left() - m.right();
    const int gap = std::max(0, spacing());
    const int fit = (inner + gap) / std::max(1, ItemWidth() + gap);
    return std::clamp(fit, 1, std::min(maxColumns_, std::max(1, count())));
}

int ReflowLayout::Arrange(const QRect& rect, bool apply) const
{
    const QMargins m = contentsMargins();
    const QRect inner = rect.marginsRemoved(m);
    const int gap = std::max(0, spacing());
    const int columns = ColumnsFor(rect.width());
    const int width = std::max(0, (inner.width() - (columns - 1) * gap) / columns);
    int y = inner.top();
    for (int first = 0; first < count(); first += columns) {
        int height = 0;
        for (int k = first; k < std::min(count(), first + columns); ++k)
            height = std::max(height, items_[k]->sizeHint().height());
        if (apply)
            for (int k = first; k < std::min(count(), first + columns); ++k)
                items_[k]->setGeometry(QRect(inner.left() + (k - first) * (width + gap), y, width, height));
        y += height + gap;
    }
    return y - (count() > 0 ? gap : 0) - inner.top() + m.top() + m.bottom();
}

int ReflowLayout::HeightAt(int width) const
{
    return Arrange(QRect(0, 0, width, 0), false);
}

QSize ReflowLayout::sizeHint() const
{
    const QMargins m = contentsMargins();
    const int columns = std::min(maxColumns_, std::max(1, count()));
    const int width = columns * ItemWidth() + (columns - 1) * std::max(0, spacing()) + m.left() + m.right();
    return {width, HeightAt(width)};
}

QSize ReflowLayout::minimumSize() const
{
    const QMargins m = contentsMargins();
    // One column; the height of the arrangement in use is set on the widget by setGeometry.
    return {ItemWidth() + m.left() + m.right(), HeightAt(sizeHint().width())};
}

void ReflowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const int needed = Arrange(rect, true);
    // Fewer columns need more rows: the widget asks its parent for that height as its least,
    // which a scroll area above honours, where a height for a width would not reach it.
    // A group box's title lies outside the layout's rectangle.
    if (QWidget* holder = parentWidget()) {
        const int least = needed + holder->height() - rect.height();
        if (holder->minimumHeight() != least)
            holder->setMinimumHeight(least);
    }
}
