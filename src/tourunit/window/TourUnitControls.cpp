// The controls of the annual report window and their layout.
#include "TourUnit.h"

#include "ControlArray.h"
#include "FlexGrid.h"
#include "ScrollBody.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

struct ReportLine
{
    const char* id;
    QString caption;
    const char* code;
};

const ReportLine ReportLines[] = {
    {"R2_1_1", QStringLiteral("旅游企业经济指标（按行业分）"), "2-1-1"},
    {"R2_1_1A", QStringLiteral("旅游企业基本单位数"), "2-1-1A"},
    {"R2_1_1B", QStringLiteral("旅游企业从业人员情况"), "2-1-1B"},
    {"R2_1_1C", QStringLiteral("旅游企业固定资产情况"), "2-1-1C"},
    {"R2_1_1D", QStringLiteral("旅游企业主要经济指标"), "2-1-1D"},
    {"R2_1_2", QStringLiteral("旅游企业主要经济指标（按地区分）"), "2-1-2"},
    {"R2_1_3", QStringLiteral("旅行社主要经济指标（按地区分）"), "2-1-3"},
    {"R2_1_4", QStringLiteral("国际旅行社主要经济指标（按地区分）"), "2-1-4"},
    {"R2_1_5", QStringLiteral("国内旅行社主要经济指标（按地区分）"), "2-1-5"},
    {"R2_1_6", QStringLiteral("旅游饭店主要经济指标（按地区分）"), "2-1-6"},
    {"R2_1_7", QStringLiteral("内资饭店主要经济指标（按地区分）"), "2-1-7"},
    {"R2_1_8", QStringLiteral("外资饭店主要经济指标（按地区分）"), "2-1-8"},
    {"R2_1_9", QStringLiteral("旅游区点主要经济指标（按地区分）"), "2-1-9"},
};

template <typename T> T* Named(T* control, const char* name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

QPushButton* Button(const QString& caption, const char* name, QWidget* parent)
{
    auto* button = Named(new QPushButton(caption, parent), name);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAutoDefault(false);
    return button;
}

} // namespace

const QStringList& TourUnit::ListCodes()
{
    static const QStringList codes = [] {
        QStringList list;
        for (const ReportLine& line : ReportLines)
            list << QLatin1String(line.code);
        return list;
    }();
    return codes;
}

void TourUnit::CreateControls()
{
    cmdCreate = Button(QStringLiteral("生成报表"), "cmdCreate", this);
    cmdExit = Button(QStringLiteral("关    闭"), "cmdExit", this);

    auto* left = new QVBoxLayout;
    left->addWidget(CreateDateGroup());
    left->addWidget(CreateRegionGroup(), 3);
    left->addWidget(CreateSaveGroup(), 2);

    auto* right = new QVBoxLayout;
    right->addWidget(CreatePrintGroup());
    right->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 0);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCreate);
    buttons->addWidget(cmdExit);

    const QScrollArea* body = ScrollBody::Build(this, columns, buttons);

    SetTabOrder();
    // The whole body where there is room; the sub-window is fitted to the screen.
    resize(body->widget()->sizeHint().grownBy(QMargins(12, 12, 12, 60)).expandedTo(QSize(940, 640)));
}

QGroupBox* TourUnit::CreateDateGroup()
{
    auto* group = new QGroupBox(QStringLiteral("日期"), this);
    txtYear = Named(new QLineEdit(group), "txtYear");
    txtYear->setMaximumWidth(120);

    auto* layout = new QHBoxLayout(group);
    layout->addWidget(new QLabel(QStringLiteral("年（YYYY）："), group));
    layout->addWidget(txtYear);
    layout->addStretch(1);
    return group;
}

