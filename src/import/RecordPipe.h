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
// of the reader reaches the caller after the batches read before it. What the pipe holds is
// bounded in bytes, not in records: a batch ends early when its text grows large (records
// sharing one long memo), and the reader waits while the caller still holds much.
class RecordPipe
{
public:
    struct Batch
    {
        std::uint32_t First = 0; // record number of the first one, from 0
        std::uint32_t Count = 0;
        std::size_t Bytes = 0; // text held by its values
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
    void Fill(Batch& batch, std::uint32_t first, std::uint32_t count);

    static constexpr std::uint32_t Size = 4096;             // records at most
    static constexpr std::size_t ValueBudget = 1 << 18;     // values of a batch at most
    static constexpr std::size_t ByteBudget = 8 << 20;      // a batch ends once its text passes this
    static constexpr std::size_t InFlightBudget = 16 << 20; // the reader waits while batches hold more
    XbaseTable& table_;
    std::size_t width_;
    std::uint32_t rows_; // records of a full batch
    std::size_t inFlight_ = 0;
    Batch batches_[3];
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Batch*> free_, full_;
    bool finished_ = false;
    bool stop_ = false;
    std::exception_ptr error_;
    std::thread thread_;
};
