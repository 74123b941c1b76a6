#include "TourUnit.h"

#include "AnalysisWindows.h"
#include "AreaSum.h"
#include "ComboBoxTarget.h"
#include "Connection.h"
#include "ConversionError.h"
#include "DatabaseError.h"
#include "FlexGrid.h"
#include "FocusValidator.h"
#include "InputRules.h"
#include "HandlerGuard.h"
#include "MessagePresenter.h"
#include "RunProgressDialog.h"
#include "Numeric.h"
#include "ReportExport.h"
#include "RunNotice.h"
#include "FileDialogs.h"
#include "TourUnitRegionSets.h"
#include "TourUnitReport.h"
#include "TourUnitRequest.h"
#include "WaitCursor.h"
#include "tableprint.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A box of blanks only counts as empty here; the run refuses it as an empty year.
FocusValidator::Verdict YearRule(const QString& text)
{
    if (text.trimmed().isEmpty() || InputRules::Year(text).accepted)
        return FocusValidator::Verdict::Accept();
    return FocusValidator::Verdict::Refuse(InputRules::YearMessage);
}

FocusValidator::Verdict RegionKeyRule(const QString& text)
{
    if (InputRules::RegionKey(text).accepted)
        return FocusValidator::Verdict::Accept();
    return FocusValidator::Verdict::Refuse(InputRules::DataMessage);
}

} // namespace

TourUnit::TourUnit(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TourUnit"));
    setWindowTitle(QStringLiteral("旅游单位综合年报表"));
    CreateControls();
    ConnectHandlers();
    Form_Load();
}

TourUnit::~TourUnit() = default;

const QStringList& TourUnit::PrintCodes()
{
    static const QStringList codes = {"2-1-1", "2-1-2", "2-1-3",  "2-1-4",  "2-1-5",  "2-1-6", "2-1-7",
                                      "2-1-8", "2-1-9", "2-1-1A", "2-1-1B", "2-1-1C", "2-1-1D"};
    return codes;
}

void TourUnit::ConnectHandlers()
{
    FocusValidator::Attach(txtYear, YearRule);
    FocusValidator::Attach(txtRegionKey, RegionKeyRule);
    // Closing never asks for the values of the box that has the focus.
    FocusValidator::Exempt(cmdExit);

    // While a run lasts, the progress dialog lets events through; no other action may start.
    const auto bind = [this](QAbstractButton* button, void (TourUnit::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, [this, handler] {
            if (!running_)
                (this->*handler)();
        });
    };
    bind(cmdAddnewRegion, &TourUnit::cmdAddnewRegion_Click);
    bind(cmdDelRegion, &TourUnit::cmdDelRegion_Click);
    bind(cmdCreate, &TourUnit::cmdCreate_Click);
    bind(cmdType, &TourUnit::cmdType_Click);
    bind(cmdExportSelected, &TourUnit::cmdExportSelected_Click);
    bind(ChkAllSelect, &TourUnit::ChkAllSelect_Click);
    bind(cmdSave, &TourUnit::cmdSave_Click);
    bind(cmdOpen, &TourUnit::cmdOpen_Click);
    bind(cmdDel, &TourUnit::cmdDel_Click);
    bind(cmdExit, &TourUnit::cmdExit_Click);
    connect(txtRegionKey, &QLineEdit::returnPressed, this, [this] {
        if (!running_)
            cmdAddnewRegion_Click();
    });
}

void TourUnit::Form_Load()
{
    // The engine and the grid headers need no database, so a failed load still leaves them.
    report_ = std::make_unique<TourUnitReport>();
    areaSum_ = std::make_unique<AreaSum>();
    regionGrid->SetTextMatrix(0, 0, QStringLiteral("地区代号"));
    regionGrid->SetTextMatrix(0, 1, QStringLiteral("地区名称"));
    MSfgSave->SetTextMatrix(0, 0, QStringLiteral("条件名称"));

    HandlerGuard::Run([this] {
        Connection::OpenTallixConnection();
        ComboBoxTarget target(*Comboprint2);
        Connection::FillComboFromDictionary(target, QStringLiteral("DIC_tablename"), 2);
        const QStringList names = TourUnitRegionSets::Names();
        if (!names.isEmpty()) {
            MSfgSave->SetRows(static_cast<int>(names.size()) + 1);
            for (int i = 0; i < names.size(); ++i)
                MSfgSave->SetTextMatrix(i + 1, 0, names[i]);
        }
        Connection::CloseTallixConnection();
    });
}

