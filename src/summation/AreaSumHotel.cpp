// The Hotel pass of AreaSum.
#include "AreaSum.h"

#include "ConversionError.h"
#include "DbConnection.h"
#include "HotelAreaData.h"
#include "HotelCondition.h"
#include "Numeric.h"
#include "Recordset.h"
#include "RegionBuckets.h"
#include "RegionSelection.h"
#include "SourcePeriod.h"
#include "SourceSchema.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <vector>

namespace {

// What a column of the hotel query does to the record.
enum class Action { Ignore, RegType, Star, Rooms, Beds, Int32, Double };

struct ColumnAction
{
    Action action = Action::Ignore;
    double HotelAreaData::*field = nullptr;         // for Int32 and Double
    double HotelAreaComplex::*groupField = nullptr; // the group sum the column feeds, if any
};

// The whole-number counts of a return, summed alike.
const std::pair<const char*, double HotelAreaData::*> GuestCounts[] = {
    {"InTourist", &HotelAreaData::InTourist},
    {"InTouristDay", &HotelAreaData::InTouristDay},
    {"TWer", &HotelAreaData::TWer},
    {"TWerDay", &HotelAreaData::TWerDay},
    {"Macaoer", &HotelAreaData::Macaoer},
    {"MacaoerDay", &HotelAreaData::MacaoerDay},
    {"HKer", &HotelAreaData::HKer},
    {"HkerDay", &HotelAreaData::HkerDay},
    {"ForeignDay", &HotelAreaData::ForeignDay},
    {"Japan", &HotelAreaData::Japan},
    {"Korea", &HotelAreaData::Korea},
    {"Mongolia", &HotelAreaData::Mongolia},
    {"Indonesia", &HotelAreaData::Indonesia},
    {"Malaysia", &HotelAreaData::Malaysia},
    {"Philippines", &HotelAreaData::Philippines},
    {"Singapore", &HotelAreaData::Singapore},
    {"Thailand", &HotelAreaData::Thailand},
    {"India", &HotelAreaData::India},
    {"Vietnam", &HotelAreaData::Vietnam},
    {"Burma", &HotelAreaData::Burma},
    {"NKorea", &HotelAreaData::NKorea},
    {"Pakistan", &HotelAreaData::Pakistan},
    {"OAs", &HotelAreaData::OAs},
    {"Britain", &HotelAreaData::Britain},
    {"France", &HotelAreaData::France},
    {"Germany", &HotelAreaData::Germany},
    {"Italy", &HotelAreaData::Italy},
    {"Swiss", &HotelAreaData::Swiss},
    {"Sweden", &HotelAreaData::Sweden},
    {"Russia", &HotelAreaData::Russia},
    {"Spain", &HotelAreaData::Spain},
    {"OEu", &HotelAreaData::OEu},
    {"USA", &HotelAreaData::USA},
    {"Canada", &HotelAreaData::Canada},
    {"OAm", &HotelAreaData::OAm},
    {"Australia", &HotelAreaData::Australia},
    {"NewZealand", &HotelAreaData::NewZealand},
    {"OO", &HotelAreaData::OO},
    {"Africa", &HotelAreaData::Africa},
    {"Other", &HotelAreaData::Other},
    {"YearendEmployment", &HotelAreaData::YearendEmployment},
};

// The actions by lower-case column name; names, if given, receives the columns read, as
// the source schema spells them.
QHash<QString, ColumnAction> ActionsByName(QStringList* names = nullptr)
{
    using D = HotelAreaData;
    using G = HotelAreaComplex;
    QHash<QString, ColumnAction> map;
    auto add = [&map, names](const char* name, ColumnAction a) {
        map.insert(QString::fromLatin1(name).toLower(), a);
        if (names && a.action != Action::Ignore)
            *names << QString::fromLatin1(name);
    };

    add("RegistrationType", {Action::RegType, nullptr, nullptr});
    add("UnitType", {Action::Ignore, nullptr, nullptr});
    add("AccommodationStar", {Action::Star, nullptr, nullptr});
    add("Rooms", {Action::Rooms, &D::Rooms, &G::Rooms});
    add("Beds", {Action::Beds, &D::Beds, &G::Beds});

    for (const auto& [name, field] : GuestCounts)
        add(name, {Action::Int32, field, nullptr});
    add("RealRoomDay", {Action::Int32, &D::RealRoomDay, &G::RealRoomDay});
    add("CheckRoomDay", {Action::Int32, &D::CheckRoomDay, &G::CheckRoomDay});

    add("RoomIncome", {Action::Double, &D::RoomIncome, &G::RoomIncome});
    add("RestaurantIncome", {Action::Double, &D::RestaurantIncome, &G::RestaurantIncome});
    add("OtherIncome", {Action::Double, &D::OtherIncome, &G::OtherIncome});
    add("OperationTaxAddition", {Action::Double, &D::OperationTaxAddition, &G::OperationTaxAddition});
    add("FixAssetsInitialPrice", {Action::Double, &D::FixAssetsInitialPrice, &G::FixAssetsInitialPrice});
    add("OperationIncome", {Action::Double, &D::OperationIncome, nullptr});
    add("ProfitTotal", {Action::Double, &D::ProfitTotal, nullptr});
    return map;
}

// The actions of a statement's columns, worked out once per run rather than per row.
struct HotelColumns
{
    QStringList names;
    std::vector<ColumnAction> actions;
    std::vector<int> groupColumns; // the columns a group sums, in column order
    int codeColumn = -1;
};

HotelColumns ColumnsOf(const Recordset& fields)
{
    static const QHash<QString, ColumnAction> byName = ActionsByName();
    HotelColumns columns;
    columns.names = fields.FieldNames();
    columns.actions.assign(columns.names.size(), ColumnAction{});
    for (qsizetype i = 0; i < columns.names.size(); ++i) {
        columns.actions[i] = byName.value(columns.names[i].toLower());
        if (columns.actions[i].groupField)
            columns.groupColumns.push_back(static_cast<int>(i));
    }
    columns.codeColumn = fields.IndexOf(QStringLiteral("code"));
    return columns;
}

// Converts one value of the current row; a failure names the enterprise and the column.
template <typename Convert>
auto Converted(Convert convert, const Recordset& fields, const HotelColumns& columns, int column)
{
    const SqlValue& value = fields.CurrentRow()[column];
    try {
        return convert(value);
    } catch (const ConversionError& e) {
        const QString code = columns.codeColumn >= 0
                                 ? fields.CurrentRow()[columns.codeColumn].toString().trimmed()
                                 : QString();
        throw e.WithContext(QStringLiteral("企业 ") + code + QStringLiteral("，字段 ") +
                            columns.names[column]);
    }
}

std::int16_t Int16At(const Recordset& fields, const HotelColumns& columns, int column)
{
    return Converted([](const SqlValue& v) { return Numeric::ToInt16(v); }, fields, columns, column);
}

std::int32_t Int32At(const Recordset& fields, const HotelColumns& columns, int column)
{
    return Converted([](const SqlValue& v) { return Numeric::ToInt32(v); }, fields, columns, column);
}

double DoubleAt(const Recordset& fields, const HotelColumns& columns, int column)
{
    return Converted([](const SqlValue& v) { return Numeric::ToDouble(v); }, fields, columns, column);
}

// The columns the hotel pass reads, each taken from the first of base05, base01 and base06
// that has it, as "SELECT *" would hand them over; the driver's conversion of the columns
// nobody reads (names, dates, the text of every code) cost a fifth of the run. A column the
// source lacks would be a silent 0, so it stops the run.
QString HotelSelectList(DbConnection& source, const QString& statement)
{
    static const QStringList read = [] {
        QStringList names{QStringLiteral("code"), QStringLiteral("regionalismcode")};
        ActionsByName(&names);
        return names;
    }();
    const QStringList tables{QStringLiteral("Base05"), QStringLiteral("Base01"), QStringLiteral("Base06")};
    QHash<QString, QString> tableOf; // lower-case column -> first table that has it
    for (const QString& table : tables) {
        Recordset columns;
        columns.Open(QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table), source);
        if (columns.RecordCount() == 0)
            return QStringLiteral("*"); // no such table: the engine's own words say so
        for (columns.MoveFirst(); !columns.IsEOF(); columns.MoveNext()) {
            const QString name = columns.Value(0).toString().toLower();
            if (!tableOf.contains(name))
                tableOf.insert(name, table);
        }
    }
    QStringList list;
    for (const QString& column : read) {
        const QString table = tableOf.value(column.toLower());
        if (table.isEmpty())
            throw SourceSchema::MissingColumn(column, tables, statement);
        list << table + QLatin1Char('.') + column;
    }
    return list.join(QLatin1Char(','));
}

