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
    EXPECT_NE(combo.itemText(0), QStringLiteral("stale"));
    for (int i = 0; i < combo.count(); ++i)
        EXPECT_EQ(combo.itemData(i).toInt(), i + 1) << i;
}

} // namespace
