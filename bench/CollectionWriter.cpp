#include "CollectionWriter.h"

#include "CollectionSchema.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iconv.h>
#include <sqlite3.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Field
{
    std::string name; // long name
    char type = 'C';
    int length = 0;
    int decimals = 0;
    int offset = 0;
    int nullBit = -1;
};

class Encoder
{
public:
    Encoder() : handle_(iconv_open("GBK", "UTF-8")) {}
    ~Encoder() { iconv_close(handle_); }
    std::string operator()(const char* text, std::size_t size)
    {
        std::string out(size * 2 + 4, '\0');
        char* in = const_cast<char*>(text);
        char* to = out.data();
        std::size_t inLeft = size, toLeft = out.size();
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(handle_, &in, &inLeft, &to, &toLeft) == static_cast<std::size_t>(-1))
            throw std::runtime_error("text that GBK cannot hold");
        out.resize(out.size() - toLeft);
        return out;
    }

private:
    iconv_t handle_;
};

void Put16(std::string& s, std::size_t at, unsigned v)
{
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>(v >> 8 & 0xFF);
}

void Put32(std::string& s, std::size_t at, unsigned v)
{
    for (int i = 0; i < 4; ++i)
        s[at + i] = static_cast<char>(v >> (8 * i) & 0xFF);
}

// The header and descriptors of a table of these fields (a _NullFlags field added when any
// field is nullable).
std::string Header(std::vector<Field>& fields, int& recordLength, const std::string& backlink,
                   long long records)
{
    int bits = 0;
    for (Field& f : fields)
        if (f.nullBit == 0)
            f.nullBit = bits++;
    const int flagBytes = (bits + 7) / 8;
    const std::size_t count = fields.size() + (flagBytes ? 1 : 0);
    std::string h(32 + 32 * count + 1 + 263, '\0');
    const std::time_t now = std::time(nullptr);
    const std::tm* t = std::localtime(&now);
    h[0] = 0x30;
    h[1] = static_cast<char>(t->tm_year);
    h[2] = static_cast<char>(t->tm_mon + 1);
    h[3] = static_cast<char>(t->tm_mday);
    Put32(h, 4, static_cast<unsigned>(records));
    Put16(h, 8, static_cast<unsigned>(h.size()));
    h[29] = 0x7A;
    int offset = 1;
    std::size_t at = 32;
    const auto describe = [&](const std::string& name, char type, int length, int decimals, int flags) {
        std::memcpy(&h[at], name.data(), std::min<std::size_t>(name.size(), 10));
        h[at + 11] = type;
        Put32(h, at + 12, static_cast<unsigned>(offset));
        h[at + 16] = static_cast<char>(length);
        h[at + 17] = static_cast<char>(decimals);
        h[at + 18] = static_cast<char>(flags);
        offset += length;
        at += 32;
    };
    for (Field& f : fields) {
        f.offset = offset;
        std::string shortName = f.name.substr(0, 10);
        for (char& c : shortName)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        describe(shortName, f.type, f.length, f.decimals, f.nullBit >= 0 ? 0x02 : 0);
    }
    if (flagBytes)
        describe("_NullFlags", '0', flagBytes, 0, 0x05);
    h[at] = 0x0D;
    std::memcpy(&h[at + 1], backlink.data(), backlink.size());
    recordLength = offset;
    Put16(h, 10, static_cast<unsigned>(offset));
    return h;
}

struct Statement
{
    sqlite3_stmt* s = nullptr;
    Statement(sqlite3* db, const std::string& sql)
    {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db));
    }
    ~Statement() { sqlite3_finalize(s); }
};

long long Scalar(sqlite3* db, const std::string& sql)
{
    Statement st(db, sql);
    return sqlite3_step(st.s) == SQLITE_ROW ? sqlite3_column_int64(st.s, 0) : 0;
}

