// The table reader against python3-dbf's files and python3-dbfread's reading of them, the long
// field names, the code pages, and the refusal of spoilt files.
#include "CollectionFolder.h"
#include "FieldNames.h"
#include "ImportError.h"
#include "TempAppFolder.h"
#include "TextDecoder.h"
#include "XbaseTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <charconv>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A value as collection_folder.py's "read" shows one.
QString Shown(const XbaseValue& v)
{
    switch (v.kind) {
    case XbaseValue::Kind::Null:
        return QStringLiteral("<null>");
    case XbaseValue::Kind::Number: {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, v.number).ptr;
        return QString::fromLatin1(buffer, end - buffer);
    }
    default:
        return QString::fromUtf8(v.text).replace(QLatin1Char('\n'), QLatin1String("\\n"));
    }
}

class XbaseTableTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        dir_ = new QTemporaryDir;
        CollectionFolder::Cases(dir_->path());
        CollectionFolder::Formats(QDir(dir_->path()).filePath(QStringLiteral("formats")));
    }
    static void TearDownTestSuite() { delete dir_; }
    static QString File(const char* name) { return QDir(dir_->path()).filePath(QLatin1String(name)); }
    static QTemporaryDir* dir_;
};
QTemporaryDir* XbaseTableTest::dir_ = nullptr;

TEST_F(XbaseTableTest, RecordsReadAsDbfreadReadsThem)
{
    const std::pair<const char*, const char*> files[] = {
        {"BASE01.DBF", "cp936"},        {"base06.dbf", "cp936"},         {"Area.dbf", "cp936"},
        {"stat.dbc", "cp936"},          {"formats/Base08.dbf", "cp936"}, {"formats/stat.dbc", "cp936"},
        {"formats/cp1251.dbf", "cp1251"}, {"formats/dbase4.dbf", "cp936"}};
    for (const auto& [name, encoding] : files) {
        SCOPED_TRACE(name);
        XbaseTable table(File(name), QStringLiteral("GBK"));
        QStringList lines;
        QStringList header;
        for (int i : table.DataFields())
            header << table.Fields()[static_cast<std::size_t>(i)].Name;
        std::vector<XbaseValue> values;
        QStringList mine;
        for (std::uint32_t r = 0; r < table.RecordCount(); ++r) {
            if (table.IsDeleted(r))
                continue;
            table.Read(r, values);
            QStringList fields;
            for (const XbaseValue& v : values)
                fields << Shown(v);
            mine << fields.join(QLatin1Char('\t'));
        }
        const QStringList theirs = CollectionFolder::SecondOpinion(File(name), QLatin1String(encoding));
        ASSERT_EQ(mine.size() + 1, theirs.size());
        // dbfread shows _NullFlags as a column; a NULL it cannot see shows as the type's blank.
        QStringList names = theirs[0].split(QLatin1Char('\t'));
        const qsizetype flags = names.indexOf(QStringLiteral("_NULLFLAGS"));
        if (flags >= 0)
            names.removeAt(flags);
        EXPECT_EQ(header.join(QLatin1Char(',')).toUpper(), names.join(QLatin1Char(',')));
        for (qsizetype r = 0; r < mine.size(); ++r) {
            QStringList expected = theirs[r + 1].split(QLatin1Char('\t'));
            if (flags >= 0)
                expected.removeAt(flags);
            const QStringList actual = mine[r].split(QLatin1Char('\t'));
            ASSERT_EQ(actual.size(), expected.size());
            for (qsizetype f = 0; f < actual.size(); ++f) {
                bool numbers = false;
                const double theirs = expected[f].toDouble(&numbers);
                if (numbers && actual[f] != QLatin1String("<null>")) {
                    EXPECT_EQ(actual[f].toDouble(), theirs) << "record " << r << " field " << f;
                } else if (actual[f] != QLatin1String("<null>")) {
                    EXPECT_EQ(actual[f].toStdString(), expected[f].toStdString()) << "record " << r << " field " << f;
                }
            }
        }
    }
}

