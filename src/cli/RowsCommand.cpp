#include "RowsCommand.h"

#include "CliArguments.h"
#include "CliError.h"
#include "CliNotice.h"
#include "Connection.h"
#include "DbConnection.h"
#include "Recordset.h"
#include "ReportSource.h"

namespace {

struct Source
{
    QString table;
    QString tablecode; // empty: every row of the table
};

// A report code in dictionary form ("1-3", "2-1-1A"), result form ("1_3", "211A") or a
// ledger code ("3_1"), and where its rows are kept.
Source Locate(const QString& code)
{
    static const struct
    {
        const char* dictionary;
        const char* result;
        const char* table;
    } reports[] = {
        {"1-1", "1_1", "type11"},     {"1-2", "1_2", "type22"},     {"1-3", "1_3", "type22"},
        {"1-4", "1_4", "type22"},     {"1-5", "1_5", "type22"},     {"1-6", "1_6", "type33"},
        {"1-7", "1_7", "type33"},     {"1-8", "1_8", "type55"},     {"1-9", "1_9", "type66"},
        {"1-10", "1_10", "type22"},   {"2-1-1", "211", "type66"},   {"2-1-2", "212", "type66"},
        {"2-1-3", "213", "type66"},   {"2-1-4", "214", "type66"},   {"2-1-5", "215", "type66"},
        {"2-1-6", "216", "type66"},   {"2-1-7", "217", "type66"},   {"2-1-8", "218", "type66"},
        {"2-1-9", "219", "type66"},   {"2-1-1A", "211A", "type44"}, {"2-1-1B", "211B", "type44"},
        {"2-1-1C", "211C", "type44"}, {"2-1-1D", "211D", "type22"},
    };
    for (const auto& r : reports)
        if (code == QLatin1String(r.dictionary) || code == QLatin1String(r.result))
            return {QLatin1String(r.table), QLatin1String(r.result)};
    if (code == QLatin1String("3_1") || code == QLatin1String("3_2") || code == QLatin1String("3_3") ||
        code == QLatin1String("3_4"))
        return {QStringLiteral("type22"), QString()};
    throw CliError(QStringLiteral("没有这个报表：") + code);
}

// A report's rows without their code; a whole table's rows led by the table's name.
void Print(DbConnection& connection, const QString& sql, bool withTable, const QString& table, QTextStream& out)
{
    Recordset rs;
    rs.Open(sql, connection);
    const int code = rs.IndexOf(QStringLiteral("tablecode"));
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) {
        QStringList fields;
        if (withTable)
            fields << table;
        for (int i = 0; i < rs.FieldCount(); ++i)
            if (withTable || i != code)
                fields << rs.Value(i).toString();
        out << fields.join(QLatin1Char('\t')) << '\n';
    }
}

} // namespace

namespace RowsCommand {

int Run(const QStringList& arguments, QTextStream& out)
{
    const CliArguments args(arguments);
    args.Allow({QStringLiteral("report")});
    auto connection = Connection::OpenPrintConnection();
    if (const auto report = args.Value(QStringLiteral("report"))) {
        const Source source = Locate(ReportSource::Normalise(*report));
        QString sql = QStringLiteral("select * from ") + source.table;
        if (!source.tablecode.isEmpty())
            sql += QStringLiteral(" where tablecode = '") + source.tablecode + QStringLiteral("'");
        Print(*connection, sql, false, source.table, out);
        return 0;
    }
    for (const char* table : {"type11", "type22", "type33", "type44", "type55", "type66"})
        Print(*connection, QStringLiteral("select * from ") + QLatin1String(table), true, QLatin1String(table), out);
    // Beside every table's rows, the codes that --report takes, with the rows each holds now.
    QStringList codes{QStringLiteral("报表代码\t行数")};
    for (const ReportSource::Entry& entry : ReportSource::Entries()) {
        Recordset rs;
        rs.Open(QStringLiteral("select count(*) from (") + entry.DataQuery + QLatin1Char(')'), *connection);
        rs.MoveFirst();
        codes << entry.Code + QLatin1Char('\t') + rs.Value(0).toString();
    }
    out.flush();
    CliNotice::Print(codes);
    return 0;
}

} // namespace RowsCommand
