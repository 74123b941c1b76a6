#include "AnnualFixture.h"
#include "Connection.h"
#include "FlexGrid.h"
#include "MessagePresenter.h"
#include "PdfText.h"
#include "ReportViewer.h"
#include "ReportDocument.h"
#include "TempAppFolder.h"
#include "TourUnit.h"
#include "WindowInput.h"
#include "tableprint.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <tuple>

namespace {

const QString Done = QStringLiteral("计算完成");

// The annual report window over the annual source database, every message captured instead
// of shown. The window loads on first use, so a test can prepare the own database before.
class TourUnitWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MessagePresenter::SetHandler([this](const MessagePresenter::Message& m) { messages << m.Text; });
        FillAnnualSource(folder);
    }
    void TearDown() override
    {
        tableprint::Shared()->close();
        window_.reset();
        MessagePresenter::SetHandler({});
    }

    TourUnit& Window()
    {
        if (!window_) {
            window_ = std::make_unique<TourUnit>();
            window_->show();
            QApplication::setActiveWindow(window_.get());
            QCoreApplication::processEvents();
        }
        return *window_;
    }
    void ReloadWindow() { window_.reset(); }

    template <typename T = QWidget> T* Control(const QString& name)
    {
        T* control = Window().findChild<T*>(name);
        if (!control)
            throw std::runtime_error("no control " + name.toStdString());
        return control;
    }
    QLineEdit* Box(const QString& name) { return Control<QLineEdit>(name); }
    FlexGrid* Grid(const QString& name) { return Control<FlexGrid>(name); }

    void Type(const QString& box, const QString& text) { TypeInto(Box(box), text); }
    // A mouse click as the user gives it: the button takes the focus first.
    void Click(const QString& button) { QTest::mouseClick(Control<QAbstractButton>(button), Qt::LeftButton); }
    void AddRegion(const QString& key)
    {
        Type(QStringLiteral("txtRegionKey"), key);
        Click(QStringLiteral("cmdAddnewRegion"));
    }
    QStringList GridRows(const QString& grid) { return ::GridRows(*Grid(grid)); }
    void SelectRow(const QString& grid, int row) { Grid(grid)->SetRow(row); }

    TempAppFolder folder;
    QStringList messages;

private:
    std::unique_ptr<TourUnit> window_;
};

// 全部选定 ticks the thirteen reports and a second click clears them; each report's identifier
// and caption stand on its box's line.
TEST_F(TourUnitWindowTest, SelectAllTicksAndClearsTheReportList)
{
    Control<QCheckBox>("Check2_4")->setChecked(true);
    for (const bool ticked : {true, false}) {
        Click("ChkAllSelect");
        for (int i = 0; i < 13; ++i) {
            const auto* check = Control<QCheckBox>(QStringLiteral("Check2_%1").arg(i));
            EXPECT_EQ(check->isChecked(), ticked) << i;
            for (const char* label : {"lblReportId_%1", "lblReportName_%1"})
                EXPECT_NEAR(Control<QLabel>(QString::fromLatin1(label).arg(i))->geometry().center().y(),
                            check->geometry().center().y(), 3)
                    << i;
        }
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join(' ').toStdString();
}

// A year that passes runs even without regions: every table then holds only its zero total,
// and the message says why.
TEST_F(TourUnitWindowTest, YearIsCheckedOnLeavingTheBoxAndByTheRun)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "年份不能为空"},       {"    ", "年份不能为空"},    {"3000", "请输入正确年份"},
        {"0999", "请输入正确年份"}, {"20251", "请输入正确年份"}, {"2O25", "请输入正确年份"},
        {"1999", "计算完成\n没有选择地区，报表只有合计行\n所选期间（1999年）没有任何报表数据"},
        {" 2025 ", "计算完成\n没有选择地区，报表只有合计行"}};
    for (const auto& [typed, message] : cases) {
        SCOPED_TRACE(typed);
        ReloadWindow();
        messages.clear();
        Type("txtYear", typed);
        Click("cmdCreate");
        EXPECT_EQ(messages, QStringList{QString::fromUtf8(message)});
        const bool refused = !messages.value(0).startsWith(Done);
        EXPECT_EQ(QApplication::focusWidget() == Box("txtYear"), refused);
        if (messages.value(0) == QStringLiteral("请输入正确年份")) { // refused as the focus left the box
            EXPECT_EQ(Box("txtYear")->selectedText(), Box("txtYear")->text());
        }
        EXPECT_EQ(AnnualRows(folder, "212"),
                  refused
                      ? QStringList()
                      : QStringList{QStringLiteral("合计") + QStringLiteral("\t0").repeated(12) + "\t212"});
    }
}

