#pragma once

#include "ReportRun.h"

#include <QList>
#include <memory>
#include <stdexcept>
#include <string>

// The ordered list every report keeps of its regions (or enterprises): positions count from
// 1, the same object may be listed twice, and the items are shared, not copied.
template <typename T> class ReportCollection
{
public:
    // What the run computed; the caller sets it before Save, which writes it with the rows.
    ReportRun Run;

    void Add(std::shared_ptr<T> item) { items_.append(std::move(item)); }
    int Count() const { return static_cast<int>(items_.size()); }
    // A position outside 1..Count() throws std::out_of_range.
    void Delete(int index)
    {
        CheckPosition(index);
        items_.removeAt(index - 1);
    }
    std::shared_ptr<T> Item(int index) const
    {
        CheckPosition(index);
        return items_.at(index - 1);
    }
    void Clear() { items_.clear(); }

protected:
    const QList<std::shared_ptr<T>>& Items() const { return items_; }

private:
    void CheckPosition(int index) const
    {
        if (index < 1 || index > items_.size())
            throw std::out_of_range("no report item at position " + std::to_string(index));
    }

    QList<std::shared_ptr<T>> items_;
};