// The whole-number figures the groups sum (money included), converted when a record enters
// its first group and reused by the others it enters.
class GroupFigures
{
public:
    GroupFigures(const Recordset& fields, const HotelColumns& columns) : fields_(fields), columns_(columns) {}

    void AddTo(HotelAreaComplex& group)
    {
        if (!converted_)
            Convert();
        group.HotelNum += 1;
        for (std::size_t k = 0; k < count_; ++k)
            if (present_[k])
                group.*columns_.actions[columns_.groupColumns[k]].groupField += values_[k];
    }

private:
    void Convert()
    {
        const Recordset::Row row = fields_.CurrentRow();
        count_ = std::min(columns_.groupColumns.size(), values_.size());
        for (std::size_t k = 0; k < count_; ++k) {
            const int i = columns_.groupColumns[k];
            present_[k] = !row[i].isNull();
            if (present_[k])
                values_[k] = Int32At(fields_, columns_, i);
        }
        converted_ = true;
    }

    const Recordset& fields_;
    const HotelColumns& columns_;
    bool converted_ = false;
    std::size_t count_ = 0;
    // Nine columns feed the groups.
    std::array<std::int32_t, 16> values_{};
    std::array<bool, 16> present_{};
};

void AddToRegTypeGroup(HotelAreaData& record, std::int16_t code, GroupFigures& figures)
{
    using D = HotelAreaData;
    static const std::pair<std::int16_t, HotelAreaComplex D::*> groups[] = {
        {110, &D::RegType1},  {120, &D::RegType2},  {130, &D::RegType3},  {140, &D::RegType4},
        {150, &D::RegType5},  {160, &D::RegType6},  {170, &D::RegType7},  {190, &D::RegType8},
        {210, &D::RegType11}, {220, &D::RegType12}, {230, &D::RegType13}, {240, &D::RegType14},
        {310, &D::RegType21}, {320, &D::RegType22}, {330, &D::RegType23}, {340, &D::RegType24},
    };
    if (code < 110 || code > 340)
        return;
    for (const auto& [groupCode, group] : groups)
        if (groupCode == code) {
            figures.AddTo(record.*group);
            return;
        }
}

