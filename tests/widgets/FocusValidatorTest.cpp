#include "FocusValidator.h"
#include "MessagePresenter.h"
#include "Numeric.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

const QString AmountMessage = QStringLiteral("请输入正确数据！");

// A non-negative amount, rounded to two decimals when accepted.
FocusValidator::Verdict Amount(const QString& text)
{
    if (text.isEmpty())
        return FocusValidator::Verdict::Accept();
    double value = 0;
    if (!Numeric::ParseNumber(text, &value) || text.trimmed().startsWith(QLatin1Char('-')))
        return FocusValidator::Verdict::Refuse(AmountMessage);
    return FocusValidator::Verdict::Accept(Numeric::NumberText(Numeric::RoundTwo(value)));
}

void Activate(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QCoreApplication::processEvents();
}

class MessageCapture
{
public:
    MessageCapture()
    {
        MessagePresenter::SetHandler([this](const MessagePresenter::Message& m) { shown << m; });
    }
    ~MessageCapture() { MessagePresenter::SetHandler({}); }
    QList<MessagePresenter::Message> shown;
};

// A form with a validated box, a second box, a button and a label.
struct Form
{
    Form()
    {
        auto* layout = new QVBoxLayout(&window);
        box = new QLineEdit(&window);
        box->setObjectName(QStringLiteral("txtFixedAssetsStar"));
        other = new QLineEdit(&window);
        button = new QPushButton(QStringLiteral("生成报表"), &window);
        button->setFocusPolicy(Qt::StrongFocus);
        label = new QLabel(QStringLiteral("至"), &window);
        for (QWidget* w : {static_cast<QWidget*>(box), static_cast<QWidget*>(other),
                           static_cast<QWidget*>(button), static_cast<QWidget*>(label)})
            layout->addWidget(w);
        FocusValidator::Attach(box, Amount);
        Activate(window);
        box->setFocus();
    }

    QWidget window;
    QLineEdit* box;
    QLineEdit* other;
    QPushButton* button;
    QLabel* label;
};

enum class Leave { ClickControl, ClickWindow, Tab, Backtab };

std::string LeaveName(const ::testing::TestParamInfo<Leave>& info)
{
    switch (info.param) {
    case Leave::ClickControl:
        return "ClickOnTheControl";
    case Leave::ClickWindow:
        return "ClickThroughTheWindow";
    case Leave::Tab:
        return "Tab";
    case Leave::Backtab:
        return "Backtab";
    }
    return "?";
}

// Clicks straight at the control, as test drivers do, or at the window as the platform does.
void ClickOn(Leave way, QWidget* target)
{
    if (way == Leave::ClickControl) {
        QTest::mouseClick(target, Qt::LeftButton);
        return;
    }
    QWidget* top = target->window();
    const QPoint at = target->mapTo(top, target->rect().center());
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, at);
}

void LeaveBox(Form& form, Leave way)
{
    switch (way) {
    case Leave::ClickControl:
    case Leave::ClickWindow:
        ClickOn(way, form.button);
        break;
    case Leave::Tab:
        QTest::keyClick(form.box, Qt::Key_Tab);
        break;
    case Leave::Backtab:
        QTest::keyClick(form.box, Qt::Key_Tab, Qt::ShiftModifier);
        break;
    }
}

class FocusValidatorLeaving : public ::testing::TestWithParam<Leave>
{
};

TEST_P(FocusValidatorLeaving, RefusedValueKeepsTheFocusAndTheClickDoesNotAct)
{
    MessageCapture messages;
    Form form;
    QSignalSpy clicked(form.button, &QPushButton::clicked);
    QTest::keyClicks(form.box, QStringLiteral("-5"));

    LeaveBox(form, GetParam());

    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].Text, AmountMessage);
    EXPECT_EQ(messages.shown[0].Title, QStringLiteral("Orvane"));
    EXPECT_EQ(messages.shown[0].Kind, MessagePresenter::Icon::None);
    EXPECT_EQ(QApplication::focusWidget(), form.box);
    EXPECT_EQ(form.box->text(), QStringLiteral("-5"));
    EXPECT_EQ(form.box->selectionStart(), 0);
    EXPECT_EQ(form.box->selectedText(), QStringLiteral("-5"));
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_FALSE(form.button->isDown());

    // Nothing is left over from the refused attempt: a corrected value lets the next one through.
    form.box->setText(QStringLiteral("7.50"));
    LeaveBox(form, GetParam());
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_NE(QApplication::focusWidget(), form.box);
    EXPECT_EQ(form.box->text(), QStringLiteral("7.5"));
}

