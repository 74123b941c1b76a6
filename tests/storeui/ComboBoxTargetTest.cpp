#include "ComboBoxTarget.h"
#include "Connection.h"
#include "TempAppFolder.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

TEST(ComboBoxTarget, FilledFromTheHotelReportDictionary)
{
    TempAppFolder app;
    QComboBox combo;
    combo.addItem(QStringLiteral("stale"));
    ComboBoxTarget target(combo);

    Connection::FillComboFromDictionary(target, QStringLiteral("DIC_tablename"), 1);

    ASSERT_EQ(combo.count(), 10);
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_EQ(combo.itemText(0), QStringLiteral("表1-1 旅游饭店基本情况（按登记注册类型、规模、星级分）"));
    EXPECT_EQ(combo.itemText(9), QStringLiteral("表1-10 旅游饭店劳动生产率"));
    for (int i = 0; i < combo.count(); ++i)
        EXPECT_EQ(combo.itemData(i).toInt(), i + 1) << i;
}

} // namespace
