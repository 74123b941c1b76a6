#include "TuTallix.h"

#include "AnalysisWindows.h"
#include "AreaSum.h"
#include "Connection.h"
#include "ConversionError.h"
#include "DatabaseError.h"
#include "FlexGrid.h"
#include "FocusValidator.h"
#include "HandlerGuard.h"
#include "RunLock.h"
#include "RunNotice.h"
#include "MessagePresenter.h"
#include "RunProgressDialog.h"
#include "Numeric.h"
#include "RegionDirectory.h"
#include "TallixAreaData.h"
#include "TallixInput.h"
#include "TallixLookup.h"
#include "TallixRequest.h"
#include "WaitCursor.h"
#include "tableprint.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <optional>

namespace {

// Removes the selected data row of a region or enterprise grid, keeping the order of the
// others. Nothing happens without a data row or with the header selected.
void DeleteSelectedRow(FlexGrid* grid)
{
    const int rows = grid->Rows();
    const int selected = grid->RowSel();
    if (rows <= 1 || selected == 0)
        return;
    if (selected == rows - 1) {
        for (int c = 0; c < grid->Cols(); ++c)
            grid->SetTextMatrix(selected, c, QString());
    } else {
        for (int r = selected; r < rows - 1; ++r)
            for (int c = 0; c < grid->Cols(); ++c)
                grid->SetTextMatrix(r, c, grid->TextMatrix(r + 1, c));
    }
    grid->SetRows(rows - 1);
}

// The typed region number of a key box as a six-digit code; the message to show instead
// when the box holds none.
std::optional<QString> RegionCodeOf(const QString& text, QString* message)
{
    if (text.trimmed().isEmpty()) {
        *message = TallixInput::CodeEmptyMessage;
        return std::nullopt;
    }
    const auto code = RegionDirectory::CodeOf(text);
    if (!code)
        *message = TallixInput::DataMessage;
    return code;
}


} // namespace

TuTallix::TuTallix(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TuTallix"));
    setWindowTitle(QStringLiteral("旅游企业台帐"));
    CreateControls();
    ConnectHandlers();
    AttachValidators();
    resize(1180, 700);
    Form_Load();
}

TuTallix::~TuTallix() = default;

void TuTallix::Form_Load()
{
    ListTallixConfigurations();
    areaSum_ = std::make_unique<AreaSum>();
    indexs_.clear();

    Frame9->hide();
    SelectOption(OptAccom);
    SelectOption(OptCurrent);
    SelectOption(Option8);

    FlexGridItem->SetTextMatrix(0, 0, QStringLiteral("          栏目名称"));
    FlexGridSubItem->SetTextMatrix(0, 0, QStringLiteral("         栏目名称"));
    FlexGridArea->SetTextMatrix(0, 0, QStringLiteral("地区代号"));
    FlexGridArea->SetTextMatrix(0, 1, QStringLiteral("地区名称"));
    FlexGridCompany->SetTextMatrix(0, 0, QStringLiteral("企业代号"));
    FlexGridCompany->SetTextMatrix(0, 1, QStringLiteral("企业名称"));
    for (FlexGrid* grid : {FlexGridItem, FlexGridSubItem, FlexGridArea, FlexGridCompany})
        FitGridColumns(grid);
    FlexGridItem->SetRows(1);
    FlexGridSubItem->SetRows(1);
    FlexGridCompany->SetRows(1);

    ChKRestaurant->setChecked(true);
    ChkOther->setChecked(true);
}

void TuTallix::SelectOption(QRadioButton* option)
{
    if (!option->isChecked()) {
        option->setChecked(true); // its toggled handler runs
        return;
    }
    if (option == OptAccom)
        OptAccom_Click();
    else if (option == OptTu)
        OptTu_Click();
    else if (option == OptTuArea)
        OptTuArea_Click();
    else if (option == OptOther)
        OptOther_Click();
}

// ---- index columns ----

void TuTallix::SetAddingState(bool adding)
{
    Frame9->setVisible(adding);
    for (QWidget* control :
         std::initializer_list<QWidget*>{Frame2, Frame3, Frame4, Frame5, CmdCancle, CmdExe, CmdPrint})
        control->setEnabled(!adding);
}

