// The controls of the hotel conditions window: creation, layout, tab order, validators and
// the wiring of the handlers.
#include "frmRestaurant.h"

#include "ControlArray.h"
#include "FlexGrid.h"
#include "FocusValidator.h"
#include "HotelCondition.h"
#include "HotelRanges.h"
#include "HotelRun.h"
#include "InputRules.h"
#include "ReflowLayout.h"
#include "ScrollBody.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* Box(const char* name, QWidget* parent, int width)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setFixedWidth(width);
    return box;
}

QPushButton* Button(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    // Buttons take the focus on a click, so a box holding a refused value can stop the click.
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAutoDefault(false);
    return button;
}

using Family = InputRules::Verdict (*)(const QString&);

FocusValidator::Rule Rule(Family family, const QString& message)
{
    return [family, message](const QString& text) {
        const InputRules::Verdict verdict = family(text);
        return verdict.accepted ? FocusValidator::Verdict::Accept(verdict.text)
                                : FocusValidator::Verdict::Refuse(message);
    };
}

} // namespace

void frmRestaurant::CreateControls()
{
    auto* left = new QVBoxLayout;
    left->addWidget(CreatePeriodGroup());
    left->addWidget(CreateRegionGroup(), 1);

    auto* right = new QVBoxLayout;
    right->addWidget(CreateTickGroups());
    right->addWidget(CreateRangeGroups());
    right->addStretch(1);
    right->addWidget(CreateStoreGroup());

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);

    auto* footer = new QHBoxLayout;
    footer->addWidget(CreateCommandRow());
    ScrollBody::Build(this, columns, footer);

    SetTabOrder();
    AttachValidators();
    ConnectHandlers();
}

QWidget* frmRestaurant::CreatePeriodGroup()
{
    QGroupBox* frame = new QGroupBox(QStringLiteral("日期："), this);
    txtYear = Box("txtYear", frame, 70);
    txtMonth = Box("txtMonth", frame, 50);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(txtYear);
    row->addWidget(new QLabel(QStringLiteral("年(YYYY)"), frame));
    row->addSpacing(12);
    row->addWidget(txtMonth);
    row->addWidget(new QLabel(QStringLiteral("月(MM)"), frame));
    row->addStretch(1);
    return frame;
}

QWidget* frmRestaurant::CreateRegionGroup()
{
    QGroupBox* frame = new QGroupBox(QStringLiteral("地区分类"), this);
    txtRegionKey = Box("txtRegionKey", frame, 110);
    cmdAddnewRegion = Button("cmdAddnewRegion", QStringLiteral("添加"), frame);
    FlexGrid = new ::FlexGrid(frame);
    FlexGrid->setObjectName(QStringLiteral("FlexGrid"));
    FlexGrid->SetCols(2);
    FlexGrid->setMinimumWidth(250);
    FlexGrid->setMinimumHeight(160);
    cmdDelRegion = Button("cmdDelRegion", QStringLiteral("删除"), frame);

    auto* add = new QHBoxLayout;
    add->addWidget(new QLabel(QStringLiteral("新地区"), frame));
    add->addWidget(txtRegionKey);
    add->addWidget(cmdAddnewRegion);
    add->addStretch(1);

    auto* del = new QHBoxLayout;
    del->addStretch(1);
    del->addWidget(cmdDelRegion);

    auto* column = new QVBoxLayout(frame);
    column->addLayout(add);
    column->addWidget(new QLabel(QStringLiteral("已有地区："), frame));
    column->addWidget(FlexGrid, 1);
    column->addLayout(del);
    return frame;
}

