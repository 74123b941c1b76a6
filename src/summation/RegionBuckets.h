#pragma once

#include "AreaSum.h"
#include "RegionSelection.h"
#include "SqlValue.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
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
    T* Find(const SqlValue& regionalismcode)
    {
        if (regionalismcode.isNull())
            return nullptr;
        // Codes are looked up by the engine's own bytes: no string is made for a code met before.
        std::string number;
        std::string_view key;
        if (regionalismcode.type() == SqlValue::Type::Text) {
            key = std::string_view(regionalismcode.bytes().data(), regionalismcode.bytes().size());
        } else {
            number = regionalismcode.toString().toStdString();
            key = number;
        }
        auto it = index_.find(key);
        if (it == index_.end()) {
            Bucket bucket;
            bucket.regions = regions_.Matching(regionalismcode);
            if (!bucket.regions.empty())
                bucket.sum = std::make_unique<T>();
            it = index_.emplace(std::string(key), buckets_.size()).first;
            buckets_.push_back(std::move(bucket));
        }
        return buckets_[it->second].sum.get();
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
    struct KeyHash
    {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const { return std::hash<std::string_view>{}(key); }
    };

    RegionSelection& regions_;
    std::unordered_map<std::string, std::size_t, KeyHash, std::equal_to<>> index_;
    std::vector<Bucket> buckets_;
};
