#pragma once

#include "TempAppFolder.h"
#include "frmRestaurant.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

class QLineEdit;

// A hotel conditions window over a throw-away application folder with a small source
// database (December 2025), every message captured instead of shown.
//
//  code   region  reg  star opened rooms beds  room-days    incomes       tax  assets     income profit staff
//                                              real/check   room/rest/oth      initial/net
//  B1001  430102  110  5    2000   300   500   6000 / 9000  10 / 5 / 1    0.8  3000/2500  16     2      100
//  B1002  430100  170  3    2008   120   200   2000 / 3600  3 / 1 / 0.5   0.2  800/600    4.5    0.3    30
//  B2003  430200  150  4    2012   200   350   4500 / 6000  6 / 2 / 1     0.5  1500/1200  9      1      60
//  B1004  430200  110  2    2018   60    100   900 / 1800   1 / 0.5 / 0   0.1  200/150    1.5    0.1    12
//
// B2003 is category B2, the others B1. No guests are recorded.
//
// Regions: 湖南省 430000, 长沙市 430100, 芙蓉区 430102, 株洲市 430200.
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
    void AddRegion(const QString& key);
    void ChooseRange(const QString& combo, int item);
    QStringList GridRows();

    QStringList messages;
    TempAppFolder folder;

private:
    std::unique_ptr<frmRestaurant> window_;
};