QWidget* frmRestaurant::CreateTickGroups()
{
    auto* holder = new QWidget(this);
    auto* grid = new QGridLayout(holder);
    grid->setContentsMargins(0, 0, 0, 0);

    QGroupBox* regFrame = new QGroupBox(QStringLiteral("注册类型"), holder);
    // Two rows of five on a narrow window.
    auto* regRow = new ReflowLayout(10, regFrame);
    regRow->setContentsMargins(9, 9, 9, 9);
    for (int i = 0; i < 10; ++i) {
        chkRegtype[i] = ControlArray::Create<QCheckBox>(QStringLiteral("chkRegtype"), i,
                                                        QString::fromUtf8(HotelRun::RegtypeBoxes()[i].Caption),
                                                        regFrame);
        regRow->addWidget(chkRegtype[i]);
    }

    QGroupBox* starFrame = new QGroupBox(QStringLiteral("星级"), holder);
    auto* starRow = new QHBoxLayout(starFrame);
    for (int i = 0; i < 6; ++i) {
        chkStar[i] = ControlArray::Create<QCheckBox>(QStringLiteral("chkStar"), i,
                                                     QString::number(i) + QStringLiteral("星"), starFrame);
        starRow->addWidget(chkStar[i]);
    }
    starRow->addStretch(1);

    QGroupBox* categoryFrame = new QGroupBox(QStringLiteral("统计类别"), holder);
    auto* categoryRow = new QHBoxLayout(categoryFrame);
    for (int i = 0; i < 5; ++i) {
        chkB[i] = ControlArray::Create<QCheckBox>(QStringLiteral("chkB"), i,
                                                  HotelCondition::AllCategories()[i], categoryFrame);
        categoryRow->addWidget(chkB[i]);
    }
    categoryRow->addStretch(1);

    grid->addWidget(regFrame, 0, 0, 1, 2);
    grid->addWidget(starFrame, 1, 0);
    grid->addWidget(categoryFrame, 1, 1);
    return holder;
}

QWidget* frmRestaurant::CreateRangeGroups()
{
    const struct
    {
        const char* caption;
        const char* combo;
        const char* start;
        const char* end;
        QComboBox* frmRestaurant::*comboMember;
        QLineEdit* frmRestaurant::*startMember;
        QLineEdit* frmRestaurant::*endMember;
    } groups[RangeCount] = {
        {"开业时间（YYYY）", "cmbAccomStar", "txtAccomStar", "txtAccomEnd", &frmRestaurant::cmbAccomStar,
         &frmRestaurant::txtAccomStar, &frmRestaurant::txtAccomEnd},
        {"客房规模（间）", "cmbRoom", "txtRoomStar", "txtRoomEnd", &frmRestaurant::cmbRoom,
         &frmRestaurant::txtRoomStar, &frmRestaurant::txtRoomEnd},
        {"营业收入（万元）", "cmbOpIncome", "txtOpIncomeStar", "txtOpIncomeEnd", &frmRestaurant::cmbOpIncome,
         &frmRestaurant::txtOpIncomeStar, &frmRestaurant::txtOpIncomeEnd},
        {"利润总额（万元）", "cmbProfitTotal", "txtProfitTotalStar", "txtProfitTotalEnd",
         &frmRestaurant::cmbProfitTotal, &frmRestaurant::txtProfitTotalStar,
         &frmRestaurant::txtProfitTotalEnd},
        {"固定资产（万元）", "cmbFixedAssets", "txtFixedAssetsStar", "txtFixedAssetsEnd",
         &frmRestaurant::cmbFixedAssets, &frmRestaurant::txtFixedAssetsStar,
         &frmRestaurant::txtFixedAssetsEnd},
        {"客房出租率（%）", "cmbHireRate", "txtHireRateStar", "txtHireRateEnd", &frmRestaurant::cmbHireRate,
         &frmRestaurant::txtHireRateStar, &frmRestaurant::txtHireRateEnd},
        {"接待人数（人）", "cmbReceptionNum", "txtReceptionNumStar", "txtReceptionNumEnd",
         &frmRestaurant::cmbReceptionNum, &frmRestaurant::txtReceptionNumStar,
         &frmRestaurant::txtReceptionNumEnd},
        {"人均营业收入（万元）", "cmbIncomePer", "txtIncomePerStar", "txtIncomePerEnd",
         &frmRestaurant::cmbIncomePer, &frmRestaurant::txtIncomePerStar, &frmRestaurant::txtIncomePerEnd},
        {"人均利润（万元）", "cmbProfitPer", "txtProfitPerStar", "txtProfitPerEnd",
         &frmRestaurant::cmbProfitPer, &frmRestaurant::txtProfitPerStar, &frmRestaurant::txtProfitPerEnd},
    };

    auto* holder = new QWidget(this);
    // Three groups a row where there is room, two or one where not.
    auto* grid = new ReflowLayout(3, holder);
    for (int i = 0; i < RangeCount; ++i) {
        const auto& g = groups[i];
        QGroupBox* frame = new QGroupBox(QString::fromUtf8(g.caption), holder);
        auto* combo = new QComboBox(frame);
        combo->setObjectName(QLatin1String(g.combo));
        combo->setFocusPolicy(Qt::StrongFocus);
        QLineEdit* start = Box(g.start, frame, 72);
        QLineEdit* end = Box(g.end, frame, 72);
        this->*g.comboMember = combo;
        this->*g.startMember = start;
        this->*g.endMember = end;

        auto* row = new QHBoxLayout(frame);
        row->addWidget(combo, 1);
        row->addWidget(start);
        row->addWidget(new QLabel(QStringLiteral("至"), frame));
        row->addWidget(end);
        grid->addWidget(frame);
    }
    return holder;
}