QGroupBox* TourUnit::CreateRegionGroup()
{
    auto* group = new QGroupBox(QStringLiteral("地区分类"), this);
    txtRegionKey = Named(new QLineEdit(group), "txtRegionKey");
    cmdAddnewRegion = Button(QStringLiteral("添加"), "cmdAddnewRegion", group);
    regionGrid = Named(new FlexGrid(group), "FlexGrid");
    regionGrid->SetCols(2);
    regionGrid->SetColWidth(0, 1500);
    regionGrid->SetColWidth(1, 2200);
    regionGrid->horizontalHeader()->setStretchLastSection(true);
    regionGrid->setMinimumHeight(160);
    cmdDelRegion = Button(QStringLiteral("删除"), "cmdDelRegion", group);

    auto* layout = new QGridLayout(group);
    layout->addWidget(new QLabel(QStringLiteral("新 地 区："), group), 0, 0);
    layout->addWidget(txtRegionKey, 0, 1);
    layout->addWidget(cmdAddnewRegion, 0, 2);
    layout->addWidget(new QLabel(QStringLiteral("已有地区"), group), 1, 0, 1, 3);
    layout->addWidget(regionGrid, 2, 0, 1, 3);
    layout->addWidget(cmdDelRegion, 3, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(2, 1);
    return group;
}

QGroupBox* TourUnit::CreateSaveGroup()
{
    auto* group = new QGroupBox(QStringLiteral("存储条件"), this);
    txtSave = Named(new QLineEdit(group), "txtSave");
    cmdSave = Button(QStringLiteral("存储"), "cmdSave", group);
    MSfgSave = Named(new FlexGrid(group), "MSfgSave");
    MSfgSave->SetCols(1);
    MSfgSave->horizontalHeader()->setStretchLastSection(true);
    MSfgSave->setMinimumHeight(120);
    cmdOpen = Button(QStringLiteral("打开"), "cmdOpen", group);
    cmdDel = Button(QStringLiteral("删除"), "cmdDel", group);

    auto* layout = new QGridLayout(group);
    layout->addWidget(txtSave, 0, 0);
    layout->addWidget(cmdSave, 0, 1);
    layout->addWidget(MSfgSave, 1, 0, 3, 1);
    layout->addWidget(cmdOpen, 1, 1);
    layout->addWidget(cmdDel, 2, 1);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(3, 1);
    return group;
}

QGroupBox* TourUnit::CreatePrintGroup()
{
    auto* group = new QGroupBox(QStringLiteral("报表打印"), this);
    Comboprint2 = Named(new QComboBox(group), "Comboprint2");
    Comboprint2->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Comboprint2->setMinimumContentsLength(22);
    cmdType = Button(QStringLiteral("报表打印"), "cmdType", group);
    cmdExportSelected = Button(QStringLiteral("导出所选"), "cmdExportSelected", group);
    ChkAllSelect = Named(new QCheckBox(QStringLiteral("全部选定"), group), "ChkAllSelect");

    auto* choice = new QHBoxLayout;
    choice->addWidget(Comboprint2, 1);
    choice->addWidget(cmdType);
    choice->addWidget(cmdExportSelected);

    auto* list = new QGridLayout;
    list->setHorizontalSpacing(12);
    list->addWidget(new QLabel(QStringLiteral("报表ID"), group), 0, 1);
    list->addWidget(new QLabel(QStringLiteral("         报表名称"), group), 0, 2);
    int row = 1;
    for (const ReportLine& line : ReportLines) {
        const int index = row - 1;
        auto* check = ControlArray::Create<QCheckBox>(QStringLiteral("Check2"), index, QString(), group);
        auto* id = new QLabel(QLatin1String(line.id), group);
        id->setObjectName(ControlArray::Name(QStringLiteral("lblReportId"), index));
        auto* caption = new QLabel(line.caption, group);
        caption->setObjectName(ControlArray::Name(QStringLiteral("lblReportName"), index));
        list->addWidget(check, row, 0);
        list->addWidget(id, row, 1);
        list->addWidget(caption, row, 2);
        Check2 << check;
        ++row;
    }
    list->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(group);
    layout->addWidget(new QLabel(QStringLiteral("请选择要打印的报表："), group));
    layout->addLayout(choice);
    layout->addWidget(ChkAllSelect, 0, Qt::AlignLeft);
    layout->addLayout(list);
    return group;
}

void TourUnit::SetTabOrder()
{
    QList<QWidget*> order = {txtYear,     txtRegionKey, cmdAddnewRegion, regionGrid, cmdDelRegion,
                             txtSave,     cmdSave,      MSfgSave,        cmdOpen,    cmdDel,
                             Comboprint2, cmdType,      cmdExportSelected, ChkAllSelect};
    for (QCheckBox* check : Check2)
        order << check;
    order << cmdCreate << cmdExit;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}
