#pragma once

#include "ReportRun.h"
#include "ResultTables.h"

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

    void Add(std::shared_ptr<T> item)
    {
        items_.append(std::move(item));
        runTotal_.reset();
    }
    int Count() const { return static_cast<int>(items_.size()); }
    // A position outside 1..Count() throws std::out_of_range.
    void Delete(int index)
    {
        CheckPosition(index);
        items_.removeAt(index - 1);
        runTotal_.reset();
    }
    std::shared_ptr<T> Item(int index) const
    {
        CheckPosition(index);
        return items_.at(index - 1);
    }
    void Clear()
    {
        items_.clear();
        runTotal_.reset();
    }

    // Appends the items of a run and keeps its total, which counts each enterprise once
    // where the items overlap (a province beside its own prefecture). A later Add or Delete
    // drops it again, and the total is then the sum of the items.
    template <typename Run> void AddRun(const Run& run)
    {
        for (const auto& item : run.Items)
            Add(item);
        runTotal_ = run.Total;
    }

protected:
    const QList<std::shared_ptr<T>>& Items() const { return items_; }

    // A fresh aggregate on every call: a copy of the run's own total, or the items summed by add.
    std::unique_ptr<T> SumOfItems(void (*add)(T& dest, const T& source)) const
    {
        if (runTotal_)
            return std::make_unique<T>(*runTotal_);
        auto total = std::make_unique<T>();
        for (const auto& item : items_)
            add(*total, *item);
        return total;
    }

    // Writes the report over the previous one in one transaction: the run's record, what head
    // writes from the total (the lines it alone prints), the total's own lines, then each item's.
    template <typename Head> void SaveReport(T& total, Head head) const
    {
        ResultTables::Replace([&] {
            Run.Write();
            head(total);
            total.Save();
            for (const auto& item : items_)
                item->Save();
        });
    }

private:
    void CheckPosition(int index) const
    {
        if (index < 1 || index > items_.size())
            throw std::out_of_range("no report item at position " + std::to_string(index));
    }

    QList<std::shared_ptr<T>> items_;
    std::shared_ptr<T> runTotal_;
};