void TuTallix::CmdAddItem_Click()
{
    SetAddingState(true);
    {
        const QSignalBlocker blocker(CmbSel);
        CmbSel->clear();
    }
    cmbTablename->clear();
    HandlerGuard::Run([&] { FillTableList(UnitNumber()); });
    FlexGridSubItem->SetRows(1);
    CmbSel->setFocus();
}

void TuTallix::FillTableList(int unit)
{
    Connection::OpenTallixConnection();
    Connection::TallixCmd->CommandText = QStringLiteral("SELECT * FROM dic_ttallix") +
                                         QStringLiteral(" WHERE unittype = ") + QString::number(unit);
    Recordset& rs = *Connection::TallixRs;
    rs.Open(*Connection::TallixCmd);
    {
        // Filling the list selects nothing: the sub-items follow the user's choice.
        const QSignalBlocker blocker(CmbSel);
        for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) {
            CmbSel->addItem(rs.Value(QStringLiteral("tabletitle")).toString());
            cmbTablename->addItem(rs.Value(QStringLiteral("tablename")).toString());
        }
        CmbSel->setCurrentIndex(-1);
    }
    cmbTablename->setCurrentIndex(-1);
    Connection::CloseTallixConnection();
}

void TuTallix::CmbSel_Click()
{
    cmbTablename->setCurrentIndex(CmbSel->currentIndex());
    HandlerGuard::Run([&] { FillSubItems(UnitNumber()); });
}

void TuTallix::FillSubItems(int unit)
{
    Connection::OpenTallixConnection();
    Connection::OpenStatConnection();
    Connection::TallixCmd->CommandText =
        QStringLiteral(" SELECT indextable,tablename FROM dic_ttallix WHERE unittype = ") +
        QString::number(unit);
    Recordset& tables = *Connection::TallixRs;
    tables.Open(*Connection::TallixCmd);
    tables.MoveFirst();
    for (int i = 0; i < CmbSel->currentIndex(); ++i)
        tables.MoveNext();
    FlexGridSubItem->SetRows(1);
    if (!tables.IsEOF()) {
        const QString tablename = tables.Value(QStringLiteral("tablename")).toString();
        const QString indextable = tables.Value(QStringLiteral("indextable")).toString();
        Connection::StatCmd->CommandText = QStringLiteral("SELECT content,fieldname FROM ") + indextable;
        Recordset& items = *Connection::StatRs;
        items.Open(*Connection::StatCmd);
        for (items.MoveFirst(); !items.IsEOF(); items.MoveNext()) {
            const QString source =
                items.Value(QStringLiteral("fieldname")).toString() + QLatin1Char('\t') + tablename;
            FlexGridSubItem->AddItem(items.Value(QStringLiteral("content")).toString().trimmed() +
                                     QLatin1Char('\t') + source.trimmed());
        }
    }
    Connection::CloseStatConnection();
    Connection::CloseTallixConnection();
}

void TuTallix::CmdAddSubItem_Click()
{
    const int selected = FlexGridSubItem->Row();
    if (selected == 0)
        return;
    if (FlexGridItem->Rows() >= TallixInput::MaxItems + 1) {
        MessagePresenter::Show(TallixInput::TooManyItemsMessage);
        return;
    }
    itemOrigins_[static_cast<std::size_t>(FlexGridItem->Rows() - 1)] = ItemOrigin();
    FlexGridItem->AddItem(FlexGridSubItem->TextMatrix(selected, 0) + QLatin1Char('\t') +
                          FlexGridSubItem->TextMatrix(selected, 1) + QLatin1Char('\t') +
                          FlexGridSubItem->TextMatrix(selected, 2));
}

void TuTallix::CmdQuit_Click()
{
    SetAddingState(false);
}