void AddToStarGroup(HotelAreaData& record, std::int16_t star, GroupFigures& figures)
{
    HotelAreaComplex* const stars[] = {&record.HotelNumStar0, &record.HotelNumStar1, &record.HotelNumStar2,
                                       &record.HotelNumStar3, &record.HotelNumStar4, &record.HotelNumStar5};
    if (star >= 0 && star <= 5)
        figures.AddTo(*stars[star]);
}

void AddToRoomsGroup(HotelAreaData& record, std::int16_t rooms, GroupFigures& figures)
{
    if (rooms >= 500)
        figures.AddTo(record.HotelNumRoomsAbove500);
    else if (rooms >= 300)
        figures.AddTo(record.HotelNumRoomsBetween300And499);
    else if (rooms < 100)
        figures.AddTo(record.HotelNumRoomsBelow99);
    else if (rooms < 200)
        figures.AddTo(record.HotelNumRoomsBetween100And199);
    else
        figures.AddTo(record.HotelNumRoomsBetween200And299);
}

// Adds one record's figures and groups to the aggregate.
void LoadHotelRecord(HotelAreaData& record, const Recordset& fields, const HotelColumns& columns)
{
    const Recordset::Row row = fields.CurrentRow();
    GroupFigures groups(fields, columns);
    for (int i = 0; i < static_cast<int>(columns.actions.size()); ++i) {
        const ColumnAction& a = columns.actions[i];
        if (a.action == Action::Ignore || row[i].isNull())
            continue;
        switch (a.action) {
        case Action::RegType:
            AddToRegTypeGroup(record, Int16At(fields, columns, i), groups);
            break;
        case Action::Star:
            AddToStarGroup(record, Int16At(fields, columns, i), groups);
            break;
        case Action::Rooms: {
            const std::int16_t rooms = Int16At(fields, columns, i);
            record.Rooms += rooms;
            AddToRoomsGroup(record, rooms, groups);
            break;
        }
        case Action::Beds:
            record.Beds += Int16At(fields, columns, i);
            break;
        case Action::Int32:
            record.*a.field += Int32At(fields, columns, i);
            break;
        case Action::Double:
            record.*a.field += DoubleAt(fields, columns, i);
            break;
        case Action::Ignore:
            break;
        }
    }
}

} // namespace

