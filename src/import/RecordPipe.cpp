#include "RecordPipe.h"

#include <algorithm>

namespace {

constexpr std::size_t SmallString = sizeof(std::string); // held inside the string itself
constexpr std::size_t KeptCapacity = 64 << 10;           // more is given back before reuse

// The heap a value's text takes; what it keeps from an earlier, longer text counts too.
std::size_t HeapOf(const XbaseValue& value)
{
    return value.text.capacity() > SmallString ? value.text.capacity() : 0;
}

} // namespace

RecordPipe::RecordPipe(XbaseTable& table)
    : table_(table), width_(table.DataFields().size()),
      rows_(static_cast<std::uint32_t>(
          std::clamp<std::size_t>(ValueBudget / std::max<std::size_t>(width_, 1), 1, Size)))
{
    for (Batch& b : batches_)
        free_.push_back(&b);
    thread_ = std::thread([this] { Work(); });
}

RecordPipe::~RecordPipe()
{
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

RecordPipe::Batch* RecordPipe::Next()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !full_.empty() || finished_; });
    if (!full_.empty()) {
        Batch* batch = full_.front();
        full_.pop_front();
        return batch;
    }
    if (error_)
        std::rethrow_exception(error_);
    return nullptr;
}

void RecordPipe::Release(Batch* batch)
{
    {
        std::lock_guard lock(mutex_);
        inFlight_ -= batch->Bytes;
        free_.push_back(batch);
    }
    changed_.notify_all();
}

void RecordPipe::Fill(Batch& batch, std::uint32_t first, std::uint32_t count)
{
    const std::uint32_t most = std::min(rows_, count - first);
    batch.First = first;
    batch.Deleted.assign(most, 0);
    batch.Values.resize(std::size_t{most} * width_);
    std::size_t bytes = 0;
    std::uint32_t n = 0;
    for (; n < most && bytes < ByteBudget; ++n) {
        XbaseValue* row = batch.Values.data() + std::size_t{n} * width_;
        for (std::size_t i = 0; i < width_; ++i)
            if (row[i].text.capacity() > KeptCapacity)
                std::string().swap(row[i].text);
        if (table_.IsDeleted(first + n)) {
            batch.Deleted[n] = 1;
            continue;
        }
        table_.Read(first + n, row);
        for (std::size_t i = 0; i < width_; ++i)
            bytes += HeapOf(row[i]);
    }
    batch.Count = n;
    batch.Bytes = bytes;
    batch.Deleted.resize(n);
    batch.Values.resize(std::size_t{n} * width_); // the texts of the records not read go
}

void RecordPipe::Work()
{
    try {
        const std::uint32_t count = table_.RecordCount();
        for (std::uint32_t first = 0; first < count;) {
            Batch* batch = nullptr;
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock,
                              [this] { return (!free_.empty() && inFlight_ < InFlightBudget) || stop_; });
                if (stop_)
                    break;
                batch = free_.front();
                free_.pop_front();
            }
            Fill(*batch, first, count);
            first += batch->Count;
            table_.Release(first);
            {
                std::lock_guard lock(mutex_);
                inFlight_ += batch->Bytes;
                full_.push_back(batch);
            }
            changed_.notify_all();
        }
    } catch (...) {
        std::lock_guard lock(mutex_);
        error_ = std::current_exception();
    }
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
    }
    changed_.notify_all();
}
