#pragma once

#include "AreaSum.h"
#include "RegionSelection.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

// A run's records summed by their exact region code before they reach the selected regions.
// The records of a country share a few thousand codes: each code is matched against the
// regions once, and each record is summed once rather than once for every region that holds
// it and again for the total.
template <typename T> class RegionBuckets
{
public:
    explicit RegionBuckets(RegionSelection& regions) : regions_(regions) {}

    // The sum of the records of this region code, or nullptr where no selected region holds
    // the code (NULL included, which LIKE matches with nothing).
    T* Find(const QVariant& regionalismcode)
    {
        if (regionalismcode.isNull())
            return nullptr;
        const QString code = regionalismcode.toString();
        auto it = index_.constFind(code);
        if (it == index_.cend()) {
            Bucket bucket;
            bucket.regions = regions_.Matching(regionalismcode);
            if (!bucket.regions.empty())
                bucket.sum = std::make_unique<T>();
            it = index_.insert(code, buckets_.size());
            buckets_.push_back(std::move(bucket));
        }
        return buckets_[*it].sum.get();
    }

    // Adds each code's sum to the run's total and to every region that holds the code, codes
    // in the order they were first met, so that a run's sums come out the same every time.
    template <typename Add> void AddTo(RunResult<T>& run, Add add) const
    {
        for (const Bucket& bucket : buckets_) {
            if (!bucket.sum)
                continue;
            add(*run.Total, *bucket.sum);
            for (const int position : bucket.regions)
                add(*run.Items[position], *bucket.sum);
        }
    }

private:
    struct Bucket
    {
        std::vector<int> regions;
        std::unique_ptr<T> sum;
    };

    RegionSelection& regions_;
    QHash<QString, std::size_t> index_;
    std::vector<Bucket> buckets_;
};
