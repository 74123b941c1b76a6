#include "ReportSource.h"

#include "Connection.h"
#include "DbConnection.h"
#include "Recordset.h"
#include "ReportRun.h"
#include "SqlText.h"

#include <QHash>
#include <algorithm>

namespace {

QStringList Objects(const QString& prefix, int count)
{
    QStringList names;
    for (int k = 1; k <= count; ++k)
        names << prefix + QString::number(k);
    return names;
}

ReportSource::Entry Report(const char* code, const char* layout, const char* dataQuery, const QString& prefix,
                           int headings)
{
    const QString c = QString::fromUtf8(code);
    QString headingQuery = QStringLiteral("select * from dic_fields where TableCode='") + SqlText::Escape(c) +
                           QStringLiteral("'");
    // The only report whose headings are stored out of order.
    if (c == QLatin1String("2-1-2"))
        headingQuery += QStringLiteral(" order by \"order\"");
    return {c,
            QString::fromUtf8(layout),
            QString::fromUtf8(dataQuery),
            Objects(prefix, headings),
            headingQuery,
            QStringLiteral("select * from dic_tablename where TableCode='") + SqlText::Escape(c) +
                QStringLiteral("'")};
}

ReportSource::Entry Ledger(const char* code)
{
    // Only the ledger's own rows: they carry no tablecode, so rows of an earlier hotel or
    // annual run can never appear under a ledger title.
    return {QString::fromUtf8(code),
            QStringLiteral("CrystalReport1"),
            QStringLiteral("select * from type22 where tablecode is null or tablecode = ''"),
            Objects(QStringLiteral("h"), 8),
            QString(),
            QString()};
}

QVector<ReportSource::Entry> MakeEntries()
{
    const QString h = QStringLiteral("h");
    const QString item = QStringLiteral("item");
    return {
        Report("1-1", "CrystalReport1", "select * from type11 where TableCode='1_1'", h, 8),
        Report("1-2", "CrystalReport2", "select * from type22 where tablecode = '1_2'", h, 8),
        Report("1-3", "CrystalReport2", "select * from type22 where tablecode = '1_3'", h, 12),
        Report("1-4", "CrystalReport2", "select * from type22 where tablecode = '1_4'", h, 7),
        Report("1-5", "CrystalReport2", "select * from type22 where tablecode = '1_5'", h, 8),
        Report("1-6", "CrystalReport3", "select * from type33 where tablecode = '1_6'", h, 7),
        Report("1-7", "CrystalReport3", "select * from type33 where tablecode = '1_7'", h, 7),
        Report("1-8", "CrystalReport5", "select * from type55 where tablecode = '1_8'", h, 10),
        Report("1-9", "CrystalReport6", "select * from type66 where tablecode = '1_9'", h, 10),
        Report("1-10", "CrystalReport2", "select * from type22 where tablecode = '1_10'", h, 6),
        Report("2-1-1", "CrystalReport7", "select * from type66 where tablecode = '211' ", item, 13),
        Report("2-1-2", "CrystalReport7", "select * from type66 where tablecode = '212'", item, 13),
        Report("2-1-3", "CrystalReport7", "select * from type66 where tablecode = '213'", item, 13),
        Report("2-1-4", "CrystalReport7", "select * from type66 where tablecode = '214'", item, 13),
        Report("2-1-5", "CrystalReport7", "select * from type66 where tablecode = '215'", item, 13),
        Report("2-1-6", "CrystalReport7", "select * from type66 where tablecode = '216'", item, 13),
        Report("2-1-7", "CrystalReport7", "select * from type66 where tablecode = '217'", item, 13),
        Report("2-1-8", "CrystalReport7", "select * from type66 where tablecode = '218'", item, 13),
        Report("2-1-9", "CrystalReport7", "select * from type66 where tablecode = '219'", item, 13),
        Report("2-1-1A", "CrystalReport4", " select * from type44 where Tablecode = '211A'", h, 9),
        Report("2-1-1B", "CrystalReport4", "select * from type44 where Tablecode = '211B'", h, 9),
        Report("2-1-1C", "CrystalReport4", "select * from type44 where Tablecode = '211C'", h, 9),
        Report("2-1-1D", "CrystalReport1", "select * from type22 where Tablecode = '211D'", h, 6),
        Ledger("3_1"),
        Ledger("3_2"),
        Ledger("3_3"),
        Ledger("3_4"),
    };
}

// Each recordset on a connection of its own, as the print window has always read them.
void OpenOnOwnConnection(Recordset& rs, const QString& sql)
{
    auto connection = Connection::OpenPrintConnection();
    rs.Open(sql, *connection);
}

} // namespace

