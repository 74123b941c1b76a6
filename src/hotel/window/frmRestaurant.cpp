#include "frmRestaurant.h"

#include "AnalysisWindows.h"
#include "AreaSum.h"
#include "ComboBoxTarget.h"
#include "Connection.h"
#include "ConversionError.h"
#include "DatabaseError.h"
#include "FlexGrid.h"
#include "FocusValidator.h"
#include "HotelCondition.h"
#include "HotelReport.h"
#include "HotelRun.h"
#include "InputRules.h"
#include "HandlerGuard.h"
#include "HotelRanges.h"
#include "HotelRequest.h"
#include "MessagePresenter.h"
#include "RegionDirectory.h"
#include "RunProgressDialog.h"
#include "Numeric.h"
#include "WaitCursor.h"
#include "RunNotice.h"
#include "tableprint.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

using namespace InputRules;


QString GroupCaption(const QWidget* box)
{
    const auto* frame = qobject_cast<const QGroupBox*>(box->parentWidget());
    return frame ? frame->title() : box->objectName();
}

std::int16_t Whole(const QString& text, const QString& caption)
{
    if (text.trimmed().isEmpty())
        return -1;
    try {
        return Numeric::ToInt16(text.trimmed());
    } catch (const ConversionError& e) {
        throw e.WithContext(caption);
    }
}

} // namespace

frmRestaurant::OpenSets::OpenSets()
{
    Connection::OpenTallixConnection();
    Connection::OpenStatConnection();
}

frmRestaurant::OpenSets::~OpenSets()
{
    Connection::CloseStatConnection();
    Connection::CloseTallixConnection();
}

frmRestaurant::frmRestaurant(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmRestaurant"));
    setWindowTitle(QStringLiteral("饭店分析报表条件设置"));
    CreateControls();
    resize(1180, 560);
    Form_Load();
}

frmRestaurant::~frmRestaurant() = default;

void frmRestaurant::Form_Load()
{
    FlexGrid->SetColWidth(1, 2200);
    InitHotelWindow();
    HandlerGuard::Run([this] {
        ComboBoxTarget target(*ComboPrint);
        Connection::FillComboFromDictionary(target, QStringLiteral("DIC_tablename"), 1);
    });
    condition_ = std::make_unique<HotelCondition>();
    report_ = std::make_unique<HotelReport>();
    engine_ = std::make_unique<AreaSum>();
}

void frmRestaurant::InitHotelWindow()
{
    for (int g = 0; g < RangeCount; ++g) {
        QComboBox* combo = RangeGroups()[g].Combo;
        const QSignalBlocker block(combo);
        for (const QString& item : RangeItemTexts)
            combo->addItem(item);
    }
    for (int g = 0; g < RangeCount; ++g)
        SelectRangeItem(g, Unlimited);
    for (QCheckBox* box : chkRegtype)
        box->setChecked(true);
    for (QCheckBox* box : chkStar)
        box->setChecked(true);
    for (QCheckBox* box : chkB)
        box->setChecked(true);
    FlexGrid->SetTextMatrix(0, 0, QStringLiteral("地区代号"));
    FlexGrid->SetTextMatrix(0, 1, QStringLiteral("地区名称"));

    HandlerGuard::Run([this] {
        const OpenSets sets;
        Connection::TallixCmd->CommandText = QStringLiteral("SELECT Conditionname FROM Condition");
        Connection::TallixRs->Open(*Connection::TallixCmd);
        for (Connection::TallixRs->MoveFirst(); !Connection::TallixRs->IsEOF();
             Connection::TallixRs->MoveNext())
            lstConditon->addItem(
                Connection::TallixRs->Value(QStringLiteral("Conditionname")).toString().trimmed());
    });
}

void frmRestaurant::cmdAddnewRegion_Click()
{
    HandlerGuard::Run([this] {
        txtRegionKey->setFocus();
        if (txtRegionKey->text().isEmpty()) {
            MessagePresenter::Show(RegionEmptyMessage);
            return;
        }
        // Blanks only, or a number beyond 32 bits, names no region.
        const auto code = RegionDirectory::CodeOf(txtRegionKey->text());
        if (!code) {
            txtRegionKey->selectAll();
            MessagePresenter::Show(DataMessage);
            return;
        }
        const auto name = RegionDirectory::Name(*code);
        if (!name) {
            MessagePresenter::Show(RegionUnknownMessage);
            txtRegionKey->clear();
            return;
        }
        // Listed twice, a region is computed and printed twice; that stays allowed, but is said.
        if (FlexGrid->Column(0).contains(*code))
            AnalysisWindows::ShowStatus(this, RunNotice::RegionListedTwice);
        const int row = FlexGrid->Rows();
        FlexGrid->AddItem(QString());
        FlexGrid->SetTextMatrix(row, 0, *code);
        FlexGrid->SetTextMatrix(row, 1, *name);
        txtRegionKey->clear();
    });
}

