#include "XbaseTable.h"

#include "ImportError.h"
#include "MemoFile.h"
#include "TextDecoder.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>

namespace {

std::uint32_t Little(const unsigned char* p, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | p[i];
    return value;
}

std::int64_t Little64(const unsigned char* p)
{
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = value << 8 | p[i];
    return static_cast<std::int64_t>(value);
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\0';
}

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

// A file beside path with another suffix, in any letter case; empty when there is none.
QString Sibling(const QString& path, const QString& suffix)
{
    const QFileInfo info(path);
    const QString wanted = info.completeBaseName() + QLatin1Char('.') + suffix;
    const QDir dir = info.dir();
    for (const QString& name : dir.entryList(QDir::Files | QDir::System | QDir::Dirs | QDir::Hidden))
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    return QString();
}

bool Digits(std::string_view s)
{
    for (const char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

void Append(std::string& out, int value, int width)
{
    char buffer[12];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(width - (end - buffer) > 0 ? width - (end - buffer) : 0, '0');
    out.append(buffer, end);
}

// The civil date of a Julian day number.
bool JulianToIso(long long jd, std::string& out)
{
    long long l = jd + 68569;
    const long long n = 4 * l / 146097;
    l -= (146097 * n + 3) / 4;
    const long long i = 4000 * (l + 1) / 1461001;
    l = l - 1461 * i / 4 + 31;
    const long long j = 80 * l / 2447;
    const long long day = l - 2447 * j / 80;
    l = j / 11;
    const long long month = j + 2 - 12 * l;
    const long long year = 100 * (n - 49) + i + l;
    if (year < 1 || year > 9999)
        return false;
    out.clear();
    Append(out, static_cast<int>(year), 4);
    out += '-';
    Append(out, static_cast<int>(month), 2);
    out += '-';
    Append(out, static_cast<int>(day), 2);
    return true;
}

// " HH:MM:SS" of a second of the day.
void AppendTime(std::string& out, std::uint32_t seconds)
{
    out += ' ';
    Append(out, static_cast<int>(seconds / 3600), 2);
    out += ':';
    Append(out, static_cast<int>(seconds / 60 % 60), 2);
    out += ':';
    Append(out, static_cast<int>(seconds % 60), 2);
}

} // namespace

bool XbaseTable::ParseNumber(std::string_view s, double& value)
{
    s = Trimmed(s);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    if (s.empty())
        return false;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    return error == std::errc() && end == s.data() + s.size();
}

bool XbaseTable::IsDataType(char type)
{
    return std::strchr("CVNFIYBDTLM", type) != nullptr && type != '\0';
}

XbaseTable::XbaseTable(const QString& path, const QString& fallbackCharset) : file_(path)
{
    ReadHeader(fallbackCharset);
}

XbaseTable::~XbaseTable() = default;

void XbaseTable::Fail(std::uint32_t number, const XbaseField* field, const QString& what) const
{
    throw ImportError::InRecord(Name(), number, field ? field->Name : QString(), what);
}

void XbaseTable::ReadHeader(const QString& fallbackCharset)
{
    const unsigned char* d = file_.Data();
    const std::size_t size = file_.Size();
    if (size < 32)
        Fail(0, nullptr, QStringLiteral("文件比表头还短，不是完整的数据表"));
    version_ = d[0];
    const bool visual = version_ == 0x30 || version_ == 0x31 || version_ == 0x32;
    const bool dBase4 = version_ == 0x8B || version_ == 0x8E;
    if (!visual && !dBase4 && version_ != 0x03 && version_ != 0x83 && version_ != 0xF5)
        Fail(0, nullptr,
             QStringLiteral("不认识的表格式（版本字节 0x%1）").arg(version_, 2, 16, QLatin1Char('0')));
    recordCount_ = Little(d + 4, 4);
    headerLength_ = Little(d + 8, 2);
    recordLength_ = Little(d + 10, 2);
    codePage_ = d[29];
    if (headerLength_ < 33 || headerLength_ > size)
        Fail(0, nullptr, QStringLiteral("表头长度 %1 超出文件").arg(headerLength_));
    if (recordLength_ < 1)
        Fail(0, nullptr, QStringLiteral("记录长度为 0"));

    const std::uint32_t end = ReadFields(visual);
    if (visual) {
        if (end + 1 + 263 > headerLength_)
            Fail(0, nullptr, QStringLiteral("表头缺少指向数据库容器的 263 字节"));
        const char* link = reinterpret_cast<const char*>(d + end + 1);
        backlink_ = QString::fromLatin1(link, static_cast<qsizetype>(strnlen(link, 263))).trimmed();
    }
    const std::uint64_t needed = std::uint64_t{headerLength_} + std::uint64_t{recordCount_} * recordLength_;
    if (needed > size)
        Fail(0, nullptr,
             QStringLiteral("文件比表头所说的短：应有 %1 条记录，只容得下 %2 条")
                 .arg(recordCount_)
                 .arg((size - headerLength_) / recordLength_));
    ChooseDataFields(fallbackCharset, dBase4);
}

// The field descriptors up to their end mark; returns where the mark stands.
std::uint32_t XbaseTable::ReadFields(bool visual)
{
    const unsigned char* d = file_.Data();
    std::uint32_t at = 32;
    std::uint32_t offset = 1;
    int bits = 0;
    for (; at < headerLength_ && d[at] != 0x0D && at + 32 <= headerLength_; at += 32) {
        XbaseField field = Describe(d + at, visual);
        field.Offset = offset;
        if (field.Type == '0' || field.Name.compare(QLatin1String("_NullFlags"), Qt::CaseInsensitive) == 0) {
            if (nullFlags_ >= 0)
                Fail(0, &field, QStringLiteral("表中有两个 _NullFlags 字段"));
            nullFlags_ = static_cast<int>(fields_.size());
        } else {
            // A varchar's length bit comes before its null bit.
            if (field.Type == 'V' || field.Type == 'Q')
                field.VarBit = bits++;
            if (field.Flags & 0x02)
                field.NullBit = bits++;
        }
        offset += field.Length;
        fields_.push_back(field);
    }
    if (at >= headerLength_ || d[at] != 0x0D)
        Fail(0, nullptr, QStringLiteral("字段描述没有结束标记，表头已损坏"));
    if (offset != recordLength_)
        Fail(0, nullptr,
             QStringLiteral("记录长度 %1 与字段描述（合计 %2）不符").arg(recordLength_).arg(offset));
    if (bits > 0 && (nullFlags_ < 0 || bits > fields_[static_cast<std::size_t>(nullFlags_)].Length * 8))
        Fail(0, nullptr, QStringLiteral("_NullFlags 字段容不下 %1 个可为空的字段").arg(bits));
    return at;
}

XbaseField XbaseTable::Describe(const unsigned char* f, bool visual) const
{
    XbaseField field;
    std::size_t nameLength = 0;
    while (nameLength < 11 && f[nameLength] != 0)
        ++nameLength;
    field.Name =
        QString::fromLatin1(reinterpret_cast<const char*>(f), static_cast<qsizetype>(nameLength)).trimmed();
    field.Type = static_cast<char>(f[11]);
    field.Length = f[16];
    field.Decimals = f[17];
    field.Flags = visual ? f[18] : 0;
    if (!std::isalpha(static_cast<unsigned char>(field.Type)) && field.Type != '0')
        Fail(0, nullptr,
             QStringLiteral("第 %1 个字段描述已损坏（类型字节 0x%2）")
                 .arg(fields_.size() + 1)
                 .arg(static_cast<unsigned char>(field.Type), 2, 16, QLatin1Char('0')));
    if (field.Name.isEmpty())
        Fail(0, nullptr, QStringLiteral("第 %1 个字段没有名字").arg(fields_.size() + 1));
    if (field.Length == 0)
        Fail(0, &field, QStringLiteral("字段长度为 0"));
    const struct
    {
        char type;
        int length;
    } fixed[] = {{'I', 4}, {'Y', 8}, {'B', 8}, {'T', 8}, {'D', 8}, {'L', 1}};
    for (const auto& rule : fixed)
        if (field.Type == rule.type && field.Length != rule.length)
            Fail(0, &field,
                 QStringLiteral("%1 型字段的长度应为 %2，而不是 %3")
                     .arg(QLatin1Char(rule.type))
                     .arg(rule.length)
                     .arg(field.Length));
    if (field.Type == 'M' && field.Length != 4 && field.Length != 10)
        Fail(0, &field, QStringLiteral("备注字段的长度应为 4 或 10，而不是 %1").arg(field.Length));
    return field;
}

// The fields handed over as values, and what reading them needs: a decoder for text, a memo file.
void XbaseTable::ChooseDataFields(const QString& fallbackCharset, bool dBase4)
{
    bool text = false;
    bool memo = false;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const XbaseField& f = fields_[i];
        if (static_cast<int>(i) == nullFlags_ || !IsDataType(f.Type))
            continue;
        if (f.Type == 'M' && (f.Flags & 0x04))
            continue; // binary memo
        dataFields_.push_back(static_cast<int>(i));
        text = text || f.Type == 'C' || f.Type == 'V' || f.Type == 'M';
        memo = memo || f.Type == 'M';
    }
    const QString charset = TextDecoder::CharsetOf(codePage_, fallbackCharset);
    if (charset.isEmpty() && text) {
        const QString byte = QStringLiteral("0x%1").arg(codePage_, 2, 16, QLatin1Char('0'));
        const int page = TextDecoder::PageOf(codePage_);
        Fail(0, nullptr,
             page > 0 ? QStringLiteral("代码页 %1（%2）无法解码").arg(page).arg(byte)
                      : QStringLiteral("不认识的代码页（%1）").arg(byte));
    }
    if (!charset.isEmpty())
        decoder_ = std::make_unique<TextDecoder>(charset);
    if (memo)
        OpenMemo(dBase4);
}

void XbaseTable::OpenMemo(bool dBase4)
{
    const bool container = file_.Path().endsWith(QLatin1String(".dbc"), Qt::CaseInsensitive);
    // dBase keeps its memos in .dbt, FoxPro in .fpt, a container in .dct
    const bool dBase = dBase4 || version_ == 0x83;
    const QString suffix = container ? QStringLiteral("dct")
                           : dBase   ? QStringLiteral("dbt")
                                     : QStringLiteral("fpt");
    QString memoPath = Sibling(file_.Path(), suffix);
    if (memoPath.isEmpty() && !container)
        memoPath = Sibling(file_.Path(), dBase ? QStringLiteral("fpt") : QStringLiteral("dbt"));
    if (memoPath.isEmpty())
        Fail(0, nullptr, QStringLiteral("缺少备注文件（.%1）").arg(suffix));
    memo_ = std::make_unique<MemoFile>(memoPath, dBase4);
}

bool XbaseTable::IsDeleted(std::uint32_t record) const
{
    return record < recordCount_ &&
           file_.Data()[std::size_t{headerLength_} + std::size_t{record} * recordLength_] == '*';
}

void XbaseTable::Read(std::uint32_t record, std::vector<XbaseValue>& values)
{
    values.resize(dataFields_.size());
    Read(record, values.data());
}

void XbaseTable::Read(std::uint32_t record, XbaseValue* values)
{
    if (record >= recordCount_)
        Fail(record + 1, nullptr, QStringLiteral("记录号超出表的范围"));
    const unsigned char* r = file_.Data() + std::size_t{headerLength_} + std::size_t{record} * recordLength_;
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < dataFields_.size(); ++i) {
        const XbaseField& field = fields_[static_cast<std::size_t>(dataFields_[i])];
        ReadValue(r, record + 1, field, values[i]);
        if ((bytes += values[i].text.size()) > RecordLimit)
            Fail(record + 1, &field, QStringLiteral("一条记录的文字超过 %1 MiB").arg(RecordLimit >> 20));
    }
}