TEST_F(XbaseTableTest, NullFlagsDeletedRecordsAndHeaders)
{
    XbaseTable base01(File("BASE01.DBF"), QStringLiteral("GBK"));
    EXPECT_EQ(base01.Version(), 0x30);
    EXPECT_EQ(base01.CodePage(), 0x4D);
    EXPECT_EQ(base01.Backlink(), QStringLiteral("stat.dbc"));
    EXPECT_EQ(base01.RecordCount(), 4u);
    EXPECT_TRUE(base01.IsDeleted(3));
    std::vector<XbaseValue> v;
    base01.Read(1, v); // 无日期宾馆: Rooms, Beds and the memo NULL by their flags, the date blank
    EXPECT_EQ(Shown(v[1]), QStringLiteral("无日期宾馆"));
    for (int i : {4, 5, 7, 8})
        EXPECT_EQ(v[static_cast<std::size_t>(i)].kind, XbaseValue::Kind::Null) << i;

    XbaseTable area(File("Area.dbf"), QStringLiteral("GBK"));
    EXPECT_EQ(area.Version(), 0x03);
    EXPECT_TRUE(area.Backlink().isEmpty());
}

// Bytes of a good file changed one way each; every change is refused with the file, and the
// record and field where one is at fault, never read past.
TEST_F(XbaseTableTest, SpoiltFilesAreRefusedWithWhereAndWhat)
{
    const QByteArray good = FileBytes(File("BASE01.DBF"));
    XbaseTable layout(File("BASE01.DBF"), QStringLiteral("GBK"));
    const auto field = [&](const char* name) {
        for (const XbaseField& f : layout.Fields())
            if (f.Name == QLatin1String(name))
                return f;
        return XbaseField{};
    };
    const int header = static_cast<unsigned char>(good[8]) | static_cast<unsigned char>(good[9]) << 8;
    const int length = static_cast<unsigned char>(good[10]) | static_cast<unsigned char>(good[11]) << 8;
    const auto at = [&](int record, const char* name) { return header + record * length + int(field(name).Offset); };
    const struct
    {
        const char* what;
        std::function<void(QByteArray&)> spoil;
        const char* message;
    } cases[] = {
        {"header cut", [](QByteArray& b) { b.truncate(20); }, "BASE01.DBF：文件比表头还短，不是完整的数据表"},
        {"unknown version", [](QByteArray& b) { b[0] = char(0x99); }, "BASE01.DBF：不认识的表格式（版本字节 0x99）"},
        {"header past the end", [](QByteArray& b) { b[9] = char(0x7F); }, "超出文件"},
        {"record length", [](QByteArray& b) { b[10] = char(b[10] + 1); }, "与字段描述（合计"},
        {"records cut", [](QByteArray& b) { b.chop(40); }, "BASE01.DBF：文件比表头所说的短：应有 4 条记录，只容得下 3 条"},
        {"no terminator", [&](QByteArray& b) { b[32 + 32 * int(layout.Fields().size())] = 'X'; }, "BASE01.DBF：第 11 个字段描述已损坏（类型字节 0x00）"},
        {"integer length", [](QByteArray& b) { b[32 + 5 * 32 + 16] = 5; }, "BASE01.DBF，字段 BEDS：I 型字段的长度应为 4，而不是 5"},
        {"text", [&](QByteArray& b) { b[at(2, "UNITNAME")] = char(0xFF); }, "BASE01.DBF，第 3 条记录，字段 UNITNAME：文字无法按 GBK 解码"},
        {"date", [&](QByteArray& b) { b[at(0, "OPENDATE")] = 'x'; }, "BASE01.DBF，第 1 条记录，字段 OPENDATE：日期“x9980501”无效"},
        {"memo block", [&](QByteArray& b) { b[at(0, "REMARKOFTH") + 3] = 0x7F; }, "BASE01.DBF，第 1 条记录，字段 REMARKOFTH：备注块 2130706436 超出备注文件 BASE01.FPT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        QFile::copy(File("BASE01.FPT"), dir.filePath(QStringLiteral("BASE01.FPT")));
        QByteArray bytes = good;
        c.spoil(bytes);
        QFile out(dir.filePath(QStringLiteral("BASE01.DBF")));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        try {
            XbaseTable table(out.fileName(), QStringLiteral("GBK"));
            std::vector<XbaseValue> values;
            for (std::uint32_t r = 0; r < table.RecordCount(); ++r)
                table.Read(r, values);
            ADD_FAILURE() << "accepted";
        } catch (const ImportError& e) {
            EXPECT_TRUE(e.Message().contains(QString::fromUtf8(c.message))) << e.Message().toStdString();
        }
    }
}

// Version and code-page bytes the reader takes or refuses, and a dBase IV table without its memo.
TEST_F(XbaseTableTest, FormatsTakenAndRefused)
{
    const struct
    {
        const char* file;
        int byte, value; // the header byte changed, and to what (-1: none)
        bool memo;       // the .dbt beside it
        const char* refusal;
    } cases[] = {
        {"dbase4", -1, 0, true, nullptr},
        {"dbase4", 0, 0x8E, true, nullptr},
        {"dbase4", 0, 0xCB, true, "不认识的表格式（版本字节 0xcb）"},
        {"dbase4", -1, 0, false, "dbase4.dbf：缺少备注文件（.dbt）"},
        {"cp1251", 29, 0xC8, false, nullptr},
        {"cp1251", 29, 0x68, false, "cp1251.dbf：代码页 895（0x68）无法解码"},
        {"cp1251", 29, 0xFE, false, "cp1251.dbf：不认识的代码页（0xfe）"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + std::to_string(c.value));
        QTemporaryDir dir;
        const QString name = QLatin1String(c.file) + QStringLiteral(".dbf");
        QByteArray bytes = FileBytes(File("formats/") + QString(name));
        if (c.byte >= 0)
            bytes[c.byte] = static_cast<char>(c.value);
        QFile out(dir.filePath(name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        if (c.memo)
            QFile::copy(File("formats/dbase4.dbt"), dir.filePath(QStringLiteral("dbase4.dbt")));
        try {
            XbaseTable table(out.fileName(), QStringLiteral("GBK"));
            std::vector<XbaseValue> values;
            for (std::uint32_t r = 0; r < table.RecordCount(); ++r)
                table.Read(r, values);
            EXPECT_EQ(c.refusal, nullptr);
        } catch (const ImportError& e) {
            EXPECT_TRUE(c.refusal && e.Message().contains(QString::fromUtf8(c.refusal))) << e.Message().toStdString();
        }
    }
}

// The i-th field of a table in a container takes the container's i-th long name, if its ten
// characters are that name's cut, numbered or not.
TEST(FieldNames, LongNamesFromTheContainerByPosition)
{
    const auto fields = [](const QStringList& names) {
        std::vector<XbaseField> list;
        for (const QString& n : names)
            list.push_back({n, n.startsWith(QLatin1Char('_')) ? '0' : 'C'});
        return list;
    };
    const struct
    {
        QStringList shortNames, longNames, named;
        const char* refusal;
    } cases[] = {
        {{"CODE", "REGISTRATI", "ROOMS", "_NullFlags"}, {"code", "registrationtype", "rooms"},
         {"code", "registrationtype", "rooms", ""}, nullptr},
        {{"CONTACT_TY", "CONTACT_T2"}, {"contact_type_id", "contact_type"}, {"contact_type_id", "contact_type"}, nullptr},
        {{"INTOURISTD", "INTOURIS12"}, {"InTouristDay", "InTouristDayTotal"}, {"InTouristDay", "InTouristDayTotal"}, nullptr},
        {{"ROOMS", "CODE"}, {"rooms", "beds"}, {}, "T.dbf，字段 CODE：与数据库容器中同一位置的字段全名 beds 不符"},
        {{"CONTACT_X2"}, {"contact_type"}, {}, "T.dbf，字段 CONTACT_X2：与数据库容器中同一位置的字段全名 contact_type 不符"},
        {{"CONTACT_TY"}, {"contact"}, {}, "T.dbf，字段 CONTACT_TY：与数据库容器中同一位置的字段全名 contact 不符"},
        {{"CODE", "ROOMS"}, {"code"}, {}, "T.dbf，字段 ROOMS：数据库容器中这张表只有 1 个字段，没有这个字段的全名"},
        {{"CODE"}, {"code", "rooms"}, {}, "T.dbf：数据库容器中这张表有 2 个字段，表中只有 1 个"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shortNames.join(QLatin1Char(',')).toStdString());
        try {
            EXPECT_EQ(FieldNames::FromContainer(QStringLiteral("T.dbf"), fields(c.shortNames), c.longNames), c.named);
            EXPECT_EQ(c.refusal, nullptr);
        } catch (const ImportError& e) {
            EXPECT_EQ(e.Message(), QString::fromUtf8(c.refusal ? c.refusal : "accepted"));
        }
    }
}

TEST(FieldNames, FreeTablesByTheSchema)
{
    const auto fields = [](std::initializer_list<const char*> names) {
        std::vector<XbaseField> list;
        for (const char* n : names)
            list.push_back({QLatin1String(n), 'C'});
        return list;
    };
    const QStringList columns{"code", "InTourist", "InTouristDay", "RegistrationType", "AbcdefghijOne", "AbcdefghijTwo"};
    EXPECT_EQ(FieldNames::ForFreeTable(QStringLiteral("F.dbf"), fields({"CODE", "INTOURIST", "INTOURISTD", "REGISTRATI", "EXTRA"}),
                                       columns),
              (QStringList{"code", "InTourist", "InTouristDay", "RegistrationType", "EXTRA"}));
    try {
        FieldNames::ForFreeTable(QStringLiteral("F.dbf"), fields({"ABCDEFGHIJ"}), columns);
        FAIL();
    } catch (const ImportError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("F.dbf，字段 ABCDEFGHIJ：字段名可指 AbcdefghijOne 或 AbcdefghijTwo，无法确定"));
    }
}

TEST(TextDecoder, CodePagesAndUndecodableBytes)
{
    // every byte of the table names a page iconv decodes, or none of the three it lacks
    int decoded = 0;
    for (int byte = 0x01; byte <= 0xFF; ++byte) {
        const QString charset = TextDecoder::CharsetOf(static_cast<std::uint8_t>(byte), QStringLiteral("fallback"));
        const int page = TextDecoder::PageOf(static_cast<std::uint8_t>(byte));
        if (byte == 0x57) {
            EXPECT_EQ(charset, QStringLiteral("fallback"));
        } else if (!charset.isEmpty()) {
            EXPECT_TRUE(TextDecoder::Known(charset)) << charset.toStdString();
            ++decoded;
        } else {
            EXPECT_TRUE(page == 0 || page == 895 || page == 620 || page == 10006) << byte;
        }
    }
    EXPECT_EQ(decoded, 63);
    const std::pair<int, const char*> pages[] = {{0x4D, "GBK"}, {0x7A, "GBK"}, {0x78, "CP950"}, {0x79, "CP949"},
                                                 {0x7B, "CP932"}, {0xC8, "CP1250"}, {0xC9, "CP1251"}, {0xCC, "CP1257"},
                                                 {0x03, "CP1252"}, {0x01, "CP437"}, {0x00, "fallback"}};
    for (const auto& [byte, charset] : pages)
        EXPECT_EQ(TextDecoder::CharsetOf(static_cast<std::uint8_t>(byte), QStringLiteral("fallback")),
                  QLatin1String(charset));

    TextDecoder gbk(QStringLiteral("GBK"));
    const std::pair<const char*, const char*> texts[] = {
        {"\xCF\xE6\xBD\xAD's", "湘江's"}, {"plain", "plain"}, {"\xFF\xFE", nullptr}, {"\xCF", nullptr}, {"a\0b", nullptr}};
    for (const auto& [bytes, text] : texts) {
        std::string out;
        const std::string_view in(bytes, std::string_view(bytes) == "a" ? 3 : std::strlen(bytes));
        EXPECT_EQ(gbk.Decode(in, out), text != nullptr) << bytes;
        if (text) {
            EXPECT_EQ(out, text);
        }
    }
    std::string big5;
    EXPECT_TRUE(TextDecoder(QStringLiteral("BIG5")).Decode("\xA4\xA4", big5));
    EXPECT_EQ(big5, "中");
    EXPECT_FALSE(TextDecoder::Known(QStringLiteral("NO-SUCH-CHARSET")));
}

} // namespace