QWidget* frmRestaurant::CreateStoreGroup()
{
    QGroupBox* frame = new QGroupBox(QStringLiteral("存储条件"), this);
    lstConditon = new QListWidget(frame);
    lstConditon->setObjectName(QStringLiteral("lstConditon"));
    lstConditon->setSelectionMode(QAbstractItemView::SingleSelection);
    lstConditon->setFixedHeight(110);
    txtNewcondition = new QLineEdit(frame);
    txtNewcondition->setObjectName(QStringLiteral("txtNewcondition"));
    cmdSave = Button("cmdSave", QStringLiteral("保存"), frame);
    cmdOpen = Button("cmdOpen", QStringLiteral("打开"), frame);
    cmdDelete = Button("cmdDelete", QStringLiteral("删除"), frame);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdOpen);
    buttons->addWidget(cmdDelete);

    auto* naming = new QVBoxLayout;
    naming->addWidget(txtNewcondition);
    naming->addLayout(buttons);
    naming->addStretch(1);

    auto* row = new QHBoxLayout(frame);
    row->addWidget(lstConditon, 1);
    row->addLayout(naming, 1);
    return frame;
}

QWidget* frmRestaurant::CreateCommandRow()
{
    auto* holder = new QWidget(this);
    ComboPrint = new QComboBox(holder);
    ComboPrint->setObjectName(QStringLiteral("ComboPrint"));
    ComboPrint->setFocusPolicy(Qt::StrongFocus);
    // As wide as the longest report title.
    ComboPrint->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    btnPrint = Button("btnPrint", QStringLiteral("打印报表"), holder);
    cmdExec = Button("cmdExec", QStringLiteral("生成报表"), holder);
    cmdCancel = Button("cmdCancel", QStringLiteral("关    闭"), holder);

    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QStringLiteral("选择要打印的报表："), holder));
    row->addWidget(ComboPrint);
    row->addWidget(btnPrint);
    row->addStretch(1);
    row->addWidget(cmdExec);
    row->addWidget(cmdCancel);
    return holder;
}

