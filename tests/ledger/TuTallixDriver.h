#pragma once

#include "MessagePresenter.h"
#include "MotherForm.h"
#include "TempAppFolder.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

#include "TuTallix.h"

class FlexGrid;

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

    // A control of the window by its name; the test fails when there is none.
    template <typename T> T* Find(const char* name) const
    {
        T* control = window_->findChild<T*>(QLatin1String(name));
        if (!control)
            ADD_FAILURE() << "no control " << name;
        return control;
    }

    void Click(const char* name);
    // Puts the focus into a text box, replaces its text by typing, and leaves the focus there.
    void Type(const char* name, const QString& text);
    void Choose(const char* option);

    // Messages shown since the last call.
    QStringList TakeMessages();

    // Data rows of a grid, cells joined by tabs.
    QStringList GridRows(const char* name) const;
    void SelectRow(const char* grid, int row);

    // Through Frame9: opens the panel if needed, picks the return and adds its sub-item row.
    void ComposeItem(Table table, int subItemRow);
    void ComposeAccommodationItems();
    void AddRegions(const QStringList& keys);

private:
    TempAppFolder folder_;
    std::unique_ptr<MotherForm> mother_;
    TuTallix* window_ = nullptr;
    MessagePresenter::Handler previous_;
    QStringList messages_;
};
