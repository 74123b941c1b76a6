#pragma once

#include <QString>

// The checks of what the user types into the hotel window, shared by the window's
// focus-loss validators and by the command line. Pure functions: no widgets, no database.
namespace InputRules {

// accepted: the text may stay; text: what the box holds afterwards (the amount families
// rewrite it as the number rounded to two decimals, the others give it back unchanged).
struct Verdict
{
    bool accepted = false;
    QString text;
};

inline const QString YearMessage = QStringLiteral("请输入正确年份");
inline const QString YearEmptyMessage = QStringLiteral("年份不能为空");
inline const QString MonthMessage = QStringLiteral("请输入正确月份");
inline const QString DataMessage = QStringLiteral("请输入正确数据！");
inline const QString FixedAssetsMessage = QStringLiteral("请输入正确数据！（固定资产）");
inline const QString PeriodEmptyMessage = QStringLiteral("年月不能为空");
inline const QString RegionEmptyMessage = QStringLiteral("地区码不能为空");
inline const QString RegionUnknownMessage = QStringLiteral("没有这个地区码");

// The four items of every range combo, by index.
enum RangeItem { Unlimited = 0, AtLeast = 1, AtMost = 2, Between = 3 };
inline const QString RangeItemTexts[] = {QStringLiteral("不限"), QStringLiteral("不小于(≥)"),
                                         QStringLiteral("不大于（≤）"), QStringLiteral("区间")};

// Messages of the range completeness checks, in the order the run performs them.
inline const QString OpenDateEmptyMessage = QStringLiteral("开业时间不能为空！");
inline const QString FixedAssetsEmptyMessage = QStringLiteral("固定资产不能为空！");
inline const QString HireRateEmptyMessage = QStringLiteral("客房出租率不能为空！");
inline const QString IncomePerEmptyMessage = QStringLiteral("人均营业收入不能为空！");
inline const QString OpIncomeEmptyMessage = QStringLiteral("营业收入不能为空！");
inline const QString ProfitPerEmptyMessage = QStringLiteral("人均利润不能为空！");
inline const QString ReceptionNumEmptyMessage = QStringLiteral("接待人数不能为空！");
inline const QString RoomEmptyMessage = QStringLiteral("客房规模不能为空！");
inline const QString ProfitTotalEmptyMessage = QStringLiteral("利润总额不能为空！");
inline const QString RangeReversedMessage = QStringLiteral("区间下限不能大于上限");

// Empty, or four characters once trimmed: 1 or 2, then three digits.
Verdict Year(const QString& text);
// Empty, or one or two digits once trimmed, 1 to 12.
Verdict Month(const QString& text);
// Empty, or a number (optional sign, blanks around) that does not start with "-";
// accepted text becomes the number rounded to two decimals (12.3456 -> 12.35, 7.50 -> 7.5).
Verdict NonNegativeAmount(const QString& text);
// The same, negative numbers accepted.
Verdict SignedAmount(const QString& text);
// Empty (once trimmed) or a number; the text stays as typed.
Verdict RegionKey(const QString& text);

// Whether a range chosen in its combo (item index, -1 for no selection) has its numbers:
// "不小于(≥)" and "不大于（≤）" need the start box, "区间" both boxes.
bool RangeComplete(int itemIndex, const QString& startText, const QString& endText);

// Whether a "区间" has its lower bound at most its upper one; any other item, or a side that
// is no number (the completeness and focus checks speak of those), passes.
bool RangeOrdered(int itemIndex, const QString& startText, const QString& endText);

// The text an accepted amount becomes: shortest decimal form, no "-0".
QString AmountText(double value);

// A name or caption the user gives (a saved condition set, a region set, a ledger configuration,
// a ledger heading): one line without control characters, which would shift the columns of
// every report and list that shows it.
inline const QString ControlCharacterMessage = QStringLiteral("名称或标题中不能有换行、制表符等控制字符");
bool PlainText(const QString& text);

} // namespace InputRules
