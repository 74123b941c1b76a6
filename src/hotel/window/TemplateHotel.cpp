#include "TemplateHotel.h"

#include "Connection.h"
#include "FlexGrid.h"
#include "InputRules.h"
#include "SavedSets.h"
#include "SqlText.h"
#include "frmRestaurant.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>

namespace Template {

namespace {

// The stored range columns, in the order of frmRestaurant::RangeGroups().
const char* const RangeColumns[frmRestaurant::RangeCount] = {"Opendate",     "Rooms",      "Operationincome",
                                                             "Profittotal",  "Fixedasset", "Hirerate",
                                                             "Receptionnum", "Incomeper",  "Profitper"};

using SavedSets::Count;
using SavedSets::Execute;
using SavedSets::Query;

template <std::size_t N> QString Ticks(const std::array<QCheckBox*, N>& boxes)
{
    QString ticks;
    for (const QCheckBox* box : boxes)
        ticks += box->isChecked() ? QLatin1Char('Y') : QLatin1Char('N');
    return ticks;
}

// "Y" ticks a box, "N" unticks it; any other character, or none, leaves it as it is.
template <std::size_t N> void SetTicks(const std::array<QCheckBox*, N>& boxes, const QString& stored)
{
    const QString ticks = stored.trimmed();
    for (std::size_t i = 0; i < N && static_cast<qsizetype>(i) < ticks.size(); ++i) {
        if (ticks[i] == QLatin1Char('Y'))
            boxes[i]->setChecked(true);
        else if (ticks[i] == QLatin1Char('N'))
            boxes[i]->setChecked(false);
    }
}

void InsertHotelConditionRow(const frmRestaurant& form, const QString& name)
{
    QStringList values;
    values << form.txtYear->text().trimmed() << form.txtMonth->text().trimmed() << Ticks(form.chkRegtype)
           << Ticks(form.chkStar);
    for (const frmRestaurant::RangeGroup& g : form.RangeGroups())
        values << RangeValueText(g.Combo->currentText(), g.Start->text(), g.End->text());
    values << Ticks(form.chkB) << name;

    QString sql = QStringLiteral("INSERT INTO Condition VALUES(");
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0)
            sql += QLatin1Char(',');
        sql += SqlText::Quoted(values[i]);
    }
    sql += QLatin1Char(')');
    Execute(sql);
}

void InsertHotelConditionAreas(const frmRestaurant& form, const QString& name)
{
    for (int row = 1; row < form.FlexGrid->Rows(); ++row)
        Execute(QStringLiteral(" INSERT INTO Area VALUES('") +
                SqlText::Escape(form.FlexGrid->TextMatrix(row, 0).trimmed()) + QStringLiteral("','") +
                SqlText::Escape(form.FlexGrid->TextMatrix(row, 1).trimmed()) + QStringLiteral("','") +
                SqlText::Escape(name) + QStringLiteral("')"));
}

void ReadHotelConditionAreas(frmRestaurant& form, const QString& name)
{
    form.FlexGrid->SetRows(1);
    Recordset& rs = Query(QStringLiteral("SELECT * FROM Area WHERE conditionname='") + SqlText::Escape(name) +
                          QStringLiteral("'"));
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) {
        const int row = form.FlexGrid->Rows();
        form.FlexGrid->AddItem(QString());
        form.FlexGrid->SetTextMatrix(row, 0, rs.Value(QStringLiteral("Areacode")).toString().trimmed());
        form.FlexGrid->SetTextMatrix(row, 1, rs.Value(QStringLiteral("Areaname")).toString().trimmed());
    }
}

void ReadHotelConditionRow(frmRestaurant& form, const QString& name)
{
    Recordset& rs = Query(QStringLiteral("SELECT * FROM Condition WHERE conditionname='") +
                          SqlText::Escape(name) + QStringLiteral("'"));
    if (rs.RecordCount() == 0)
        return;
    rs.MoveFirst();
    const auto text = [&rs](const char* column) { return rs.Value(QLatin1String(column)).toString(); };

    form.txtYear->setText(text("Year").trimmed());
    form.txtMonth->setText(text("Month").trimmed());
    SetTicks(form.chkRegtype, text("Regtype"));
    SetTicks(form.chkStar, text("Starlevel"));
    const auto groups = form.RangeGroups();
    for (int g = 0; g < frmRestaurant::RangeCount; ++g) {
        const RangeValue range = SplitRangeValue(text(RangeColumns[g]));
        form.SelectRangeItem(g, RangeItemIndex(range.Item).value_or(InputRules::Unlimited));
        // A box the item disables still gets its stored text.
        groups[g].Start->setText(range.Start);
        groups[g].End->setText(range.End);
    }
    SetTicks(form.chkB, text("Statistictype"));
}

void DeleteHotelConditionRows(const QString& name)
{
    const QString quoted = SqlText::Escape(name.trimmed());
    Execute(QStringLiteral("DELETE  FROM Condition WHERE Condition.conditionname='") + quoted +
            QStringLiteral("'"));
    Execute(QStringLiteral("DELETE  FROM Area WHERE Area.conditionname='") + quoted + QStringLiteral("'"));
}

} // namespace

void SaveHotelCondition(const frmRestaurant& form, const QString& name)
{
    const QString trimmed = name.trimmed();
    const QString quoted = SqlText::Escape(trimmed);
    // Each table is asked on its own: region rows left without a Condition row must go too.
    const int conditions =
        Count(QStringLiteral("SELECT COUNT(conditionname) FROM Condition WHERE conditionname='") + quoted +
              QStringLiteral("'"));
    const int areas = Count(QStringLiteral("SELECT COUNT(conditionname) FROM Area WHERE conditionname='") +
                            quoted + QStringLiteral("'"));
    SavedSets::Write([&] {
        if (conditions != 0 || areas != 0)
            DeleteHotelConditionRows(trimmed);
        InsertHotelConditionRow(form, trimmed);
        InsertHotelConditionAreas(form, trimmed);
    });
}

void OpenHotelCondition(frmRestaurant& form, const QString& name)
{
    const QString trimmed = name.trimmed();
    ReadHotelConditionAreas(form, trimmed);
    ReadHotelConditionRow(form, trimmed);
}

void DeleteHotelCondition(const QString& name)
{
    SavedSets::Write([&] { DeleteHotelConditionRows(name); });
}

QString RangeValueText(const QString& item, const QString& start, const QString& end)
{
    return item.trimmed() + QLatin1Char('$') + start.trimmed() + QLatin1Char('#') + end.trimmed() +
           QLatin1Char('!');
}

RangeValue SplitRangeValue(const QString& value)
{
    const qsizetype d = value.indexOf(QLatin1Char('$'));
    const qsizetype h = value.indexOf(QLatin1Char('#'));
    const qsizetype x = value.indexOf(QLatin1Char('!'));
    if (d < 0 || h < d || x < h)
        return {value.trimmed(), QString(), QString()};
    return {value.left(d).trimmed(), value.mid(d + 1, h - d - 1).trimmed(),
            value.mid(h + 1, x - h - 1).trimmed()};
}

std::optional<int> RangeItemIndex(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (int i = 0; i < 4; ++i)
        if (trimmed == InputRules::RangeItemTexts[i])
            return i;
    return std::nullopt;
}

} // namespace Template
