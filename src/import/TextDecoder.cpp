#include "TextDecoder.h"

#include "ImportError.h"

#include <cerrno>
#include <iconv.h>

namespace {

const iconv_t Invalid = reinterpret_cast<iconv_t>(-1);

} // namespace

namespace {

// The code-page byte of a table header: the Windows code page it names and the iconv name of
// that page. A page iconv lacks (Kamenicky, Mazovia, Greek Macintosh) has no name.
struct CodePageByte
{
    std::uint8_t Byte;
    int Page;
    const char* Charset;
};

// clang-format off
constexpr CodePageByte CodePages[] = {
    {0x01, 437, "CP437"},   {0x02, 850, "CP850"},   {0x03, 1252, "CP1252"}, {0x04, 10000, "MACINTOSH"},
    {0x08, 865, "CP865"},   {0x09, 437, "CP437"},   {0x0A, 850, "CP850"},   {0x0B, 437, "CP437"},
    {0x0D, 437, "CP437"},   {0x0E, 850, "CP850"},   {0x0F, 437, "CP437"},   {0x10, 850, "CP850"},
    {0x11, 437, "CP437"},   {0x12, 850, "CP850"},   {0x13, 932, "CP932"},   {0x14, 850, "CP850"},
    {0x15, 437, "CP437"},   {0x16, 850, "CP850"},   {0x17, 865, "CP865"},   {0x18, 437, "CP437"},
    {0x19, 437, "CP437"},   {0x1A, 850, "CP850"},   {0x1B, 437, "CP437"},   {0x1C, 863, "CP863"},
    {0x1D, 850, "CP850"},   {0x1F, 852, "CP852"},   {0x22, 852, "CP852"},   {0x23, 852, "CP852"},
    {0x24, 860, "CP860"},   {0x25, 850, "CP850"},   {0x26, 866, "CP866"},   {0x37, 850, "CP850"},
    {0x40, 852, "CP852"},   {0x4D, 936, "GBK"},     {0x4E, 949, "CP949"},   {0x4F, 950, "CP950"},
    {0x50, 874, "CP874"},   {0x58, 1252, "CP1252"}, {0x59, 1252, "CP1252"}, {0x64, 852, "CP852"},
    {0x65, 866, "CP866"},   {0x66, 865, "CP865"},   {0x67, 861, "CP861"},   {0x68, 895, nullptr},
    {0x69, 620, nullptr},   {0x6A, 737, "CP737"},   {0x6B, 857, "CP857"},   {0x6C, 863, "CP863"},
    {0x78, 950, "CP950"},   {0x79, 949, "CP949"},   {0x7A, 936, "GBK"},     {0x7B, 932, "CP932"},
    {0x7C, 874, "CP874"},   {0x7D, 1255, "CP1255"}, {0x7E, 1256, "CP1256"}, {0x86, 737, "CP737"},
    {0x87, 852, "CP852"},   {0x88, 857, "CP857"},   {0x96, 10007, "MAC-CYRILLIC"},
    {0x97, 10029, "MAC-CENTRALEUROPE"},             {0x98, 10006, nullptr},
    {0xC8, 1250, "CP1250"}, {0xC9, 1251, "CP1251"}, {0xCA, 1254, "CP1254"}, {0xCB, 1253, "CP1253"},
    {0xCC, 1257, "CP1257"},
};
// clang-format on

} // namespace

QString TextDecoder::CharsetOf(std::uint8_t codePage, const QString& fallback)
{
    if (codePage == 0x00 || codePage == 0x57) // none named, or the writer's own ANSI page
        return fallback;
    for (const CodePageByte& entry : CodePages)
        if (entry.Byte == codePage)
            return entry.Charset ? QLatin1String(entry.Charset) : QString();
    return QString();
}

int TextDecoder::PageOf(std::uint8_t codePage)
{
    for (const CodePageByte& entry : CodePages)
        if (entry.Byte == codePage)
            return entry.Page;
    return 0;
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
