#pragma once

#include "TempAppFolder.h"
#include "frmRestaurant.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

// Failures show texts, not UTF-16 bytes.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A hotel conditions window over a throw-away application folder holding the shared source
// database of HotelFixture.h, every message captured instead of shown.
class HotelWindowTest : public ::testing::Test
{
protected:
    HotelWindowTest();
    ~HotelWindowTest() override;

    // The window, loaded on first use so that a test can prepare the databases first.
    frmRestaurant& Window();
    // A fresh window, as after closing it by its title bar or restarting the program.
    frmRestaurant& Reload();

    template <typename T> T* Control(const QString& name)
    {
        T* control = Window().findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }


    // Puts the focus into a box and types over its text, as a user would.
    void Type(const QString& box, const QString& text);
    // Leaves the focused box with Tab.
    void Tab();
    void Click(const QString& button);
    void Tick(const QString& box, bool ticked);
    void AddRegion(const QString& key);
    // Year 2025, month 12.
    void TypePeriod();
    // Chooses a range item and types its numbers ("" leaves a box alone).
    void SetRange(const QString& combo, int item, const QString& start = {}, const QString& end = {});
    // Each range group as "item[start|end]" and its boxes' enabled states ("+" or "-"),
    // joined by "; ": "2[150|]+-" is "不大于（≤）" with 150 in the start box.
    QString RangeStates();
    // The region grid's rows, code and name tab-joined.
    QStringList GridRows();
    // The names in the stored-condition list, and a click on one of them.
    QStringList Listed();
    void Select(const QString& name);

    QStringList messages;
    TempAppFolder folder;

private:
    std::unique_ptr<frmRestaurant> window_;
};
