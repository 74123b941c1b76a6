// The controls of TuTallix, their layout and their wiring.
#include "TuTallix.h"

#include "FlexGrid.h"
#include "FocusValidator.h"
#include "ScrollBody.h"
#include "TallixInput.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

template <typename T> T* Named(T* control, const char* name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

QGroupBox* Frame(const char* name, const QString& caption, QWidget* parent)
{
    return Named(new QGroupBox(caption, parent), name);
}

QPushButton* Button(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = Named(new QPushButton(caption, parent), name);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* TextBox(const char* name, QWidget* parent, int width = 0)
{
    auto* box = Named(new QLineEdit(parent), name);
    if (width > 0)
        box->setFixedWidth(width);
    return box;
}

QLabel* Label(const QString& caption, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

FlexGrid* Grid(const char* name, int cols, QWidget* parent)
{
    auto* grid = Named(new FlexGrid(parent), name);
    grid->SetCols(cols);
    grid->setMinimumHeight(100);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return grid;
}

} // namespace

void TuTallix::CreateControls()
{
    auto* body = new QVBoxLayout;
    Frame1 = Frame("Frame1", QString(), this);
    body->addWidget(Frame1);

    CreateFrame2();
    CreateFrame3();
    CreateFrame5();
    CreateFrame4();
    CreateFrame9();
    CmdExe = Button("CmdExe", QStringLiteral("生成报表"), this);
    CmdPrint = Button("CmdPrint", QStringLiteral("打印"), this);
    CmdCancle = Button("CmdCancle", QStringLiteral("取消"), this);

    auto* grid = new QGridLayout(Frame1);
    auto* left = new QVBoxLayout;
    left->addWidget(Frame2);
    left->addWidget(Frame3, 1);
    grid->addLayout(left, 0, 0);
    grid->addWidget(Frame5, 0, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(Frame4);
    right->addWidget(Frame9, 1);
    right->addStretch(0);
    grid->addLayout(right, 0, 2);
    for (int c = 0; c < 3; ++c)
        grid->setColumnStretch(c, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CmdExe);
    buttons->addWidget(CmdPrint);
    buttons->addWidget(CmdCancle);
    // Below the scrolling body, always in sight.
    ScrollBody::Build(this, body, buttons);

    // Top to bottom, left to right, whatever order the frames were built in.
    const QList<QWidget*> order{
        TxtYear,         TxtMonth,        OptAccom,        ChKRestaurant, ChkOther,      OptTu,
        ChkInternation,  ChkNation,       OptTuArea,       OptOther,      FlexGridItem,  CmdAddItem,
        CmdDelItem,      OptCurrent,      OptAccumu,       OptSameTerm,   OptAccumuCom,  Option8,
        Option9,         txtRegionKey,    cmdAddnewRegion, CmdDelRegion,  Command1,      FlexGridArea,
        Text5,           CmdAddArea,      Text6,           CmdAddCompany, CmdDelCompany, CmdClearCompany,
        FlexGridCompany, List1,           Text3,           CmdSave,       CmdOpen,       CmdDel,
        CmbSel,          FlexGridSubItem, CmdAddSubItem,   CmdQuit,       CmdExe,        CmdPrint,
        CmdCancle};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TuTallix::CreateFrame2()
{
    Frame2 = Frame("Frame2", QStringLiteral("时间及单位类别"), Frame1);
    TxtYear = TextBox("TxtYear", Frame2, 70);
    TxtMonth = TextBox("TxtMonth", Frame2, 50);
    OptAccom = Named(new QRadioButton(QStringLiteral("住宿设施"), Frame2), "OptAccom");
    ChKRestaurant = Named(new QCheckBox(QStringLiteral("旅游饭店"), Frame2), "ChKRestaurant");
    ChkOther = Named(new QCheckBox(QStringLiteral("其他"), Frame2), "ChkOther");
    OptTu = Named(new QRadioButton(QStringLiteral("旅行社"), Frame2), "OptTu");
    ChkInternation = Named(new QCheckBox(QStringLiteral("国际"), Frame2), "ChkInternation");
    ChkNation = Named(new QCheckBox(QStringLiteral("国内"), Frame2), "ChkNation");
    OptTuArea = Named(new QRadioButton(QStringLiteral("旅游景区"), Frame2), "OptTuArea");
    OptOther = Named(new QRadioButton(QStringLiteral("其他"), Frame2), "OptOther");
    auto* units = new QButtonGroup(Frame2);
    for (QRadioButton* option : {OptAccom, OptTu, OptTuArea, OptOther})
        units->addButton(option);

    auto* layout = new QGridLayout(Frame2);
    auto* period = new QHBoxLayout;
    period->addWidget(Label(QStringLiteral("年（YYYY）："), TxtYear, Frame2));
    period->addWidget(TxtYear);
    period->addSpacing(16);
    period->addWidget(Label(QStringLiteral("月（MM）："), TxtMonth, Frame2));
    period->addWidget(TxtMonth);
    period->addStretch(1);
    layout->addLayout(period, 0, 0, 1, 3);
    // Each unit option with the boxes that refine it on its own line.
    layout->addWidget(OptAccom, 1, 0);
    layout->addWidget(ChKRestaurant, 1, 1);
    layout->addWidget(ChkOther, 1, 2);
    layout->addWidget(OptTu, 2, 0);
    layout->addWidget(ChkInternation, 2, 1);
    layout->addWidget(ChkNation, 2, 2);
    layout->addWidget(OptTuArea, 3, 0);
    layout->addWidget(OptOther, 3, 1);
}

void TuTallix::CreateFrame3()
{
    Frame3 = Frame("Frame3", QStringLiteral("表式选择（主栏选择）："), Frame1);
    Frame6 = Frame("Frame6", QStringLiteral("选择具体项"), Frame3);
    FlexGridItem = Grid("FlexGridItem", 3, Frame6);
    CmdAddItem = Button("CmdAddItem", QStringLiteral("添加"), Frame6);
    CmdDelItem = Button("CmdDelItem", QStringLiteral("删除"), Frame6);
    OptCurrent = Named(new QRadioButton(QStringLiteral("按本期数值"), Frame3), "OptCurrent");
    OptAccumu = Named(new QRadioButton(QStringLiteral("按累计数值"), Frame3), "OptAccumu");
    OptSameTerm = Named(new QRadioButton(QStringLiteral("按同期比较"), Frame3), "OptSameTerm");
    OptAccumuCom = Named(new QRadioButton(QStringLiteral("按累计比较"), Frame3), "OptAccumuCom");
    auto* styles = new QButtonGroup(Frame3);
    for (QRadioButton* option : {OptCurrent, OptAccumu, OptSameTerm, OptAccumuCom})
        styles->addButton(option);

    auto* items = new QGridLayout(Frame6);
    items->addWidget(Label(QStringLiteral("已有项目"), FlexGridItem, Frame6), 0, 0);
    items->addWidget(FlexGridItem, 1, 0, 3, 1);
    items->addWidget(CmdAddItem, 1, 1);
    items->addWidget(CmdDelItem, 2, 1);
    items->setRowStretch(3, 1);

    auto* layout = new QGridLayout(Frame3);
    layout->addWidget(Frame6, 0, 0, 1, 2);
    layout->setRowStretch(0, 1);
    layout->addWidget(OptCurrent, 1, 0);
    layout->addWidget(OptAccumu, 1, 1);
    layout->addWidget(OptSameTerm, 2, 0);
    layout->addWidget(OptAccumuCom, 2, 1);
}

void TuTallix::CreateFrame5()
{
    Frame5 = Frame("Frame5", QStringLiteral("表式选择（宾栏选择）："), Frame1);
    Option8 = Named(new QRadioButton(QStringLiteral("按地区分组"), Frame5), "Option8");
    Option9 = Named(new QRadioButton(QStringLiteral("按企业分组"), Frame5), "Option9");
    auto* groups = new QButtonGroup(Frame5);
    groups->addButton(Option8);
    groups->addButton(Option9);

    Frame7 = Frame("Frame7", QStringLiteral("地区分类："), Frame5);
    txtRegionKey = TextBox("txtRegionKey", Frame7);
    cmdAddnewRegion = Button("cmdAddnewRegion", QStringLiteral("按地区代码添加"), Frame7);
    CmdDelRegion = Button("CmdDelRegion", QStringLiteral("删除"), Frame7);
    Command1 = Button("Command1", QStringLiteral("清空"), Frame7);
    FlexGridArea = Grid("FlexGridArea", 2, Frame7);

    Frame8 = Frame("Frame8", QStringLiteral("设定企业："), Frame5);
    Text5 = TextBox("Text5", Frame8);
    CmdAddArea = Button("CmdAddArea", QStringLiteral("按地区编码添加"), Frame8);
    Text6 = TextBox("Text6", Frame8);
    CmdAddCompany = Button("CmdAddCompany", QStringLiteral("按企业代码添加"), Frame8);
    CmdDelCompany = Button("CmdDelCompany", QStringLiteral("删除"), Frame8);
    CmdClearCompany = Button("CmdClearCompany", QStringLiteral("清空"), Frame8);
    FlexGridCompany = Grid("FlexGridCompany", 2, Frame8);

    auto* regions = new QGridLayout(Frame7);
    regions->addWidget(Label(QStringLiteral("新 地 区："), txtRegionKey, Frame7), 0, 0);
    regions->addWidget(txtRegionKey, 0, 1);
    regions->addWidget(cmdAddnewRegion, 0, 2);
    auto* regionButtons = new QHBoxLayout;
    regionButtons->addStretch(1);
    regionButtons->addWidget(CmdDelRegion);
    regionButtons->addWidget(Command1);
    regions->addLayout(regionButtons, 1, 0, 1, 3);
    regions->addWidget(Label(QStringLiteral("已有地区"), FlexGridArea, Frame7), 2, 0, 1, 3);
    regions->addWidget(FlexGridArea, 3, 0, 1, 3);

    auto* enterprises = new QGridLayout(Frame8);
    enterprises->addWidget(Label(QStringLiteral("地区编码："), Text5, Frame8), 0, 0);
    enterprises->addWidget(Text5, 0, 1);
    enterprises->addWidget(CmdAddArea, 0, 2);
    enterprises->addWidget(Label(QStringLiteral("新 企 业："), Text6, Frame8), 1, 0);
    enterprises->addWidget(Text6, 1, 1);
    enterprises->addWidget(CmdAddCompany, 1, 2);
    auto* enterpriseButtons = new QHBoxLayout;
    enterpriseButtons->addStretch(1);
    enterpriseButtons->addWidget(CmdDelCompany);
    enterpriseButtons->addWidget(CmdClearCompany);
    enterprises->addLayout(enterpriseButtons, 2, 0, 1, 3);
    enterprises->addWidget(Label(QStringLiteral("已有企业"), FlexGridCompany, Frame8), 3, 0, 1, 3);
    enterprises->addWidget(FlexGridCompany, 4, 0, 1, 3);

    auto* layout = new QVBoxLayout(Frame5);
    auto* grouping = new QHBoxLayout;
    grouping->addWidget(Option8);
    grouping->addWidget(Option9);
    grouping->addStretch(1);
    layout->addLayout(grouping);
    layout->addWidget(Frame7, 1);
    layout->addWidget(Frame8, 1);
}

void TuTallix::CreateFrame4()
{
    Frame4 = Frame("Frame4", QStringLiteral("存储条件："), Frame1);
    List1 = Named(new QListWidget(Frame4), "List1");
    List1->setMinimumHeight(90);
    Text3 = TextBox("Text3", Frame4);
    CmdSave = Button("CmdSave", QStringLiteral("存储"), Frame4);
    CmdOpen = Button("CmdOpen", QStringLiteral("打开"), Frame4);
    CmdDel = Button("CmdDel", QStringLiteral("删除"), Frame4);

    auto* layout = new QVBoxLayout(Frame4);
    layout->addWidget(List1, 1);
    layout->addWidget(Text3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdSave);
    buttons->addWidget(CmdOpen);
    buttons->addWidget(CmdDel);
    layout->addLayout(buttons);
}

void TuTallix::CreateFrame9()
{
    Frame9 = Frame("Frame9", QStringLiteral("选择添加项目："), Frame1);
    CmbSel = Named(new QComboBox(Frame9), "CmbSel");
    // Runs beside CmbSel with the table behind each title; nothing for the user to read.
    cmbTablename = Named(new QComboBox(Frame9), "cmbTablename");
    cmbTablename->setVisible(false);
    FlexGridSubItem = Grid("FlexGridSubItem", 3, Frame9);
    CmdAddSubItem = Button("CmdAddSubItem", QStringLiteral("添加"), Frame9);
    CmdQuit = Button("CmdQuit", QStringLiteral("完成"), Frame9);

    auto* layout = new QGridLayout(Frame9);
    layout->addWidget(Label(QStringLiteral("选择表"), CmbSel, Frame9), 0, 0);
    layout->addWidget(CmbSel, 0, 1);
    layout->addWidget(cmbTablename, 1, 0, 1, 2);
    layout->addWidget(FlexGridSubItem, 2, 0, 1, 2);
    layout->setRowStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CmdAddSubItem);
    buttons->addWidget(CmdQuit);
    layout->addLayout(buttons, 3, 0, 1, 2);
    layout->setColumnStretch(1, 1);
}

void TuTallix::ConnectHandlers()
{
    const auto onSelect = [this](QRadioButton* option, void (TuTallix::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on)
                (this->*handler)();
        });
    };
    onSelect(OptAccom, &TuTallix::OptAccom_Click);
    onSelect(OptTu, &TuTallix::OptTu_Click);
    onSelect(OptTuArea, &TuTallix::OptTuArea_Click);
    onSelect(OptOther, &TuTallix::OptOther_Click);

    const auto onClick = [this](QPushButton* button, void (TuTallix::*handler)()) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    onClick(CmdAddItem, &TuTallix::CmdAddItem_Click);
    onClick(CmdAddSubItem, &TuTallix::CmdAddSubItem_Click);
    onClick(CmdQuit, &TuTallix::CmdQuit_Click);
    onClick(CmdDelItem, &TuTallix::CmdDelItem_Click);
    onClick(cmdAddnewRegion, &TuTallix::cmdAddnewRegion_Click);
    onClick(CmdDelRegion, &TuTallix::CmdDelRegion_Click);
    onClick(Command1, &TuTallix::Command1_Click);
    onClick(CmdAddArea, &TuTallix::CmdAddArea_Click);
    onClick(CmdAddCompany, &TuTallix::CmdAddCompany_Click);
    onClick(CmdDelCompany, &TuTallix::CmdDelCompany_Click);
    onClick(CmdClearCompany, &TuTallix::CmdClearCompany_Click);
    onClick(CmdExe, &TuTallix::CmdExe_Click);
    onClick(CmdPrint, &TuTallix::CmdPrint_Click);
    onClick(CmdCancle, &TuTallix::CmdCancle_Click);
    onClick(CmdSave, &TuTallix::CmdSave_Click);
    onClick(CmdOpen, &TuTallix::CmdOpen_Click);
    onClick(CmdDel, &TuTallix::CmdDel_Click);

    // Enter in a box adds what it names, as its button does.
    connect(txtRegionKey, &QLineEdit::returnPressed, this, &TuTallix::cmdAddnewRegion_Click);
    connect(Text5, &QLineEdit::returnPressed, this, &TuTallix::CmdAddArea_Click);
    connect(Text6, &QLineEdit::returnPressed, this, &TuTallix::CmdAddCompany_Click);
    connect(FlexGridSubItem, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        FlexGridSubItem->SetRow(row + 1); // the grid's row 0 is its header
        CmdAddSubItem_Click();
    });
    // The key filter sees typed characters only; pasted text must hold the same characters.
    Text5->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), Text5));

    connect(CmbSel, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            CmbSel_Click();
    });

    Text5->installEventFilter(this);
    for (FlexGrid* grid : {FlexGridItem, FlexGridSubItem, FlexGridArea, FlexGridCompany})
        grid->viewport()->installEventFilter(this);
}