void TourUnit::cmdCreate_Click()
{
    const QString year = txtYear->text().trimmed();
    if (year.isEmpty()) {
        MessagePresenter::Show(InputRules::YearEmptyMessage);
        txtYear->setFocus();
        return;
    }
    if (!InputRules::Year(year).accepted) {
        txtYear->selectAll();
        MessagePresenter::Show(InputRules::YearMessage);
        txtYear->setFocus();
        return;
    }

    running_ = true;
    bool cancelled = false;
    QStringList notices;
    const bool done = HandlerGuard::Run([this, &year, &cancelled, &notices] {
        const WaitCursor wait; // also while another run holds the lock
        cancelled = !CalculateAllRegions(Numeric::ToInt16(year));
        if (cancelled)
            return;
        tableprint::RunSaved();
        notices = TourUnitRequest{Numeric::ToInt16(year), regionGrid->Column(0)}.Notices();
    });
    running_ = false;
    // A run that fails before writing leaves the last report as it was, like the hotel
    // window and the command line; one that fails while writing leaves the tables empty.
    if (done)
        MessagePresenter::Show(cancelled ? RunProgressDialog::CancelledMessage
                                         : RunNotice::Done(RunNotice::DoneMessage, notices));
}

bool TourUnit::CalculateAllRegions(std::int16_t year)
{
    WaitCursor wait;
    TourUnitRequest request{year, {}};
    for (int i = 1; i < regionGrid->Rows(); ++i) {
        regionGrid->SetRow(i);
        regionGrid->SetCol(0);
        request.Regions << regionGrid->Text();
    }
    RunProgressDialog progress(this);
    return request.Run(*areaSum_, *report_, progress.Progress());
}

void TourUnit::cmdType_Click()
{
    const int position = Comboprint2->currentIndex();
    if (position < 0 || position >= PrintCodes().size())
        return;
    tableprint* print = tableprint::Shared();
    print->TableCode = PrintCodes()[position];
    print->Show();
}

void TourUnit::cmdExportSelected_Click()
{
    if (SelectedCodes().isEmpty()) {
        MessagePresenter::Show(QStringLiteral("请先选定要导出的报表"));
        return;
    }
    QString filter;
    const QString path =
        FileDialogs::AskSave(this, QStringLiteral("导出所选"), QStringLiteral("旅游单位综合年报.xlsx"),
                             QStringLiteral("Excel 工作簿 (*.xlsx);;PDF 文件 (*.pdf)"), &filter);
    if (path.isEmpty())
        return;
    // A name without either ending takes the kind chosen in the dialog.
    const bool named = path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive) || ReportExport::IsPdf(path);
    ExportSelected(named ? path : path + (filter.contains(QStringLiteral("pdf")) ? QStringLiteral(".pdf")
                                                                                : QStringLiteral(".xlsx")));
}

QStringList TourUnit::SelectedCodes() const
{
    QStringList codes;
    for (qsizetype i = 0; i < Check2.size() && i < ListCodes().size(); ++i)
        if (Check2[i]->isChecked())
            codes << ListCodes()[i];
    return codes;
}

void TourUnit::ExportSelected(const QString& path)
{
    std::optional<QString> failure;
    const bool ran = HandlerGuard::Run([&] {
        const WaitCursor wait;
        failure = ReportExport::Write(SelectedCodes(), path);
    });
    if (!ran)
        return;
    if (failure)
        MessagePresenter::Show(*failure);
    else
        AnalysisWindows::ShowStatus(this, QStringLiteral("已保存到 ") + QDir::toNativeSeparators(path));
}

void TourUnit::ChkAllSelect_Click()
{
    const bool ticked = ChkAllSelect->isChecked();
    for (QCheckBox* check : Check2)
        check->setChecked(ticked);
}

void TourUnit::cmdExit_Click()
{
    // Hidden, not closed: the menu shows the window again with its entries.
    AnalysisWindows::Hide(this);
}
