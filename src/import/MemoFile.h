#pragma once

#include "MappedFile.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>

// The memo file beside a table (.fpt, .dct for a container; .dbt of the oldest tables): the
// header gives the block size, a memo field the number of its first block.
class MemoFile
{
public:
    // dBase4: a .dbt of a dBase IV table, whose memos carry a header with their length.
    explicit MemoFile(const QString& path, bool dBase4 = false);

    // A memo is decoded into memory whole; a longer one is refused rather than let a damaged
    // or hostile file take the machine's memory.
    static constexpr std::size_t Limit = std::size_t{64} << 20;

    QString Name() const { return file_.Name(); }
    std::uint32_t BlockSize() const { return blockSize_; }

    // The bytes of the memo starting at block; nullopt when the block lies outside the file
    // or its length runs past the end.
    std::optional<std::string_view> Block(std::uint32_t block) const;

private:
    MappedFile file_;
    std::uint32_t blockSize_ = 512;
    bool dbase3_ = false; // .dbt: 512-byte blocks, text up to the 0x1A mark
    bool dbase4_ = false; // .dbt of dBase IV: block size in the header, length in each memo
};
