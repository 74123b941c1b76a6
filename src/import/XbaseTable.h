#pragma once

#include "MappedFile.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class MemoFile;
class TextDecoder;

// One field descriptor of a table.
struct XbaseField
{
    QString Name; // as stored: at most ten characters
    char Type = 'C';
    std::uint32_t Offset = 0; // within the record; byte 0 is the deletion flag
    std::uint8_t Length = 0;
    std::uint8_t Decimals = 0;
    std::uint8_t Flags = 0; // 0x01 system, 0x02 nullable, 0x04 binary
    int NullBit = -1;       // bit of _NullFlags that makes it NULL
    int VarBit = -1;        // bit of _NullFlags that says a varchar is shorter than its field
};

// One value of a record, as the source database stores it.
struct XbaseValue
{
    enum class Kind : std::uint8_t { Null, Number, Text, Date };
    Kind kind = Kind::Null;
    double number = 0;
    std::string text; // UTF-8; a date as YYYY-MM-DD, a date-time as YYYY-MM-DD HH:MM:SS
};

// A table of the collection system in the xBase format of its database engine: header, field
// descriptors, fixed-length records. The whole file is checked against its header when it is
// opened; reading a record never looks outside it.
class XbaseTable
{
public:
    // fallbackCharset decodes a table whose code-page byte names none.
    XbaseTable(const QString& path, const QString& fallbackCharset);
    ~XbaseTable();
    XbaseTable(const XbaseTable&) = delete;
    XbaseTable& operator=(const XbaseTable&) = delete;

    QString Name() const { return file_.Name(); }
    std::uint8_t Version() const { return version_; }
    std::uint8_t CodePage() const { return codePage_; }
    std::uint32_t RecordCount() const { return recordCount_; }
    // The container named after the descriptors, empty for a free table.
    const QString& Backlink() const { return backlink_; }

    const std::vector<XbaseField>& Fields() const { return fields_; }
    // The fields that carry data (not _NullFlags, not the binary kinds G, W, Q, P and others),
    // as indexes into Fields(); Read fills one value for each, in this order.
    const std::vector<int>& DataFields() const { return dataFields_; }

    // record counts from 0
    bool IsDeleted(std::uint32_t record) const;
    void Read(std::uint32_t record, std::vector<XbaseValue>& values);
    void Read(std::uint32_t record, XbaseValue* values); // one for each of DataFields()
    // The records before this one will not be read again.
    void Release(std::uint32_t record) const;

    // The text of one record read at once, memos included; a longer record is refused.
    static constexpr std::size_t RecordLimit = std::size_t{64} << 20;

    // Whether a type letter is read as data.
    static bool IsDataType(char type);
    // Number text as a number field holds it: blanks around, an optional sign.
    static bool ParseNumber(std::string_view text, double& value);

private:
    void ReadHeader(const QString& fallbackCharset);
    std::uint32_t ReadFields(bool visual);
    XbaseField Describe(const unsigned char* descriptor, bool visual) const;
    void ChooseDataFields(const QString& fallbackCharset, bool dBase4);
    void OpenMemo(bool dBase4);
    void ReadValue(const unsigned char* record, std::uint32_t number, const XbaseField& field,
                   XbaseValue& value);
    void Text(std::string_view bytes, std::uint32_t number, const XbaseField& field, XbaseValue& value);
    [[noreturn]] void Fail(std::uint32_t number, const XbaseField* field, const QString& what) const;

    MappedFile file_;
    std::uint8_t version_ = 0;
    std::uint8_t codePage_ = 0;
    std::uint32_t recordCount_ = 0;
    std::uint32_t headerLength_ = 0;
    std::uint32_t recordLength_ = 0;
    QString backlink_;
    std::vector<XbaseField> fields_;
    std::vector<int> dataFields_;
    int nullFlags_ = -1; // index of _NullFlags in fields_
    std::unique_ptr<TextDecoder> decoder_;
    std::unique_ptr<MemoFile> memo_;
};