void XbaseTable::Release(std::uint32_t record) const
{
    file_.Release(std::size_t{headerLength_} + std::size_t{std::min(record, recordCount_)} * recordLength_);
}

void XbaseTable::Text(std::string_view bytes, std::uint32_t number, const XbaseField& field,
                      XbaseValue& value)
{
    value.kind = XbaseValue::Kind::Text;
    value.text.clear();
    if (!decoder_) { // a table of numbers alone that names no code page
        for (const char c : bytes)
            if (static_cast<unsigned char>(c) >= 0x80)
                Fail(number, &field, QStringLiteral("文字无法解码：表没有指明代码页"));
        value.text.assign(bytes);
        return;
    }
    if (!decoder_->Decode(bytes, value.text))
        Fail(number, &field, QStringLiteral("文字无法按 %1 解码").arg(decoder_->Charset()));
}

void XbaseTable::ReadValue(const unsigned char* record, std::uint32_t number, const XbaseField& field,
                           XbaseValue& value)
{
    const auto bit = [&](int which) {
        const unsigned char* flags = record + fields_[static_cast<std::size_t>(nullFlags_)].Offset;
        return (flags[which / 8] >> (which % 8) & 1) != 0;
    };
    value.kind = XbaseValue::Kind::Null;
    if (field.NullBit >= 0 && bit(field.NullBit))
        return;
    const unsigned char* p = record + field.Offset;
    const std::string_view raw(reinterpret_cast<const char*>(p), field.Length);
    switch (field.Type) {
    case 'C': {
        std::string_view s = raw;
        while (!s.empty() && IsBlank(s.back()))
            s.remove_suffix(1);
        Text(s, number, field, value);
        return;
    }
    case 'V': {
        std::size_t length = field.Length;
        if (field.VarBit >= 0 && bit(field.VarBit)) {
            length = p[field.Length - 1];
            if (length >= field.Length)
                Fail(number, &field, QStringLiteral("变长文字的长度 %1 超出字段").arg(length));
        }
        Text(raw.substr(0, length), number, field, value);
        return;
    }
    case 'N':
    case 'F': {
        const std::string_view s = Trimmed(raw);
        if (s.empty())
            return;
        if (ParseNumber(s, value.number)) {
            value.kind = XbaseValue::Kind::Number;
            return;
        }
        Text(s, number, field, value); // kept as written; the data summary points at it
        return;
    }
    case 'I':
        value.kind = XbaseValue::Kind::Number;
        value.number = static_cast<std::int32_t>(Little(p, 4));
        return;
    case 'Y':
        value.kind = XbaseValue::Kind::Number;
        value.number = static_cast<double>(Little64(p)) / 10000.0;
        return;
    case 'B': {
        const std::int64_t bits = Little64(p);
        std::memcpy(&value.number, &bits, sizeof value.number);
        value.kind = XbaseValue::Kind::Number;
        return;
    }
    case 'D': {
        const std::string_view s = Trimmed(raw);
        if (s.empty() || s == "00000000")
            return; // a blank date
        if (s.size() != 8 || !Digits(s))
            Fail(number, &field,
                 QStringLiteral("日期“%1”无效")
                     .arg(QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()))));
        value.kind = XbaseValue::Kind::Date;
        value.text.assign(s.substr(0, 4));
        value.text += '-';
        value.text.append(s.substr(4, 2));
        value.text += '-';
        value.text.append(s.substr(6, 2));
        return;
    }
    case 'T': {
        auto day = static_cast<std::int32_t>(Little(p, 4));
        if (day == 0)
            return;
        const std::uint32_t milliseconds = Little(p + 4, 4);
        if (milliseconds >= 86400000u)
            Fail(number, &field, QStringLiteral("日期时间的毫秒数 %1 超过一天").arg(milliseconds));
        std::uint32_t seconds = (milliseconds + 500) / 1000;
        if (seconds == 86400) { // rounded up to the next midnight
            seconds = 0;
            ++day;
        }
        if (!JulianToIso(day, value.text))
            Fail(number, &field, QStringLiteral("日期时间的日数 %1 无效").arg(day));
        AppendTime(value.text, seconds);
        value.kind = XbaseValue::Kind::Date;
        return;
    }
    case 'L':
        switch (p[0]) {
        case 'T':
        case 't':
        case 'Y':
        case 'y':
            value.kind = XbaseValue::Kind::Number;
            value.number = 1;
            return;
        case 'F':
        case 'f':
        case 'N':
        case 'n':
            value.kind = XbaseValue::Kind::Number;
            value.number = 0;
            return;
        default:
            return; // '?' or blank: unknown
        }
    case 'M': {
        std::uint32_t block = 0;
        if (field.Length == 4) {
            block = Little(p, 4);
        } else {
            const std::string_view s = Trimmed(raw);
            if (!s.empty() &&
                (!Digits(s) || std::from_chars(s.data(), s.data() + s.size(), block).ec != std::errc()))
                Fail(number, &field, QStringLiteral("备注块号无效"));
        }
        if (block == 0)
            return;
        const auto bytes = memo_->Block(block);
        if (!bytes)
            Fail(number, &field, QStringLiteral("备注块 %1 超出备注文件 %2").arg(block).arg(memo_->Name()));
        if (bytes->size() > MemoFile::Limit)
            Fail(number, &field,
                 QStringLiteral("备注长 %1 字节，超过上限 %2 MiB")
                     .arg(bytes->size())
                     .arg(MemoFile::Limit >> 20));
        std::string_view s = *bytes;
        while (!s.empty() && IsBlank(s.back()))
            s.remove_suffix(1);
        Text(s, number, field, value);
        return;
    }
    default:
        return;
    }
}