void frmRestaurant::cmdDelRegion_Click()
{
    HandlerGuard::Run([this] {
        const OpenSets sets;
        const int rows = FlexGrid->Rows();
        const int selected = FlexGrid->RowSel();
        if (rows <= 1 || selected == 0)
            return;
        for (int row = selected; row < rows - 1; ++row) {
            FlexGrid->SetTextMatrix(row, 0, FlexGrid->TextMatrix(row + 1, 0));
            FlexGrid->SetTextMatrix(row, 1, FlexGrid->TextMatrix(row + 1, 1));
        }
        FlexGrid->SetRows(rows - 1);
    });
}

void frmRestaurant::RangeClick(int group)
{
    const RangeGroup g = RangeGroups()[group];
    const int item = g.Combo->currentIndex();
    g.Start->clear();
    g.End->clear();
    g.Start->setEnabled(item != Unlimited);
    g.End->setEnabled(item != Unlimited && item != AtLeast && item != AtMost);
}

void frmRestaurant::SelectRangeItem(int group, int index)
{
    QComboBox* combo = RangeGroups()[group].Combo;
    {
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(index);
    }
    RangeClick(group);
}

bool frmRestaurant::RangesComplete()
{
    const auto groups = RangeGroups();
    for (const auto& check : HotelRanges::Rules()) {
        const RangeGroup& g = groups[check.Position];
        if (!RangeComplete(g.Combo->currentIndex(), g.Start->text(), g.End->text())) {
            MessagePresenter::Show(check.Incomplete);
            g.Start->setFocus();
            return false;
        }
    }
    // 区间 300 至 100 admits nothing: a report of zeros that nobody asked for.
    for (const auto& check : HotelRanges::Rules()) {
        const RangeGroup& g = groups[check.Position];
        if (!RangeOrdered(g.Combo->currentIndex(), g.Start->text(), g.End->text())) {
            MessagePresenter::Show(RangeReversedMessage);
            g.Start->setFocus();
            g.Start->selectAll();
            return false;
        }
    }
    return true;
}

bool frmRestaurant::BoxesValid()
{
    // A box left through 关闭 was not checked; its value is checked now, before it counts.
    for (QLineEdit* box : findChildren<QLineEdit*>())
        if (box->isEnabled() && !FocusValidator::Validate(box))
            return false;
    return true;
}

void frmRestaurant::FillCondition()
{
    HotelCondition& c = *condition_;
    c.YearStat = Whole(txtYear->text(), QStringLiteral("年"));
    c.MonthStat = Whole(txtMonth->text(), QStringLiteral("月"));

    const auto groups = RangeGroups();
    for (const HotelRanges::Rule& rule : HotelRanges::Rules()) {
        const RangeGroup& g = groups[rule.Position];
        const auto [from, to] = HotelRanges::Bounds(g.Combo->currentIndex(), g.Start->text(), g.End->text());
        try {
            rule.Fill(c, from, to);
        } catch (const ConversionError& e) {
            throw e.WithContext(GroupCaption(g.Start));
        }
    }

    std::vector<std::int16_t> regtypes;
    for (int i = 0; i < 10; ++i)
        if (chkRegtype[i]->isChecked())
            regtypes.insert(regtypes.end(), HotelRun::RegtypeBoxes()[i].Codes.begin(),
                            HotelRun::RegtypeBoxes()[i].Codes.end());
    c.SetRegType(regtypes);

    std::vector<std::int16_t> stars;
    for (int i = 0; i < 6; ++i)
        if (chkStar[i]->isChecked())
            stars.push_back(static_cast<std::int16_t>(i));
    c.SetStarlevel(stars);

    QStringList categories;
    for (int i = 0; i < 5; ++i)
        if (chkB[i]->isChecked())
            categories << HotelCondition::AllCategories()[i];
    c.SetStatCategory(categories);
}

void frmRestaurant::cmdExec_Click()
{
    if (txtYear->text().trimmed().isEmpty() || txtMonth->text().trimmed().isEmpty()) {
        MessagePresenter::Show(PeriodEmptyMessage);
        txtYear->setFocus();
        return;
    }
    if (!BoxesValid())
        return;
    if (!RangesComplete())
        return;
    bool cancelled = false;
    QStringList notices;
    const bool done = HandlerGuard::Run([this, &cancelled, &notices] {
        const WaitCursor wait;
        FillCondition();
        const HotelRequest request{*condition_, FlexGrid->Column(0)};
        RunProgressDialog progress(this);
        cancelled = !request.Run(*engine_, *report_, progress.Progress());
        if (cancelled)
            return;
        tableprint::RunSaved();
        notices = request.Notices();
    });
    if (done)
        MessagePresenter::Show(cancelled ? RunProgressDialog::CancelledMessage
                                         : RunNotice::Done(RunNotice::DoneMessage, notices));
}

void frmRestaurant::btnPrint_Click()
{
    const int position = ComboPrint->currentIndex();
    if (position < 0 || position > 9)
        return;
    tableprint* print = tableprint::Shared();
    print->TableCode = QStringLiteral("1-") + QString::number(position + 1);
    print->Show();
}

void frmRestaurant::cmdCancel_Click()
{
    // Hidden, not closed: the menu shows it again with everything the user left in it.
    AnalysisWindows::Hide(this);
}
