#pragma once

#include "FlexGrid.h"
#include "LedgerFixture.h"
#include "MessagePresenter.h"
#include "MotherForm.h"
#include "TempAppFolder.h"
#include "TuTallix.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <memory>
#include <stdexcept>

// The ledger window inside the main window, over a fresh application folder whose source
// database is the ledger fixture with item dictionaries; the messages it shows are caught.
class TuTallixDriver
{
public:
    // Dictionary positions of the accommodation returns as CmbSel lists them.
    enum Table { Base05 = 0, Base06 = 1, Base01 = 2 };

    TuTallixDriver();
    ~TuTallixDriver();
    TuTallixDriver(const TuTallixDriver&) = delete;
    TuTallixDriver& operator=(const TuTallixDriver&) = delete;

    const TempAppFolder& Folder() const { return folder_; }
    MotherForm& Mother() { return *mother_; }
    TuTallix& Window() { return *window_; }
    QStringList LedgerRows() const { return LedgerFixture::LedgerRows(folder_); }

    // A control of the window by its name; a missing one fails the test.
    template <typename T = QWidget> T* Find(const char* name) const
    {
        if (T* control = window_->findChild<T*>(QLatin1String(name)))
            return control;
        throw std::runtime_error(std::string("no control ") + name);
    }
    QString Text(const char* box) const { return Find<QLineEdit>(box)->text(); }
    bool Checked(const char* button) const { return Find<QAbstractButton>(button)->isChecked(); }
    // The ticked sub-boxes of the unit types.
    QStringList Ticked() const;
    // Data rows of a grid, cells joined by tabs.
    QStringList GridRows(const char* name) const;
    QStringList ListEntries() const;
    // Messages shown since the last call.
    QStringList TakeMessages() { return std::exchange(messages_, {}); }

    void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton); }
    // Puts the focus into a text box, replaces its text by typing, and leaves the focus there.
    void Type(const char* name, const QString& text);
    void Choose(const char* option);
    void Tick(const char* box, bool ticked) { Find<QAbstractButton>(box)->setChecked(ticked); }
    void SelectRow(const char* grid, int row) { Find<FlexGrid>(grid)->SetRow(row); }
    void Delete(const char* grid, int row, const char* button);
    // Types each text into the box and clicks the button after each.
    void Enter(const char* box, const char* button, const QStringList& texts);
    void AddRegions(const QStringList& keys) { Enter("txtRegionKey", "cmdAddnewRegion", keys); }
    void AddEnterprises(const QStringList& codes) { Enter("Text6", "CmdAddCompany", codes); }
    void SaveAs(const QString& name) { Enter("Text3", "CmdSave", {name}); }
    void SetPeriod(const QString& year, const QString& month);
    // Selects a List1 entry and opens it.
    void Open(const QString& name);
    // Through Frame9: opens the panel if needed, picks the return and adds its sub-item row.
    void ComposeItem(Table table, int subItemRow);
    // 客房+餐饮收入, 接待人数, 营业收入, 客房数; the panel closed again.
    void ComposeAccommodationItems();

    // The window fits the main window, nothing overlaps or is cut. ORVANE_LOOK_DIR=/some/folder
    // saves the main window as <look>.png.
    void ExpectLaidOut(const char* look);

private:
    TempAppFolder folder_;
    std::unique_ptr<MotherForm> mother_;
    TuTallix* window_ = nullptr;
    MessagePresenter::Handler previous_;
    QStringList messages_;
};
