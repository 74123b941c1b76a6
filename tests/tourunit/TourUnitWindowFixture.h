#pragma once

#include "FlexGrid.h"
#include "TempAppFolder.h"
#include "TourUnit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

// The annual report window over the annual fixture source database, with every message
// captured instead of shown. The window loads on first use, so a test can prepare the own
// database before.
class TourUnitWindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    TourUnit& Window();
    // Ends the window; the next use loads a fresh one.
    void ReloadWindow() { window_.reset(); }

    template <typename T = QWidget> T* Control(const QString& name)
    {
        T* control = Window().findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QLineEdit* Box(const QString& name) { return Control<QLineEdit>(name); }
    FlexGrid* Grid(const QString& name) { return Control<FlexGrid>(name); }

    // Puts the focus into the box and types the text over what it held.
    void Type(const QString& box, const QString& text);
    // A mouse click on the button, as the user gives it: the button takes the focus first.
    void Click(const QString& button);
    void AddRegion(const QString& key);
    // Data rows of a grid, cells joined by tabs.
    QStringList GridRows(const QString& grid);
    // The rows of one result table for a table code ("211", "211A"), without the NULL columns.
    QStringList ResultRows(const QString& tableCode) const;

    TempAppFolder folder;
    QStringList messages;

private:
    std::unique_ptr<TourUnit> window_;
};