TEST_P(FocusValidatorLeaving, AcceptedValueIsReplacedAndTheFocusMoves)
{
    MessageCapture messages;
    Form form;
    QSignalSpy clicked(form.button, &QPushButton::clicked);
    QTest::keyClicks(form.box, QStringLiteral("12.3456"));

    LeaveBox(form, GetParam());

    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(form.box->text(), QStringLiteral("12.35"));
    const bool click = GetParam() == Leave::ClickControl || GetParam() == Leave::ClickWindow;
    if (click) {
        EXPECT_EQ(QApplication::focusWidget(), form.button);
        EXPECT_EQ(clicked.count(), 1);
    } else {
        EXPECT_NE(QApplication::focusWidget(), form.box);
        EXPECT_EQ(clicked.count(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, FocusValidatorLeaving,
                         ::testing::Values(Leave::ClickControl, Leave::ClickWindow, Leave::Tab,
                                           Leave::Backtab),
                         LeaveName);

// A close button leaves the refused value unchecked: the window can always be closed.
TEST(FocusValidator, ExemptControlTakesTheClickWithoutAWord)
{
    for (const Leave way : {Leave::ClickControl, Leave::ClickWindow}) {
        MessageCapture messages;
        Form form;
        FocusValidator::Exempt(form.button);
        QSignalSpy clicked(form.button, &QPushButton::clicked);
        QTest::keyClicks(form.box, QStringLiteral("-5"));

        LeaveBox(form, way);

        EXPECT_TRUE(messages.shown.isEmpty());
        EXPECT_EQ(clicked.count(), 1);
        EXPECT_EQ(form.box->text(), QStringLiteral("-5"));
        // The value is still refused where it is checked on purpose.
        EXPECT_FALSE(FocusValidator::Validate(form.box));
        EXPECT_EQ(messages.shown.size(), 1);
    }
}

TEST(FocusValidator, RefusedClickIntoAnotherBoxShowsOneMessage)
{
    MessageCapture messages;
    Form form;
    FocusValidator::Attach(form.other, [](const QString&) {
        return FocusValidator::Verdict::Refuse(QStringLiteral("请输入正确年份"));
    });
    form.box->setText(QStringLiteral("abc"));

    QTest::mouseClick(form.other, Qt::LeftButton);

    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].Text, AmountMessage);
    EXPECT_EQ(QApplication::focusWidget(), form.box);
    EXPECT_EQ(form.box->selectedText(), QStringLiteral("abc"));
}

TEST(FocusValidator, ClickThatTakesNoFocusDoesNotValidate)
{
    MessageCapture messages;
    Form form;
    form.box->setText(QStringLiteral("-1"));
    ClickOn(Leave::ClickWindow, form.label);
    QTest::mouseClick(form.label, Qt::LeftButton);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), form.box);
}

TEST(FocusValidator, FocusLostToAnotherWindowOrByHidingIsNotValidated)
{
    MessageCapture messages;
    Form form;
    form.box->setText(QStringLiteral("-1"));

    QWidget second;
    auto* elsewhere = new QPushButton(QStringLiteral("x"), &second);
    Activate(second);
    elsewhere->setFocus();
    QTest::mouseClick(elsewhere, Qt::LeftButton);
    EXPECT_TRUE(messages.shown.isEmpty());

    Activate(form.window);
    form.box->setFocus();
    form.window.hide();
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(FocusValidator, ClickIntoAnotherMdiChildIsNotValidated)
{
    MessageCapture messages;
    QMdiArea area;
    auto* first = new QWidget;
    auto* box = new QLineEdit(first);
    auto* second = new QWidget;
    auto* button = new QPushButton(QStringLiteral("x"), second);
    button->setFocusPolicy(Qt::StrongFocus);
    area.addSubWindow(first)->resize(200, 100);
    area.addSubWindow(second)->move(220, 0);
    area.resize(500, 200);
    FocusValidator::Attach(box, Amount);
    Activate(area);
    box->setFocus();
    box->setText(QStringLiteral("-1"));

    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(clicked.count(), 1);
}

TEST(FocusValidator, ValidateRunsTheRuleOnDemand)
{
    MessageCapture messages;
    Form form;
    form.other->setFocus();
    form.box->setText(QStringLiteral("x1"));
    EXPECT_FALSE(FocusValidator::Validate(form.box));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(QApplication::focusWidget(), form.box);
    EXPECT_EQ(form.box->selectedText(), QStringLiteral("x1"));

    form.box->setText(QStringLiteral("3.00"));
    EXPECT_TRUE(FocusValidator::Validate(form.box));
    EXPECT_EQ(form.box->text(), QStringLiteral("3"));
    EXPECT_EQ(messages.shown.size(), 1);

    QLineEdit plain;
    EXPECT_TRUE(FocusValidator::Validate(&plain));
}

TEST(FocusValidator, EmptyRuleDetaches)
{
    MessageCapture messages;
    Form form;
    FocusValidator::Attach(form.box, {});
    form.box->setText(QStringLiteral("-1"));
    QTest::mouseClick(form.button, Qt::LeftButton);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), form.button);
}

} // namespace
