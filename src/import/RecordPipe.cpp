#include "RecordPipe.h"

RecordPipe::RecordPipe(XbaseTable& table) : table_(table), width_(table.DataFields().size())
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
        free_.push_back(batch);
    }
    changed_.notify_all();
}

void RecordPipe::Work()
{
    try {
        const std::uint32_t count = table_.RecordCount();
        for (std::uint32_t first = 0; first < count; first += Size) {
            Batch* batch = nullptr;
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [this] { return !free_.empty() || stop_; });
                if (stop_)
                    break;
                batch = free_.front();
                free_.pop_front();
            }
            batch->First = first;
            batch->Count = std::min(Size, count - first);
            batch->Deleted.assign(batch->Count, 0);
            batch->Values.resize(std::size_t{batch->Count} * width_);
            for (std::uint32_t i = 0; i < batch->Count; ++i) {
                if (table_.IsDeleted(first + i))
                    batch->Deleted[i] = 1;
                else
                    table_.Read(first + i, batch->Values.data() + std::size_t{i} * width_);
            }
            table_.Release(first + batch->Count);
            {
                std::lock_guard lock(mutex_);
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