void frmRestaurant::SetTabOrder()
{
    QList<QWidget*> chain = {txtYear, txtMonth, txtRegionKey, cmdAddnewRegion, FlexGrid, cmdDelRegion};
    for (QCheckBox* box : chkRegtype)
        chain << box;
    for (QCheckBox* box : chkStar)
        chain << box;
    for (QCheckBox* box : chkB)
        chain << box;
    for (const RangeGroup& g : RangeGroups())
        chain << g.Combo << g.Start << g.End;
    chain << lstConditon << txtNewcondition << cmdSave << cmdOpen << cmdDelete;
    chain << ComboPrint << btnPrint << cmdExec << cmdCancel;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void frmRestaurant::AttachValidators()
{
    using namespace InputRules;
    FocusValidator::Attach(txtYear, Rule(Year, YearMessage));
    FocusValidator::Attach(txtMonth, Rule(Month, MonthMessage));
    const auto groups = RangeGroups();
    for (const HotelRanges::Rule& rule : HotelRanges::Rules())
        for (QLineEdit* box : {groups[rule.Position].Start, groups[rule.Position].End})
            FocusValidator::Attach(box, Rule(rule.Family, rule.Refusal));
    FocusValidator::Attach(txtRegionKey, Rule(RegionKey, DataMessage));
    // Closing never asks for the values of the box that has the focus.
    FocusValidator::Exempt(cmdCancel);
}

void frmRestaurant::ConnectHandlers()
{
    connect(cmdAddnewRegion, &QPushButton::clicked, this, &frmRestaurant::cmdAddnewRegion_Click);
    connect(txtRegionKey, &QLineEdit::returnPressed, this, &frmRestaurant::cmdAddnewRegion_Click);
    connect(cmdDelRegion, &QPushButton::clicked, this, &frmRestaurant::cmdDelRegion_Click);
    connect(cmdExec, &QPushButton::clicked, this, &frmRestaurant::cmdExec_Click);
    connect(btnPrint, &QPushButton::clicked, this, &frmRestaurant::btnPrint_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmRestaurant::cmdSave_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmRestaurant::cmdOpen_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmRestaurant::cmdDelete_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmRestaurant::cmdCancel_Click);

    const std::pair<QComboBox*, void (frmRestaurant::*)()> combos[] = {
        {cmbAccomStar, &frmRestaurant::cmbAccomStar_Click},
        {cmbRoom, &frmRestaurant::cmbRoom_Click},
        {cmbOpIncome, &frmRestaurant::cmbOpIncome_Click},
        {cmbProfitTotal, &frmRestaurant::cmbProfitTotal_Click},
        {cmbFixedAssets, &frmRestaurant::cmbFixedAssets_Click},
        {cmbHireRate, &frmRestaurant::cmbHireRate_Click},
        {cmbReceptionNum, &frmRestaurant::cmbReceptionNum_Click},
        {cmbIncomePer, &frmRestaurant::cmbIncomePer_Click},
        {cmbProfitPer, &frmRestaurant::cmbProfitPer_Click},
    };
    for (const auto& [combo, handler] : combos)
        connect(combo, &QComboBox::currentIndexChanged, this, handler);
}

std::array<frmRestaurant::RangeGroup, frmRestaurant::RangeCount> frmRestaurant::RangeGroups() const
{
    return {{{cmbAccomStar, txtAccomStar, txtAccomEnd},
             {cmbRoom, txtRoomStar, txtRoomEnd},
             {cmbOpIncome, txtOpIncomeStar, txtOpIncomeEnd},
             {cmbProfitTotal, txtProfitTotalStar, txtProfitTotalEnd},
             {cmbFixedAssets, txtFixedAssetsStar, txtFixedAssetsEnd},
             {cmbHireRate, txtHireRateStar, txtHireRateEnd},
             {cmbReceptionNum, txtReceptionNumStar, txtReceptionNumEnd},
             {cmbIncomePer, txtIncomePerStar, txtIncomePerEnd},
             {cmbProfitPer, txtProfitPerStar, txtProfitPerEnd}}};
}

void frmRestaurant::cmbAccomStar_Click()
{
    RangeClick(0);
}
void frmRestaurant::cmbRoom_Click()
{
    RangeClick(1);
}
void frmRestaurant::cmbOpIncome_Click()
{
    RangeClick(2);
}
void frmRestaurant::cmbProfitTotal_Click()
{
    RangeClick(3);
}
void frmRestaurant::cmbFixedAssets_Click()
{
    RangeClick(4);
}
void frmRestaurant::cmbHireRate_Click()
{
    RangeClick(5);
}
void frmRestaurant::cmbReceptionNum_Click()
{
    RangeClick(6);
}
void frmRestaurant::cmbIncomePer_Click()
{
    RangeClick(7);
}
void frmRestaurant::cmbProfitPer_Click()
{
    RangeClick(8);
}
