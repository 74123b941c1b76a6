#include "MemoFile.h"

#include "ImportError.h"

namespace {

std::uint32_t BigEndian(const unsigned char* p, int bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | p[i];
    return value;
}

} // namespace

MemoFile::MemoFile(const QString& path, bool dBase4) : file_(path)
{
    const bool dbt = path.endsWith(QLatin1String(".dbt"), Qt::CaseInsensitive);
    dbase4_ = dbt && dBase4;
    dbase3_ = dbt && !dBase4;
    if (file_.Size() < 512)
        throw ImportError::InRecord(Name(), 0, QString(), QStringLiteral("备注文件比文件头还短"));
    if (dbase4_) {
        const unsigned char* d = file_.Data();
        blockSize_ = static_cast<std::uint32_t>(d[20] | d[21] << 8);
        if (blockSize_ == 0)
            blockSize_ = 512;
    } else if (!dbase3_) {
        blockSize_ = BigEndian(file_.Data() + 6, 2);
        if (blockSize_ == 0)
            throw ImportError::InRecord(Name(), 0, QString(), QStringLiteral("备注文件的块大小为 0"));
    }
}

std::optional<std::string_view> MemoFile::Block(std::uint32_t block) const
{
    const std::uint64_t offset = std::uint64_t{block} * blockSize_;
    // The header occupies the first 512 bytes; no memo starts inside it.
    if (offset < 512 || offset >= file_.Size())
        return std::nullopt;
    if (dbase3_) {
        const std::string_view rest = file_.Bytes(offset, file_.Size() - offset);
        const std::size_t end = rest.find('\x1A');
        return end == std::string_view::npos ? rest : rest.substr(0, end);
    }
    const std::string_view head = file_.Bytes(offset, 8);
    if (head.size() < 8)
        return std::nullopt;
    const auto* h = reinterpret_cast<const unsigned char*>(head.data());
    std::uint32_t length = BigEndian(h + 4, 4);
    if (dbase4_) {
        // FF FF 08 00, then the length of header and text together
        length = static_cast<std::uint32_t>(h[4] | h[5] << 8 | h[6] << 16) | std::uint32_t{h[7]} << 24;
        if (h[0] != 0xFF || h[1] != 0xFF || h[2] != 0x08 || h[3] != 0x00 || length < 8)
            return std::nullopt;
        length -= 8;
    }
    const std::string_view data = file_.Bytes(offset + 8, length);
    if (data.size() != length)
        return std::nullopt;
    return data;
}
