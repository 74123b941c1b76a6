// The region list of the annual report window and its saved region sets.
#include "TourUnit.h"

#include "AnalysisWindows.h"
#include "Connection.h"
#include "FlexGrid.h"
#include "HandlerGuard.h"
#include "InputRules.h"
#include "MessagePresenter.h"
#include "RegionDirectory.h"
#include "RunNotice.h"
#include "TourUnitRegionSets.h"

#include <QLineEdit>

namespace {

// Moves the rows below a removed one up and drops the last row.
void RemoveRow(FlexGrid* grid, int row)
{
    const int last = grid->Rows() - 1;
    for (int r = row + 1; r <= last; ++r)
        for (int c = 0; c < grid->Cols(); ++c)
            grid->SetTextMatrix(r - 1, c, grid->TextMatrix(r, c));
    grid->SetRows(last);
}

} // namespace

void TourUnit::cmdAddnewRegion_Click()
{
    txtRegionKey->setFocus();
    const QString key = txtRegionKey->text();
    if (key.trimmed().isEmpty()) {
        MessagePresenter::Show(InputRules::RegionEmptyMessage);
        return;
    }
    // Not a number, or too large for a region number: refused before any lookup.
    const auto typed = RegionDirectory::CodeOf(key);
    if (!typed) {
        txtRegionKey->selectAll();
        MessagePresenter::Show(InputRules::DataMessage);
        return;
    }
    const QString code = *typed;

    std::optional<QString> found;
    if (!HandlerGuard::Run([&] { found = RegionDirectory::Name(code); }))
        return;
    if (!found) {
        MessagePresenter::Show(InputRules::RegionUnknownMessage);
        txtRegionKey->clear();
        txtRegionKey->setFocus();
        return;
    }
    // Listed twice, a region is computed and printed twice; that stays allowed, but is said.
    if (regionGrid->Column(0).contains(code.trimmed()))
        AnalysisWindows::ShowStatus(this, RunNotice::RegionListedTwice);
    regionGrid->AddItem(code.trimmed() + QLatin1Char('\t') + *found);
    // Cleared, so that the next code is not typed onto this one.
    txtRegionKey->clear();
    txtRegionKey->setFocus();
}

void TourUnit::cmdDelRegion_Click()
{
    // With the header selected there is no region to remove.
    const int row = regionGrid->RowSel();
    if (regionGrid->Rows() - 1 == 0 || row == 0)
        return;
    RemoveRow(regionGrid, row);
}

void TourUnit::cmdSave_Click()
{
    const QString name = txtSave->text();
    const int count = regionGrid->Rows() - 1;
    if (!InputRules::PlainText(name)) {
        MessagePresenter::Show(InputRules::ControlCharacterMessage);
        return;
    }
    if (!name.isEmpty()) {
        if (count == 0) {
            MessagePresenter::Show(QStringLiteral("保存的是空地址！"));
        } else {
            QList<TourUnitRegionSets::Region> regions;
            for (int i = 1; i <= count; ++i)
                regions << TourUnitRegionSets::Region{regionGrid->TextMatrix(i, 0),
                                                      regionGrid->TextMatrix(i, 1)};
            bool isNew = false;
            const bool saved = HandlerGuard::Run([&] {
                Connection::OpenTallixConnection();
                isNew = TourUnitRegionSets::Save(name, regions, txtYear->text());
                Connection::CloseTallixConnection();
            });
            if (!saved)
                return; // the name stays for another try
            if (isNew)
                MSfgSave->AddItem(name);
            AnalysisWindows::ShowStatus(this, QStringLiteral("已保存"));
        }
    }
    txtSave->clear();
}

void TourUnit::cmdOpen_Click()
{
    const int row = MSfgSave->Row();
    if (row == 0)
        return;
    const QString name = MSfgSave->TextMatrix(row, 0);
    txtSave->setText(name);

    QList<TourUnitRegionSets::StoredRegion> stored;
    const bool read = HandlerGuard::Run([&] {
        Connection::OpenTallixConnection();
        stored = TourUnitRegionSets::Open(name);
        Connection::CloseTallixConnection();
    });
    if (!read)
        return;

    regionGrid->SetRows(1);
    for (const auto& region : stored) {
        regionGrid->AddItem(region.Code + QLatin1Char('\t') + region.Name);
        txtYear->setText(region.Year);
    }
}

void TourUnit::cmdDel_Click()
{
    // Nothing selected: the header row is no set to delete.
    const int row = MSfgSave->RowSel();
    if (row == 0)
        return;
    const QString name = MSfgSave->TextMatrix(row, 0);
    if (!MessagePresenter::Ask(QStringLiteral("确定删除存储条件“%1”吗？").arg(name.trimmed())))
        return;
    const bool deleted = HandlerGuard::Run([&] {
        Connection::OpenTallixConnection();
        TourUnitRegionSets::Delete(name);
        Connection::CloseTallixConnection();
    });
    if (deleted)
        RemoveRow(MSfgSave, row);
}
