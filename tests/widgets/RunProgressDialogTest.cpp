#include "RunProgressDialog.h"

#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// The engine asks as it reads; the answer turns false once 取消 has been pressed.
TEST(RunProgressDialog, AnswersFalseOnceCancelled)
{
    QWidget window;
    RunProgressDialog dialog(&window);
    const auto progress = dialog.Progress();
    EXPECT_TRUE(progress(0, 1000));
    EXPECT_TRUE(progress(512, 1000));
    auto* dialogWidget = window.findChild<QProgressDialog*>();
    ASSERT_NE(dialogWidget, nullptr);
    QPushButton* cancel = nullptr;
    for (QPushButton* button : dialogWidget->findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("取消"))
            cancel = button;
    ASSERT_NE(cancel, nullptr);
    cancel->click();
    EXPECT_TRUE(dialog.Cancelled());
    EXPECT_FALSE(progress(1000, 1000));
}

} // namespace
