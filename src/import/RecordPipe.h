#pragma once

#include "XbaseTable.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

// Reads the records of a table on a second thread, a batch at a time and in order, while the
// caller writes the batches before: decoding and writing then share the two cores. A failure
// of the reader reaches the caller after the batches read before it.
class RecordPipe
{
public:
    struct Batch
    {
        std::uint32_t First = 0; // record number of the first one, from 0
        std::uint32_t Count = 0;
        std::vector<std::uint8_t> Deleted;
        std::vector<XbaseValue> Values; // Count rows of Width values
    };

    explicit RecordPipe(XbaseTable& table);
    ~RecordPipe();
    RecordPipe(const RecordPipe&) = delete;
    RecordPipe& operator=(const RecordPipe&) = delete;

    std::size_t Width() const { return width_; }
    // The next batch, nullptr after the last; rethrows what stopped the reader.
    Batch* Next();
    // Hands a batch back for reuse.
    void Release(Batch* batch);

private:
    void Work();

    static constexpr std::uint32_t Size = 4096;
    XbaseTable& table_;
    std::size_t width_;
    Batch batches_[3];
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Batch*> free_, full_;
    bool finished_ = false;
    bool stop_ = false;
    std::exception_ptr error_;
    std::thread thread_;
};