TEST_F(TourUnitWindowTest, RegionKeyIsNormalisedAndLookedUp)
{
    // the key typed, the grid row added ("" for none), the message
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"43", "430000\t湖南省", ""},
        {"430", "430000\t湖南省", ""},
        {"4301", "430100\t长沙市", ""},
        {"43010", "", "没有这个地区码"},
        {"430102", "430102\t芙蓉区", ""},
        {"  4302 ", "430200\t株洲市", ""},
        {"", "", "地区码不能为空"},
        {"   ", "", "地区码不能为空"},
        {"43a", "", "请输入正确数据！"},
        {"4294967296", "", "请输入正确数据！"},
        {"2147483648", "", "请输入正确数据！"}};
    for (const auto& [key, row, message] : cases) {
        SCOPED_TRACE(key);
        ReloadWindow();
        messages.clear();
        AddRegion(QString::fromUtf8(key));
        EXPECT_EQ(GridRows("FlexGrid"), *row ? QStringList{QString::fromUtf8(row)} : QStringList());
        EXPECT_EQ(messages.join('|'), QString::fromUtf8(message));
        EXPECT_EQ(QApplication::focusWidget(), Box("txtRegionKey"));
        // a found region or an unknown one empties the box for the next; a refused key stays
        const bool refused = !messages.isEmpty() && messages.value(0) != QStringLiteral("没有这个地区码");
        EXPECT_EQ(Box("txtRegionKey")->text(), refused ? QString::fromUtf8(key) : QString());
        if (messages.value(0) == QStringLiteral("请输入正确数据！")) { // refused as the focus left the box
            EXPECT_EQ(Box("txtRegionKey")->selectedText(), Box("txtRegionKey")->text());
        }
    }
}

TEST_F(TourUnitWindowTest, RunOverTypedRegionsWritesTheReferenceTablesInGridOrderAndPrintsThem)
{
    folder.Own("INSERT INTO type11 (value1, tablecode) VALUES ('旧', '1_1')");
    Type("txtYear", "2025");
    for (const char* key : {"43", "4301", "430102", "44", "43"})
        AddRegion(key);
    SelectRow("FlexGrid", 0); // the header: nothing to remove
    Click("cmdDelRegion");
    EXPECT_EQ(GridRows("FlexGrid"), (QStringList{"430000\t湖南省", "430100\t长沙市", "430102\t芙蓉区",
                                                 "440000\t广东省", "430000\t湖南省"}));
    SelectRow("FlexGrid", 5);
    Click("cmdDelRegion");
    Click("cmdCreate");
    EXPECT_EQ(messages, QStringList{Done});
    ExpectAnnualReference(folder);
    EXPECT_TRUE(folder.OwnRows("SELECT * FROM type11").isEmpty());

    // a middle row taken out moves the rows below up; the next run replaces the last
    SelectRow("FlexGrid", 2);
    Click("cmdDelRegion");
    Click("cmdCreate");
    EXPECT_EQ(messages, (QStringList{Done, Done}));
    EXPECT_EQ(folder.OwnRows("SELECT value1 FROM type66 WHERE tablecode='212' ORDER BY rowid"),
              (QStringList{"合计", "湖南省", "芙蓉区", "广东省"}));
    EXPECT_EQ(AnnualRows(folder, "211").size(), 9);
    for (int i = 0; i < 3; ++i) {
        SelectRow("FlexGrid", 1);
        Click("cmdDelRegion");
    }
    Click("cmdDelRegion"); // no row left to remove
    EXPECT_EQ(Grid("FlexGrid")->Rows(), 1);

    // each entry of the print list, in the dictionary's order, prints the table it names
    auto* combo = Control<QComboBox>("Comboprint2");
    ASSERT_EQ(combo->count(), 13);
    EXPECT_EQ(combo->currentIndex(), 0);
    const QStringList codes{"2-1-1", "2-1-2", "2-1-3",  "2-1-4",  "2-1-5",  "2-1-6", "2-1-7",
                            "2-1-8", "2-1-9", "2-1-1A", "2-1-1B", "2-1-1C", "2-1-1D"};
    tableprint* print = tableprint::Shared();
    for (int position = 0; position < 13; ++position) {
        const QString heading = QStringLiteral("表") + codes[position] + ' ';
        EXPECT_TRUE(combo->itemText(position).startsWith(heading)) << combo->itemText(position).toStdString();
        combo->setCurrentIndex(position);
        Click("cmdType");
        EXPECT_EQ(print->TableCode, codes[position]);
        ASSERT_TRUE(print->Report());
        EXPECT_TRUE(print->Report()->Title().startsWith(heading)) << position;
        EXPECT_EQ(print->Report()->Rows().size(), position == 0 ? 9 : 4) << position;
    }
    EXPECT_TRUE(print->isVisible());
    EXPECT_FALSE(print->isModal());
    EXPECT_EQ(messages, (QStringList{Done, Done}));
}