void TuTallix::AttachValidators()
{
    using Verdict = FocusValidator::Verdict;
    FocusValidator::Attach(txtRegionKey, [](const QString& text) {
        return TallixInput::RegionKeyAccepted(text) ? Verdict::Accept()
                                                    : Verdict::Refuse(TallixInput::DataMessage);
    });
    FocusValidator::Attach(TxtYear, [](const QString& text) {
        return TallixInput::YearAccepted(text) ? Verdict::Accept()
                                               : Verdict::Refuse(TallixInput::YearMessage);
    });
    FocusValidator::Attach(TxtMonth, [](const QString& text) {
        return TallixInput::MonthAccepted(text) ? Verdict::Accept()
                                                : Verdict::Refuse(TallixInput::MonthMessage);
    });
    // Closing never asks for the values of the box that has the focus.
    FocusValidator::Exempt(CmdCancle);
}

// The item grids show only their caption column across the whole width; the region and
// enterprise grids give a third to the code and the rest to the name.
void TuTallix::FitGridColumns(FlexGrid* grid)
{
    const int width = grid->viewport()->width();
    if (grid == FlexGridItem || grid == FlexGridSubItem) {
        grid->setColumnHidden(0, false);
        grid->setColumnWidth(0, width);
        grid->SetColWidth(1, 0);
        grid->SetColWidth(2, 0);
        return;
    }
    // Codes whole ("B94302001234"), the names in the rest.
    int widest = 0;
    for (const QString& code : grid->Column(0))
        widest = std::max(widest, grid->fontMetrics().horizontalAdvance(code));
    const int codeWidth = std::min(width * 3 / 5, std::max(width / 3, widest + 16));
    grid->setColumnHidden(0, false);
    grid->setColumnHidden(1, false);
    grid->setColumnWidth(0, codeWidth);
    grid->setColumnWidth(1, width - codeWidth);
}

bool TuTallix::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text5 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Keys that type no character (moving, Tab, Enter, Ctrl+V and Ctrl+A) are not the
        // filter's business.
        const bool typesCharacter = !key->text().isEmpty() && key->text().at(0).isPrint() &&
                                    !(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
        if (typesCharacter && !Text5_KeyPress(key->text().at(0)))
            return true;
    }
    if (event->type() == QEvent::Resize) {
        for (FlexGrid* grid : {FlexGridItem, FlexGridSubItem, FlexGridArea, FlexGridCompany})
            if (watched == grid->viewport())
                FitGridColumns(grid);
    }
    return QWidget::eventFilter(watched, event);
}
