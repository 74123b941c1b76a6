#include "TextDecoder.h"

#include "ImportError.h"

#include <cerrno>
#include <iconv.h>

namespace {

const iconv_t Invalid = reinterpret_cast<iconv_t>(-1);

} // namespace

QString TextDecoder::CharsetOf(std::uint8_t codePage, const QString& fallback)
{
    switch (codePage) {
    case 0x00:
        return fallback;
    case 0x4D:
    case 0x7A:
        return QStringLiteral("GBK");
    case 0x78:
        return QStringLiteral("BIG5");
    case 0x03:
        return QStringLiteral("CP1252");
    case 0x01:
        return QStringLiteral("CP437");
    default:
        return QString();
    }
}

bool TextDecoder::Known(const QString& charset)
{
    const iconv_t handle = iconv_open("UTF-8", charset.toLatin1().constData());
    if (handle == Invalid)
        return false;
    iconv_close(handle);
    return true;
}

TextDecoder::TextDecoder(const QString& charset) : charset_(charset)
{
    const iconv_t handle = iconv_open("UTF-8", charset.toLatin1().constData());
    if (handle == Invalid)
        throw ImportError(ImportError::Kind::BadInput, QStringLiteral("不支持的字符集 ") + charset);
    handle_ = handle;
}

TextDecoder::~TextDecoder()
{
    iconv_close(static_cast<iconv_t>(handle_));
}

bool TextDecoder::Decode(std::string_view bytes, std::string& out)
{
    bool ascii = true;
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80 || c == '\0') {
            ascii = false;
            break;
        }
    if (ascii) { // codes, dates and most numbers: no conversion needed
        out.append(bytes);
        return true;
    }
    // A NUL inside text is no character of any of these code pages.
    if (bytes.find('\0') != std::string_view::npos)
        return false;
    const iconv_t handle = static_cast<iconv_t>(handle_);
    iconv(handle, nullptr, nullptr, nullptr, nullptr);
    buffer_.resize(bytes.size() * 4 + 8);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* to = buffer_.data();
    std::size_t toLeft = buffer_.size();
    if (iconv(handle, &in, &inLeft, &to, &toLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
        return false;
    // A sequence cut off at the end of the field counts as undecodable too.
    if (iconv(handle, nullptr, nullptr, &to, &toLeft) == static_cast<std::size_t>(-1))
        return false;
    out.append(buffer_.data(), buffer_.size() - toLeft);
    return true;
}
