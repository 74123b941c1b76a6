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

MemoFile::MemoFile(const QString& path) : file_(path)
{
    dbase3_ = path.endsWith(QLatin1String(".dbt"), Qt::CaseInsensitive);
    if (file_.Size() < 512)
        throw ImportError::InRecord(Name(), 0, QString(), QStringLiteral("备注文件比文件头还短"));
    if (!dbase3_) {
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
    if (head.empty())
        return std::nullopt;
    const std::uint32_t length = BigEndian(reinterpret_cast<const unsigned char*>(head.data()) + 4, 4);
    const std::string_view data = file_.Bytes(offset + 8, length);
    if (data.size() != length)
        return std::nullopt;
    return data;
}
