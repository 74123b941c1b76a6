#pragma once

#include "FlexGrid.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

// Puts the focus into the box and types over its text as a user does: keys for what a keyboard
// has, Chinese characters committed by the input method.
inline void TypeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(box, c.toLatin1());
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QApplication::sendEvent(box, &commit);
        }
    }
}

// The data rows of a grid, cells joined by tabs.
inline QStringList GridRows(const FlexGrid& grid)
{
    QStringList rows;
    for (int r = 1; r < grid.Rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.Cols(); ++c)
            cells << grid.TextMatrix(r, c);
        rows << cells.join(QLatin1Char('\t'));
    }
    return rows;
}