// 导出所选 writes the ticked reports of the last run into one file, each tick the report on its
// own line of the list; 全部选定 ticks all thirteen.
TEST_F(TourUnitWindowTest, ExportSelectedWritesTheTickedReportsIntoOneFile)
{
    Click("cmdExportSelected");
    EXPECT_EQ(messages, QStringList{QStringLiteral("请先选定要导出的报表")});
    Type("txtYear", "2025");
    AddRegion("43");
    AddRegion("44");
    Click("cmdCreate");

    // each box alone: the line's identifier names the sheet written and the PDF's title
    QTemporaryDir dir;
    QStringList books, expected;
    for (int i = 0; i < 13; ++i) {
        for (int k = 0; k < 13; ++k)
            Control<QCheckBox>(QStringLiteral("Check2_%1").arg(k))->setChecked(k == i);
        const QString id = Control<QLabel>(QStringLiteral("lblReportId_%1").arg(i))->text();
        const QString code = id.mid(1).replace('_', '-');
        expected << code;
        books << dir.filePath(QStringLiteral("one%1.xlsx").arg(i));
        Window().ExportSelected(books.last());
        const QString pdf = dir.filePath(QStringLiteral("one%1.pdf").arg(i));
        Window().ExportSelected(pdf);
        const QStringList pages = PdfPages(pdf, false);
        ASSERT_FALSE(pages.isEmpty()) << i;
        EXPECT_TRUE(pages.first().trimmed().startsWith(QStringLiteral("表") + code + ' ')) << id.toStdString();
    }
    QProcess python;
    python.start("/usr/bin/python3",
                 QStringList{"-c", "import openpyxl,sys\nfor f in sys.argv[1:]: print(','.join(openpyxl.load_workbook(f).sheetnames))"} +
                     books);
    python.waitForFinished(-1);
    EXPECT_EQ(QString::fromUtf8(python.readAllStandardOutput()).trimmed().split('\n'), expected);

    Click("ChkAllSelect");
    EXPECT_EQ(Window().SelectedCodes(), TourUnit::ListCodes());
    Window().ExportSelected(dir.filePath("annual.pdf"));
    const QStringList pages = PdfPages(dir.filePath("annual.pdf"), false);
    int page = -1;
    for (const QString& code : TourUnit::ListCodes()) {
        const QString title = QStringLiteral("表") + code + ' ';
        const auto at = std::find_if(pages.begin() + page + 1, pages.end(),
                                     [&](const QString& text) { return text.trimmed().startsWith(title); });
        ASSERT_NE(at, pages.end()) << code.toStdString();
        page = static_cast<int>(at - pages.begin());
        EXPECT_TRUE(at->contains(QStringLiteral("2025年 · 湖南省、广东省"))) << code.toStdString();
    }
    EXPECT_EQ(messages, (QStringList{QStringLiteral("请先选定要导出的报表"), Done}));

    folder.Own("DELETE FROM type44 WHERE tablecode = '211B'");
    Window().ExportSelected(dir.filePath("again.xlsx"));
    EXPECT_EQ(messages.last(), ReportDocument::NoDataMessage + QStringLiteral("（2-1-1B）"));
    EXPECT_FALSE(QFile::exists(dir.filePath("again.xlsx")));
}

