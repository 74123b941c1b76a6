// The keys of the preview: Ctrl+P, Ctrl+plus and Ctrl+minus, Home and End, PageUp and PageDown.
#include "MessagePresenter.h"
#include "PdfText.h"
#include "ReportViewer.h"
#include "TempAppFolder.h"
#include "tableprint.h"

#include <QApplication>
#include <QPrintPreviewWidget>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A button's key presses it the way a click does, a moment later: true once it has done what
// was expected.
bool Press(QWidget* window, QKeyCombination key, const std::function<bool()>& done)
{
    QTest::keyClick(window, key.key(), key.keyboardModifiers());
    return QTest::qWaitFor(done, 5000);
}

TEST(ReportViewerKeys, MoveZoomAndPrintFromTheKeyboard)
{
    TempAppFolder folder;
    QList<QStringList> rows;
    for (int i = 0; i < 150; ++i)
        rows.append({QStringLiteral("地区%1").arg(i), "1"});
    InsertRows(folder, "type22", "1_10", rows);
    tableprint window;
    window.TableCode = "1-10";
    window.Show();
    QApplication::setActiveWindow(&window);
    ReportViewer* viewer = window.CRViewer1;
    const int pages = viewer->PageCount();
    ASSERT_GE(pages, 3);

    const struct
    {
        QKeyCombination key;
        int page;
    } moves[] = {{Qt::Key_End, pages},           {Qt::Key_PageUp, pages - 1}, {Qt::Key_Home, 1},
                 {Qt::Key_PageDown, 2},          {Qt::Key_Home, 1}};
    for (const auto& move : moves) {
        EXPECT_TRUE(Press(&window, move.key, [&] { return viewer->CurrentPage() == move.page; }))
            << QKeySequence(move.key).toString().toStdString() << " left page " << viewer->CurrentPage();
    }

    const qreal zoom = viewer->Preview()->zoomFactor();
    const auto factor = [&] { return viewer->Preview()->zoomFactor(); };
    EXPECT_TRUE(Press(&window, Qt::CTRL | Qt::Key_Plus, [&] { return factor() > zoom; }));
    const qreal larger = factor();
    EXPECT_TRUE(Press(&window, Qt::CTRL | Qt::Key_Minus, [&] { return factor() < larger; }));
    EXPECT_TRUE(Press(&window, Qt::CTRL | Qt::Key_Minus, [&] { return factor() < zoom; }));
    // Ctrl+P opens the print dialog: here only its binding is looked at.
    EXPECT_EQ(viewer->findChild<QToolButton*>("cmdPrint")->shortcut(), QKeySequence(QKeySequence::Print));
    window.close();
}

} // namespace
