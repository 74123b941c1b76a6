#include "ControlArray.h"

#include <QCheckBox>
#include <gtest/gtest.h>

namespace {

TEST(ControlArray, ElementsAreNamedAndFoundByIndex)
{
    QWidget form;
    for (int i = 0; i < 3; ++i)
        ControlArray::Create<QCheckBox>(QStringLiteral("chkStar"), i, QStringLiteral("%1星").arg(i), &form);

    EXPECT_EQ(ControlArray::Name(QStringLiteral("chkRegtype"), 3), QStringLiteral("chkRegtype_3"));
    QCheckBox* second = ControlArray::Element<QCheckBox>(&form, QStringLiteral("chkStar"), 1);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->text(), QStringLiteral("1星"));
    EXPECT_EQ(ControlArray::Index(second), 1);

    const QList<QCheckBox*> all = ControlArray::Elements<QCheckBox>(&form, QStringLiteral("chkStar"), 4);
    ASSERT_EQ(all.size(), 4);
    EXPECT_EQ(all[2]->objectName(), QStringLiteral("chkStar_2"));
    EXPECT_EQ(all[3], nullptr);
}

TEST(ControlArray, ControlsOfNoArrayHaveNoIndex)
{
    QObject control;
    for (const char* name : {"txtYear", "chkStar_", "_3", "chk_x", "chk_-1", "chk_1a"}) {
        control.setObjectName(QString::fromLatin1(name));
        EXPECT_EQ(ControlArray::Index(&control), -1) << name;
    }
    control.setObjectName(QStringLiteral("Check2_12"));
    EXPECT_EQ(ControlArray::Index(&control), 12);
}

} // namespace
