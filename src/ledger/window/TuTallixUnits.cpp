// The unit type of TuTallix: its options and sub-boxes, the condition they give, and the
// items of the other unit types' tables that a switch leaves behind.
#include "TuTallix.h"

#include "Connection.h"
#include "FlexGrid.h"
#include "HandlerGuard.h"
#include "MessagePresenter.h"

#include <QCheckBox>
#include <QRadioButton>

namespace {

void SetBoxes(std::initializer_list<QCheckBox*> boxes, bool enabled)
{
    for (QCheckBox* box : boxes) {
        box->setEnabled(enabled);
        if (!enabled)
            box->setChecked(false);
    }
}

// The return tables of a unit type as the dictionary lists them, lower case.
QStringList TablesOfUnit(int unit)
{
    QStringList tables;
    Connection::OpenTallixConnection();
    Connection::TallixCmd->CommandText =
        QStringLiteral("SELECT tablename FROM dic_ttallix WHERE unittype = ") + QString::number(unit);
    Recordset& rs = *Connection::TallixRs;
    rs.Open(*Connection::TallixCmd);
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext())
        tables << rs.Value(QStringLiteral("tablename")).toString().trimmed().toLower();
    Connection::CloseTallixConnection();
    return tables;
}

} // namespace

void TuTallix::OptAccom_Click()
{
    SetBoxes({ChKRestaurant, ChkOther}, true);
    SetBoxes({ChkInternation, ChkNation}, false);
    OfferToRemoveForeignItems();
}

void TuTallix::OptTu_Click()
{
    SetBoxes({ChKRestaurant, ChkOther}, false);
    SetBoxes({ChkInternation, ChkNation}, true);
    OfferToRemoveForeignItems();
}

void TuTallix::OptTuArea_Click()
{
    SetBoxes({ChKRestaurant, ChkOther, ChkInternation, ChkNation}, false);
    OfferToRemoveForeignItems();
}

void TuTallix::OptOther_Click()
{
    SetBoxes({ChKRestaurant, ChkOther, ChkInternation, ChkNation}, false);
    OfferToRemoveForeignItems();
}

int TuTallix::UnitNumber() const
{
    if (OptTu->isChecked())
        return 2;
    if (OptTuArea->isChecked())
        return 3;
    if (OptOther->isChecked())
        return 4;
    return 1;
}

QString TuTallix::UnitCaption() const
{
    for (const QRadioButton* option : {OptAccom, OptTu, OptTuArea, OptOther})
        if (option->isChecked())
            return option->text();
    return QString();
}

void TuTallix::ApplyUnitType(TallixCondition& condition) const
{
    const auto subType = [](const QCheckBox* first, const QCheckBox* second) {
        if (first->isChecked() && !second->isChecked())
            return QStringLiteral("1");
        if (second->isChecked() && !first->isChecked())
            return QStringLiteral("2");
        return QString();
    };
    if (OptTu->isChecked()) {
        condition.CodeHead = QStringLiteral("A");
        condition.SubType = subType(ChkInternation, ChkNation);
    } else if (OptAccom->isChecked()) {
        condition.CodeHead = QStringLiteral("B");
        condition.SubType = subType(ChKRestaurant, ChkOther);
    } else if (OptTuArea->isChecked()) {
        condition.CodeHead = QStringLiteral("C");
    } else if (OptOther->isChecked()) {
        condition.CodeHead = QStringLiteral("D");
    }
}

void TuTallix::SetConditionUnitType()
{
    ApplyUnitType(condition_);
}

// Items of another unit type's returns sum nothing for this one: the ledger would come out
// all zeros. The register (Base01) describes every enterprise and belongs to all of them.
void TuTallix::OfferToRemoveForeignItems()
{
    if (readingConfiguration_ || FlexGridItem->Rows() <= 1)
        return;
    QStringList tables;
    if (!HandlerGuard::Run([&] { tables = TablesOfUnit(UnitNumber()); }))
        return;
    tables << QStringLiteral("base01");
    QList<int> foreign;
    QStringList captions;
    for (int r = 1; r < FlexGridItem->Rows(); ++r) {
        if (!tables.contains(FlexGridItem->TextMatrix(r, 2).trimmed().toLower())) {
            foreign << r;
            captions << FlexGridItem->TextMatrix(r, 0).trimmed();
        }
    }
    if (foreign.isEmpty() ||
        !MessagePresenter::Ask(QStringLiteral("已有项目中有 %1 项不属于“%2”的表：%3。\n是否删除这些项目？")
                                   .arg(foreign.size())
                                   .arg(UnitCaption(), captions.join(QStringLiteral("、")))))
        return;
    // Keep the other rows and their origins in order.
    int kept = 1;
    for (int r = 1; r < FlexGridItem->Rows(); ++r) {
        if (foreign.contains(r))
            continue;
        for (int c = 0; c < FlexGridItem->Cols(); ++c)
            FlexGridItem->SetTextMatrix(kept, c, FlexGridItem->TextMatrix(r, c));
        itemOrigins_[static_cast<std::size_t>(kept - 1)] = itemOrigins_[static_cast<std::size_t>(r - 1)];
        ++kept;
    }
    FlexGridItem->SetRows(kept);
}