// A print window left open shows each new run's report at once, from the top of page 1, and
// opens within the screen.
TEST_F(TourUnitWindowTest, AnOpenPreviewFollowsEachRun)
{
    Type("txtYear", "2025");
    AddRegion("43");
    Click("cmdCreate");
    Control<QComboBox>("Comboprint2")->setCurrentIndex(1); // 2-1-2
    Click("cmdType");
    tableprint* print = tableprint::Shared();
    ASSERT_TRUE(print->Report());
    EXPECT_EQ(print->Report()->Rows().size(), 2);
    EXPECT_TRUE(print->screen()->availableGeometry().contains(print->geometry()));

    auto* view = print->CRViewer1->Preview()->findChild<QGraphicsView*>();
    ASSERT_TRUE(view);
    for (const char* key : {"4301", "44"}) {
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
        AddRegion(key);
        Click("cmdCreate");
        ASSERT_TRUE(print->Report());
        EXPECT_EQ(print->Report()->Rows().size(), Grid("FlexGrid")->Rows()) << key; // the total and each region
        EXPECT_TRUE(print->Report()->RunLine().contains(Grid("FlexGrid")->TextMatrix(Grid("FlexGrid")->Rows() - 1, 1)));
        EXPECT_EQ(print->CRViewer1->CurrentPage(), 1);
        EXPECT_EQ(view->verticalScrollBar()->value(), view->verticalScrollBar()->minimum()) << key;
    }
    EXPECT_EQ(messages, (QStringList{Done, Done, Done}));
}

TEST_F(TourUnitWindowTest, DatabaseErrorsAreShownAndLeaveTheWindowUsable)
{
    folder.Own("DROP TABLE namesave");
    Window();
    ASSERT_EQ(messages.size(), 1);

    AddRegion("43");
    Type("txtSave", "x");
    Click("cmdSave");
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[1].contains(QStringLiteral("nameSave"), Qt::CaseInsensitive))
        << messages[1].toStdString();
    EXPECT_EQ(Box("txtSave")->text(), QStringLiteral("x"));
    EXPECT_FALSE(Connection::TallixConn);

    messages.clear();
    Type("txtYear", "2025");
    Click("cmdCreate");
    EXPECT_EQ(messages, QStringList{Done});

    folder.Source("DROP TABLE Base08");
    messages.clear();
    Click("cmdCreate");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("Base08"))) << messages[0].toStdString();
    EXPECT_FALSE(QApplication::overrideCursor());
    EXPECT_EQ(AnnualRows(folder, "212").size(), 2); // the pass failed before anything was written

    messages.clear();
    AddRegion("44");
    EXPECT_TRUE(messages.isEmpty());
    folder.Source("DROP TABLE Area");
    AddRegion("4301");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("Area"))) << messages[0].toStdString();
    EXPECT_EQ(GridRows("FlexGrid"), (QStringList{"430000\t湖南省", "440000\t广东省"}));
}

QStringList StoredSet(const TempAppFolder& folder, const QString& name)
{
    return folder.OwnRows(QStringLiteral("SELECT * FROM addsave WHERE savename='%1' ORDER BY rowid")
                              .arg(QString(name).replace("'", "''")));
}

TEST_F(TourUnitWindowTest, RegionSetsAreSavedReplacedReopenedAndDeleted)
{
    Type("txtSave", "leer");
    Click("cmdSave");
    EXPECT_EQ(messages, QStringList{"保存的是空地址！"});
    EXPECT_EQ(Box("txtSave")->text(), QString());

    const QString name = QStringLiteral("湖南'两级"); // an apostrophe in every statement
    Type("txtYear", "2025");
    AddRegion("43");
    AddRegion("4301");
    Click("cmdSave"); // without a name nothing happens
    Type("txtSave", name);
    Click("cmdSave");
    Type("txtSave", "other");
    Click("cmdSave");
    EXPECT_EQ(Box("txtSave")->text(), QString());
    EXPECT_EQ(GridRows("MSfgSave"), (QStringList{name, "other"}));
    // each code is stored with one blank after it
    EXPECT_EQ(StoredSet(folder, name),
              (QStringList{"430000 \t湖南省\t" + name + "\t2025", "430100 \t长沙市\t" + name + "\t2025"}));

    // the same name again: new regions and year, the list unchanged
    SelectRow("FlexGrid", 1);
    Click("cmdDelRegion");
    AddRegion("44");
    Type("txtYear", "2024");
    Type("txtSave", "other");
    Click("cmdSave");
    EXPECT_EQ(GridRows("MSfgSave"), (QStringList{name, "other"}));
    EXPECT_EQ(folder.OwnRows("SELECT * FROM namesave ORDER BY rowid"), (QStringList{name, "other"}));
    EXPECT_EQ(StoredSet(folder, "other"),
              (QStringList{"430100 \t长沙市\tother\t2024", "440000 \t广东省\tother\t2024"}));

    SelectRow("MSfgSave", 1);
    Click("cmdOpen");
    EXPECT_EQ(Box("txtSave")->text(), name);
    EXPECT_EQ(Box("txtYear")->text(), QStringLiteral("2025"));
    EXPECT_EQ(GridRows("FlexGrid"), (QStringList{"430000\t湖南省", "430100\t长沙市"}));

    ReloadWindow(); // a fresh window lists the stored sets
    EXPECT_EQ(GridRows("MSfgSave"), (QStringList{name, "other"}));
    SelectRow("MSfgSave", 1); // not the last row: the names below move up
    Click("cmdDel");
    EXPECT_EQ(GridRows("MSfgSave"), QStringList{"other"});
    EXPECT_EQ(folder.OwnRows("SELECT * FROM namesave"), QStringList{"other"});
    EXPECT_EQ(folder.OwnRows("SELECT DISTINCT savename FROM addsave"), QStringList{"other"});
    ASSERT_EQ(messages.size(), 2); // deleting asked first
    EXPECT_EQ(messages.last(), QStringLiteral("确定删除存储条件“%1”吗？").arg(name));
}