void TuTallix::CmdDelItem_Click()
{
    const int rows = FlexGridItem->Rows();
    const int selected = FlexGridItem->RowSel();
    if (rows <= 1 || selected == 0)
        return;
    for (int r = selected; r < rows - 1; ++r) {
        for (int c = 0; c < FlexGridItem->Cols(); ++c)
            FlexGridItem->SetTextMatrix(r, c, FlexGridItem->TextMatrix(r + 1, c));
        itemOrigins_[static_cast<std::size_t>(r - 1)] = itemOrigins_[static_cast<std::size_t>(r)];
    }
    FlexGridItem->SetRows(rows - 1);
}

// ---- regions and enterprises ----

void TuTallix::cmdAddnewRegion_Click()
{
    txtRegionKey->setFocus();
    QString message;
    const auto code = RegionCodeOf(txtRegionKey->text(), &message);
    if (!code) {
        MessagePresenter::Show(message);
        return;
    }
    HandlerGuard::Run([&] {
        const auto name = RegionDirectory::Name(*code);
        if (!name)
            MessagePresenter::Show(TallixInput::NoRegionMessage);
        else
            AddListed(FlexGridArea, *code, *name, RunNotice::RegionListedTwice);
        txtRegionKey->clear();
    });
}

void TuTallix::AddListed(FlexGrid* grid, const QString& code, const QString& name, const QString& twice)
{
    // Listed twice, a row is computed and printed twice; that stays allowed, but is said.
    if (grid->Column(0).contains(code.trimmed()))
        AnalysisWindows::ShowStatus(this, twice);
    grid->AddItem(code + QLatin1Char('\t') + name);
    FitGridColumns(grid);
}

void TuTallix::CmdDelRegion_Click()
{
    DeleteSelectedRow(FlexGridArea);
}

void TuTallix::Command1_Click()
{
    FlexGridArea->SetRows(1);
}

void TuTallix::CmdAddArea_Click()
{
    Text5->setFocus();
    QString message;
    const auto code = RegionCodeOf(Text5->text(), &message);
    if (!code) {
        MessagePresenter::Show(message);
        return;
    }
    HandlerGuard::Run([&] {
        // Enterprises of another unit type would only stand as rows of zeros.
        TallixCondition unit;
        ApplyUnitType(unit);
        QString refusal;
        const auto enterprises =
            TallixLookup::EnterprisesOfRegion(*code, unit.UnitTypeSql(), UnitCaption(), &refusal);
        if (enterprises.isEmpty())
            MessagePresenter::Show(refusal);
        for (const TallixLookup::Entry& enterprise : enterprises)
            AddListed(FlexGridCompany, enterprise.Code, enterprise.Name, RunNotice::EnterpriseListedTwice);
        Text5->clear();
    });
}

void TuTallix::CmdAddCompany_Click()
{
    Text6->setFocus();
    const QString code = Text6->text().trimmed();
    if (code.isEmpty()) {
        MessagePresenter::Show(TallixInput::CodeEmptyMessage);
        return;
    }
    HandlerGuard::Run([&] {
        const auto name = RegionDirectory::EnterpriseName(code);
        if (!name)
            MessagePresenter::Show(TallixInput::NoEnterpriseMessage);
        else
            AddListed(FlexGridCompany, code, *name, RunNotice::EnterpriseListedTwice);
        Text6->clear();
    });
}

void TuTallix::CmdDelCompany_Click()
{
    DeleteSelectedRow(FlexGridCompany);
}

void TuTallix::CmdClearCompany_Click()
{
    FlexGridCompany->SetRows(1);
}

bool TuTallix::Text5_KeyPress(QChar key)
{
    if (TallixInput::EnterpriseRegionKeyAccepted(key))
        return true;
    QApplication::beep();
    return false;
}

// ---- running ----

void TuTallix::SetConditionYear()
{
    condition_.YearStat = Numeric::ToInt16(TxtYear->text().trimmed());
}

void TuTallix::SetConditionMonth()
{
    condition_.MonthStat = Numeric::ToInt16(TxtMonth->text().trimmed());
}

void TuTallix::SetConditionTableStyle()
{
    if (OptCurrent->isChecked())
        condition_.TableStyle = 1;
    else if (OptAccumu->isChecked())
        condition_.TableStyle = 2;
    else if (OptSameTerm->isChecked())
        condition_.TableStyle = 3;
    else if (OptAccumuCom->isChecked())
        condition_.TableStyle = 4;
}

