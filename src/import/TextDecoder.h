#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

// Turns the bytes of one table's text fields into UTF-8 through the C library's iconv. Bytes
// that are no text of the code page are refused, never replaced.
class TextDecoder
{
public:
    // The charset of a table's code-page byte; fallback for a table that names none (0x00).
    // Empty for a byte that names no code page, or one iconv cannot decode.
    static QString CharsetOf(std::uint8_t codePage, const QString& fallback);
    // The code page a byte names (936 for 0x7A), 0 for a byte the table of code pages lacks.
    static int PageOf(std::uint8_t codePage);
    // Whether iconv knows the charset at all.
    static bool Known(const QString& charset);

    explicit TextDecoder(const QString& charset);
    ~TextDecoder();
    TextDecoder(const TextDecoder&) = delete;
    TextDecoder& operator=(const TextDecoder&) = delete;

    const QString& Charset() const { return charset_; }

    // Appends the text of bytes to out; false when they do not decode.
    bool Decode(std::string_view bytes, std::string& out);

private:
    QString charset_;
    void* handle_;
    std::string buffer_;
};