const QVector<ReportSource::Entry>& ReportSource::Entries()
{
    static const QVector<Entry> entries = MakeEntries();
    return entries;
}

const ReportSource::Entry* ReportSource::Find(const QString& code)
{
    for (const Entry& e : Entries())
        if (e.Code == code)
            return &e;
    return nullptr;
}

QString ReportSource::Normalise(const QString& typed)
{
    const QString code = typed.trimmed();
    for (const QString& form : {code, QString(code).replace(QLatin1Char('_'), QLatin1Char('-')),
                                QString(code).replace(QLatin1Char('-'), QLatin1Char('_'))})
        if (const Entry* entry = Find(form))
            return entry->Code;
    return typed;
}

QString ReportSource::LedgerTitle(const QString& code)
{
    static const QHash<QString, QString> titles{
        {QStringLiteral("3_1"), QStringLiteral("旅游企业台帐（按本期数值）")},
        {QStringLiteral("3_2"), QStringLiteral("旅游企业台帐（按累计数值）")},
        {QStringLiteral("3_3"), QStringLiteral("旅游企业台帐（按同期比较）")},
        {QStringLiteral("3_4"), QStringLiteral("旅游企业台帐（按累计比较）")},
    };
    return titles.value(code);
}

QString ReportSource::LedgerHeadingSuffix(const QString& code)
{
    if (code == QLatin1String("3_3"))
        return QStringLiteral("（同比%）");
    if (code == QLatin1String("3_4"))
        return QStringLiteral("（累比%）");
    return QString();
}

QString ReportSource::Percent(const QString& ratio)
{
    if (!ReportDocument::IsNumber(ratio))
        return ratio;
    const QString percent = QString::number(ratio.trimmed().toDouble() * 100, 'f', 2);
    return percent == QLatin1String("-0.00") ? QStringLiteral("0.00") : percent;
}