void WriteFile(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

namespace CollectionWriter {

long long Write(const QString& sourceDatabase, const QString& folder)
{
    QDir().mkpath(folder);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(sourceDatabase).constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK)
        throw std::runtime_error("cannot open " + sourceDatabase.toStdString());
    Encoder gbk;
    long long written = 0;
    // container rows: object id, parent id, type, name
    std::vector<std::tuple<int, int, std::string, std::string>> objects{{1, 1, "Database", "Database"}};
    for (const auto& table : CollectionSchema::Get().Tables()) {
        const std::string name = table.Name.toStdString();
        std::vector<Field> fields;
        std::string columns;
        for (const auto& column : table.Columns) {
            Field f;
            f.name = column.Name.toStdString();
            f.nullBit = 0;
            if (column.Type == CollectionSchema::Kind::Text) {
                f.type = 'C';
                f.length = static_cast<int>(std::clamp<long long>(
                    Scalar(db, "SELECT max(length(CAST(\"" + f.name + "\" AS BLOB))) FROM \"" + name + "\""),
                    1, 254));
            } else if (column.Type == CollectionSchema::Kind::Date) {
                f.type = 'D';
                f.length = 8;
            } else {
                f.type = 'N';
                f.length = 20;
                f.decimals = 4;
            }
            columns += (columns.empty() ? "\"" : ", \"") + f.name + "\"";
            fields.push_back(f);
        }
        const bool area = table.Name == QLatin1String("Area");
        const long long records = Scalar(db, "SELECT COUNT(*) FROM \"" + name + "\"");
        int recordLength = 0;
        const std::string header = Header(fields, recordLength, area ? std::string() : "stat.dbc", records);
        if (!area) {
            const int id = static_cast<int>(objects.size()) + 1;
            objects.emplace_back(id, 1, "Table", table.Name.toLower().toStdString());
            for (const Field& f : fields)
                objects.emplace_back(static_cast<int>(objects.size()) + 1, id, "Field",
                                     QString::fromStdString(f.name).toLower().toStdString());
        }
        const QString path = QDir(folder).filePath(table.Name + QStringLiteral(".dbf"));
        FILE* out = std::fopen(QFile::encodeName(path).constData(), "wb");
        if (!out)
            throw std::runtime_error("cannot write " + path.toStdString());
        std::fwrite(header.data(), 1, header.size(), out);
        const int flagsAt = recordLength - (fields.size() + 7) / 8;
        std::string record(static_cast<std::size_t>(recordLength), ' ');
        Statement rows(db, "SELECT " + columns + " FROM \"" + name + "\" ORDER BY rowid");
        while (sqlite3_step(rows.s) == SQLITE_ROW) {
            std::fill(record.begin(), record.end(), ' ');
            std::fill(record.begin() + flagsAt, record.end(), '\0');
            for (std::size_t i = 0; i < fields.size(); ++i) {
                const Field& f = fields[i];
                char* at = &record[static_cast<std::size_t>(f.offset)];
                const int c = static_cast<int>(i);
                if (sqlite3_column_type(rows.s, c) == SQLITE_NULL) {
                    record[static_cast<std::size_t>(flagsAt + f.nullBit / 8)] |=
                        static_cast<char>(1 << (f.nullBit % 8));
                    continue;
                }
                if (f.type == 'N') {
                    char buffer[40];
                    const auto end =
                        std::to_chars(buffer, buffer + sizeof buffer, sqlite3_column_double(rows.s, c),
                                      std::chars_format::fixed, 4)
                            .ptr;
                    const int size = static_cast<int>(end - buffer);
                    if (size > f.length)
                        throw std::runtime_error("number too wide for " + f.name);
                    std::memcpy(at + f.length - size, buffer, static_cast<std::size_t>(size));
                } else {
                    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(rows.s, c));
                    const std::size_t size = static_cast<std::size_t>(sqlite3_column_bytes(rows.s, c));
                    if (f.type == 'D') {
                        if (size >= 10) { // YYYY-MM-DD as YYYYMMDD
                            std::memcpy(at, text, 4);
                            std::memcpy(at + 4, text + 5, 2);
                            std::memcpy(at + 6, text + 8, 2);
                        }
                    } else {
                        const std::string bytes = gbk(text, size);
                        std::memcpy(at, bytes.data(),
                                    std::min<std::size_t>(bytes.size(), static_cast<std::size_t>(f.length)));
                    }
                }
            }
            std::fwrite(record.data(), 1, record.size(), out);
            ++written;
        }
        std::fputc(0x1A, out);
        if (std::fclose(out) != 0)
            throw std::runtime_error("cannot write " + path.toStdString());
    }
    sqlite3_close(db);

    std::vector<Field> fields{
        {"OBJECTID", 'I', 4}, {"PARENTID", 'I', 4}, {"OBJECTTYPE", 'C', 10}, {"OBJECTNAME", 'C', 128}};
    int recordLength = 0;
    std::string bytes = Header(fields, recordLength, std::string(), static_cast<long long>(objects.size()));
    for (const auto& [id, parent, type, object] : objects) {
        std::string record(static_cast<std::size_t>(recordLength), ' ');
        Put32(record, 1, static_cast<unsigned>(id));
        Put32(record, 5, static_cast<unsigned>(parent));
        std::memcpy(&record[9], type.data(), type.size());
        std::memcpy(&record[19], object.data(), object.size());
        bytes += record;
    }
    bytes += '\x1A';
    WriteFile(QDir(folder).filePath(QStringLiteral("stat.dbc")), bytes);
    return written;
}

} // namespace CollectionWriter
