#pragma once

#include "InputRules.h"

#include <QString>

// The input rules and messages of the ledger, shared by the window and the command line.
namespace TallixInput {

inline const QString& YearMessage = InputRules::YearMessage;
inline const QString& MonthMessage = InputRules::MonthMessage;
inline const QString& DataMessage = InputRules::DataMessage;
inline const QString& PeriodEmptyMessage = InputRules::PeriodEmptyMessage;
inline const QString CodeEmptyMessage = QStringLiteral("地区码不能为空");
inline const QString NoRegionMessage = QStringLiteral("没有这个地区码");
inline const QString NoEnterpriseMessage = QStringLiteral("没有这个企业码");
// A region with enterprises, none of them of the chosen unit type (%1: its caption).
inline const QString NoEnterpriseOfUnitMessage = QStringLiteral("该地区没有“%1”类的企业");
inline const QString TooManyItemsMessage = QStringLiteral("因最多只处理8项，所以建议先删除一部分再添加");
inline const QString DoneMessage = QStringLiteral("计算完成！");

// The ledger has room for this many columns.
constexpr int MaxItems = 8;

// The year and month rules of the other analyses.
bool YearAccepted(const QString& text);
bool MonthAccepted(const QString& text);
// Empty or a number (the region key box).
bool RegionKeyAccepted(const QString& text);
// The key filter of the region box of the enterprise panel: digits, "." and backspace.
bool EnterpriseRegionKeyAccepted(QChar key);

} // namespace TallixInput