void TuTallix::SetConditionIndexes()
{
    indexs_.clear();
    for (int r = 1; r < FlexGridItem->Rows(); ++r) {
        auto index = std::make_shared<TallixIndex>();
        index->FieldName = FlexGridItem->TextMatrix(r, 1).trimmed();
        index->Tablename = FlexGridItem->TextMatrix(r, 2).trimmed();
        indexs_.push_back(index);
    }
    condition_.SetCustomIndexs(indexs_);
}

// The run as the window holds it: without a chosen list only the totals are computed.
TallixRequest TuTallix::Request() const
{
    const FlexGrid* grid = Option8->isChecked() ? FlexGridArea : FlexGridCompany;
    return {condition_, grid->Column(0), Option8->isChecked(), FlexGridItem->Column(0),
            Option8->isChecked() || Option9->isChecked()};
}

bool TuTallix::RunTallixRows()
{
    TallixRequest request = Request();
    RunProgressDialog progress(this);
    return request.Run(*areaSum_, report_, progress.Progress());
}

void TuTallix::CmdExe_Click()
{
    if (TxtYear->text().trimmed().isEmpty() || TxtMonth->text().trimmed().isEmpty()) {
        MessagePresenter::Show(TallixInput::PeriodEmptyMessage);
        TxtYear->setFocus();
        return;
    }
    // A box left through 取消 was not checked; it is now, before its value counts.
    for (QLineEdit* box : {TxtYear, TxtMonth})
        if (!FocusValidator::Validate(box))
            return;
    bool cancelled = false;
    QStringList notices;
    const bool done = HandlerGuard::Run([&] {
        const WaitCursor wait;
        SetConditionYear();
        SetConditionMonth();
        SetConditionUnitType();
        SetConditionTableStyle();
        SetConditionIndexes();
        cancelled = !RunTallixRows();
        if (cancelled)
            return;
        tableprint::RunSaved();
        notices = Request().Notices();
    });
    if (done) {
        MessagePresenter::Show(cancelled ? RunProgressDialog::CancelledMessage
                                         : RunNotice::Done(TallixInput::DoneMessage, notices));
        return;
    }
    // A stopped run leaves no ledger behind, not even the previous one under new headings.
    report_.Clear();
    HandlerGuard::Run([] { RunLock::IfFree(Connection::ClearResultTables); });
}

void TuTallix::CmdCancle_Click()
{
    AnalysisWindows::HideAll();
    AnalysisWindows::Hide(this);
}

// ---- printing ----

void TuTallix::ClearPrintHeadings()
{
    tableprint* print = tableprint::Shared();
    for (QString* item : {&print->item1, &print->item2, &print->item3, &print->item4, &print->item5,
                          &print->item6, &print->item7, &print->item8})
        item->clear();
}

void TuTallix::CmdPrint_Click()
{
    ClearPrintHeadings();
    tableprint* print = tableprint::Shared();
    const struct
    {
        QRadioButton* option;
        const char* code;
        QString title;
        QString suffix;
    } modes[] = {
        {OptCurrent, "3_1", QStringLiteral("旅游企业台帐（按本期数值）"), QString()},
        {OptAccumu, "3_2", QStringLiteral("旅游企业台帐（按累计数值）"), QString()},
        {OptSameTerm, "3_3", QStringLiteral("旅游企业台帐（按同期比较）"), QStringLiteral("（同比%）")},
        {OptAccumuCom, "3_4", QStringLiteral("旅游企业台帐（按累计比较）"), QStringLiteral("（累比%）")},
    };
    QString* items[] = {&print->item1, &print->item2, &print->item3, &print->item4,
                        &print->item5, &print->item6, &print->item7, &print->item8};
    for (const auto& mode : modes) {
        if (!mode.option->isChecked())
            continue;
        print->TableCode = QLatin1String(mode.code);
        print->title = mode.title;
        for (int k = 1; k <= TallixInput::MaxItems; ++k)
            if (FlexGridItem->Rows() > k)
                *items[k - 1] = FlexGridItem->TextMatrix(k, 0) + mode.suffix;
    }
    print->Show();
}