QString AreaSum::HotelSql(const QString& regionClause, const HotelCondition& condition,
                          const QString& columns)
{
    QString sql =
        QStringLiteral("SELECT ") + columns +
        QStringLiteral(" FROM base05 INNER JOIN base01 on base01.code=base05.code ") +
        QStringLiteral(" LEFT JOIN base06 on base01.code=base06.code AND Year(base06.TableDate) = "
                       "Year(base05.TableDate) AND  Month(base06.TableDate)= Month(base05.TableDate) ") +
        // base05 holds the condition's month only, so its partner lies in the same range.
        QStringLiteral("AND ") +
        SourcePeriod::Range(QStringLiteral("base06.TableDate"), condition.YearStat, condition.MonthStat) +
        QStringLiteral(" WHERE ");
    if (!regionClause.isEmpty())
        sql += regionClause + QStringLiteral(" AND ");
    return sql + condition.DateSql(QStringLiteral("base05")) + QStringLiteral(" AND ") +
           condition.StarLevelSql() + QStringLiteral(" AND ") + condition.StatCategorySql() +
           QStringLiteral(" AND ") + condition.RegTypeSql() + QStringLiteral(" AND ") +
           condition.OpenDateSql() + QStringLiteral(" AND ") + condition.RoomsSql() +
           QStringLiteral(" AND ") + condition.FixedAssetsSql() + QStringLiteral(" AND ") +
           condition.ProfitTotalSql() + QStringLiteral(" AND ") + condition.OperateIncomeSql() +
           QStringLiteral(" AND ") +
           SourcePeriod::Range(QStringLiteral("base05.TableDate"), condition.YearStat, condition.MonthStat);
}

RunResult<HotelAreaData> AreaSum::CalculateHotelRegions(const QStringList& areacodes,
                                                        const HotelCondition& condition,
                                                        const RunProgress& progress)
{
    auto run = RunResult<HotelAreaData>::ForRegions(areacodes);
    if (areacodes.isEmpty())
        return run;
    RegionSelection regions(areacodes);

    const SourceSession session(*this);
    const QString regionClause = regions.Clause(QStringLiteral("regionalismcode"));
    OpenRecordset(
        HotelSql(regionClause, condition, HotelSelectList(*connection_, HotelSql(regionClause, condition))));
    const HotelColumns columns = ColumnsOf(*recordset_);
    const int regionColumn = recordset_->IndexOf(QStringLiteral("regionalismcode"));
    const int total = recordset_->RecordCount();
    RegionBuckets<HotelAreaData> buckets(regions);
    const bool testsEachHotel = condition.TestsEachHotel();
    HotelAreaData record;
    int done = 0;
    for (recordset_->MoveFirst(); !recordset_->IsEOF(); recordset_->MoveNext(), ++done) {
        Report(progress, done, total);
        // A record of no selected region is neither read nor tested, as no region's own
        // statement would have returned it.
        HotelAreaData* const sum = buckets.Find(recordset_->CurrentRow()[regionColumn]);
        if (!sum)
            continue;
        // Where no test can refuse a hotel, its record is summed where it stands: the sums
        // come out the same, with no copy of the hotel's own figures to clear and add.
        if (!testsEachHotel) {
            sum->HotelNum += 1;
            LoadHotelRecord(*sum, *recordset_, columns);
            continue;
        }
        record.Clear();
        record.HotelNum = 1;
        LoadHotelRecord(record, *recordset_, columns);
        // Groups were filled while loading; only a record that passes reaches the regions.
        if (!condition.RentPercentValide(record.RentPercent()) ||
            !condition.ReceptionNumValide(record.InTourist + record.EntryTourist()) ||
            !condition.IncomePerValide(record.LaborProductivity()) ||
            !condition.ProfitPerValide(record.ProfitTotalPerCapita()))
            continue;
        HotelAreaData::AddHotelAreaData(*sum, record);
    }
    buckets.AddTo(run, &HotelAreaData::AddHotelAreaData);
    return run;
}

std::shared_ptr<HotelAreaData> AreaSum::CalculateHotel(const QString& areacode,
                                                       const HotelCondition& condition)
{
    return CalculateHotelRegions({areacode}, condition).Items.front();
}