TEST_F(TourUnitWindowTest, ARegionSetSaveThatFailsHalfwayKeepsTheSetSavedBefore)
{
    Type("txtYear", "2025");
    AddRegion("43");
    Type("txtSave", "甲");
    Click("cmdSave");
    const QStringList before = StoredSet(folder, "甲");
    folder.RefuseOwnInserts(QStringLiteral("addsave"),
                            QStringLiteral("NEW.savename='甲' AND (SELECT count(*) FROM addsave WHERE savename='甲') > 0"));
    AddRegion("4301");
    Type("txtYear", "2024");
    Type("txtSave", "甲");
    Click("cmdSave");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("disk full"))) << messages[0].toStdString();
    EXPECT_EQ(StoredSet(folder, "甲"), before);
}

TEST_F(TourUnitWindowTest, StoredSetsAreListedTrimmedAndOpenWithTheYearOfTheirLastRow)
{
    folder.Own("INSERT INTO namesave VALUES ('甲  '), ('乙');"
               "INSERT INTO addsave VALUES ('430100 ', '长沙市', '甲', '2023'), ('430102 ', '芙蓉区', '甲', "
               "'2025')");
    EXPECT_EQ(GridRows("MSfgSave"), (QStringList{"甲", "乙"}));

    SelectRow("MSfgSave", 0); // the header opens and deletes nothing
    Click("cmdOpen");
    Click("cmdDel");
    EXPECT_EQ(Box("txtSave")->text(), QString());
    EXPECT_EQ(GridRows("MSfgSave"), (QStringList{"甲", "乙"}));

    SelectRow("MSfgSave", 1);
    Click("cmdOpen");
    EXPECT_EQ(GridRows("FlexGrid"), (QStringList{"430100\t长沙市", "430102\t芙蓉区"}));
    EXPECT_EQ(Box("txtYear")->text(), QStringLiteral("2025"));
    SelectRow("MSfgSave", 2); // a set without regions empties the list and keeps the year
    Click("cmdOpen");
    EXPECT_EQ(Grid("FlexGrid")->Rows(), 1);
    EXPECT_EQ(Box("txtYear")->text(), QStringLiteral("2025"));
    Click("cmdDel"); // the last row: the list only gets shorter
    EXPECT_EQ(GridRows("MSfgSave"), QStringList{"甲"});
    EXPECT_EQ(folder.OwnRows("SELECT savename FROM addsave"), (QStringList{"甲", "甲"}));
}

TEST_F(TourUnitWindowTest, TabWalksTheControlsInReadingOrder)
{
    Box("txtYear")->setFocus();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 15; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order, (QStringList{"txtYear", "txtRegionKey", "cmdAddnewRegion", "FlexGrid", "cmdDelRegion",
                                  "txtSave", "cmdSave", "MSfgSave", "cmdOpen", "cmdDel", "Comboprint2",
                                  "cmdType", "cmdExportSelected", "ChkAllSelect", "Check2_0", "Check2_1"}));
}

} // namespace