namespace {

// The ledger's figures sit in every column after the names.
void ShowPercentages(ReportDocument& document)
{
    QVector<QStringList> rows = document.Rows();
    for (QStringList& row : rows)
        for (qsizetype c = 1; c < row.size(); ++c)
            row[c] = ReportSource::Percent(row[c]);
    document.SetRows(std::move(rows));
}

// The first heading says what the rows are; an enterprise carries its code beside its name.
// The rows follow the run's order after the total.
void NameLedgerRows(ReportDocument& document, const ReportRun& run)
{
    document.SetText(QStringLiteral("Text1"), run.ByEnterprise ? QStringLiteral("企业") : QStringLiteral("地区"));
    if (!run.ByEnterprise || run.Codes.size() + 1 != document.Rows().size())
        return;
    for (int i = 1; i < document.Rows().size(); ++i) {
        const QString name = document.CellText(i, 0).trimmed();
        if (name == run.Regions[i - 1].trimmed())
            document.SetShownText(i, 0, run.Codes[i - 1].trimmed() + QLatin1Char(' ') + name);
    }
}

// Rows of regions that share a name show the name with its parent, in the run's order.
void ShowParents(ReportDocument& document, const ReportRun& run)
{
    if (run.Shown.size() != run.Regions.size() || run.ByEnterprise)
        return;
    QHash<QString, QStringList> shownOf;
    for (qsizetype i = 0; i < run.Regions.size(); ++i)
        if (run.Shown[i] != run.Regions[i])
            shownOf[run.Regions[i].trimmed()] << run.Shown[i];
    QHash<QString, int> seen;
    for (int r = 0; r < document.Rows().size(); ++r) {
        const QString name = document.CellText(r, 0).trimmed();
        const auto it = shownOf.constFind(name);
        if (it == shownOf.cend())
            continue;
        const int k = seen[name]++;
        document.SetShownText(r, 0, it->at(k % it->size()));
    }
}

// Headings the caller left empty come from the run, so a ledger printed from the command
// line is headed as it was computed.
QStringList LedgerItems(const ReportSource::Request& request, const std::optional<ReportRun>& run)
{
    const bool given = std::any_of(request.Items.begin(), request.Items.end(),
                                   [](const QString& item) { return !item.isEmpty(); });
    if (given || !run)
        return request.Items;
    QStringList items;
    for (const QString& caption : run->Captions)
        items << caption + ReportSource::LedgerHeadingSuffix(request.TableCode);
    return items;
}

// The report's rows and, when it has rows, what the last run computed and when.
std::optional<ReportRun> LoadRows(ReportDocument& document, const ReportSource::Entry& entry)
{
    Recordset rows;
    OpenOnOwnConnection(rows, entry.DataQuery);
    document.SetDataSource(rows);

    auto connection = Connection::OpenPrintConnection();
    std::optional<ReportRun> run = ReportRun::Read(*connection);
    if (run && !document.IsEmpty()) {
        document.SetRunLine(run->Line());
        document.SetRunTime(run->TimeText());
    }
    return run;
}

// The ledger takes its title and headings from the caller (or the run), its names from the run.
void DressLedger(ReportDocument& document, const ReportSource::Entry& entry,
                 const ReportSource::Request& request, const std::optional<ReportRun>& run)
{
    if (entry.IsComparison())
        ShowPercentages(document);
    if (run)
        NameLedgerRows(document, *run);
    if (run)
        ShowParents(document, *run);
    document.SetText(QStringLiteral("title"), request.Title);
    const QStringList items = LedgerItems(request, run);
    for (int k = 0; k < entry.Headings.size(); ++k)
        document.SetText(entry.Headings[k], k < items.size() ? items[k] : QString());
}

// Any other report takes its headings and title from the dictionaries.
void DressReport(ReportDocument& document, const ReportSource::Entry& entry,
                 const std::optional<ReportRun>& run)
{
    if (run && !document.IsEmpty())
        ShowParents(document, *run);

    Recordset headings;
    OpenOnOwnConnection(headings, entry.HeadingQuery);
    headings.MoveFirst();
    for (const QString& object : entry.Headings) {
        if (headings.IsEOF())
            break;
        document.SetText(object, headings.Value(QStringLiteral("content")).toString());
        headings.MoveNext();
    }

    Recordset title;
    OpenOnOwnConnection(title, entry.TitleQuery);
    if (title.RecordCount() > 0) {
        title.MoveFirst();
        document.SetText(QStringLiteral("title"), title.Value(QStringLiteral("tablename")).toString());
    }
}

} // namespace

std::unique_ptr<ReportDocument> ReportSource::Load(const Request& request)
{
    const Entry* entry = Find(request.TableCode);
    if (!entry)
        return nullptr;
    auto document = std::make_unique<ReportDocument>(*ReportLayout::Create(entry->Layout));
    document->SetCode(entry->Code);
    const std::optional<ReportRun> run = LoadRows(*document, *entry);
    if (entry->IsLedger())
        DressLedger(*document, *entry, request, run);
    else
        DressReport(*document, *entry, run);
    return document;
}
