#pragma once

#include "ReportSource.h"

#include <QSize>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

class ReportDocument;
class ReportViewer;

// The print window: shows one finished report for preview, printing and PDF export.
// A caller sets TableCode (and, for the ledger codes, title and item1 to item8) and calls
// Show; the report is built from the result tables as they stand at that moment.
class tableprint : public QWidget
{
    Q_OBJECT

public:
    explicit tableprint(QWidget* parent = nullptr);
    ~tableprint() override;

    QString TableCode;
    QString title;
    QString item1, item2, item3, item4, item5, item6, item7, item8;

    ReportViewer* CRViewer1;

    // The one print window the analysis windows share, created on first use.
    static tableprint* Shared();

    // Shows the window modeless and in front. It (re)loads when it was closed or when the
    // report asked for is not the one in view.
    void Show();

    // A run has saved a new report: an open print window shows it at once under the same
    // code (or says that the report is now empty). Nothing happens without one.
    static void RunSaved();

    // Builds the report for the current properties and hands it to the viewer. A database
    // failure is shown in a message box and leaves an empty viewer.
    void Form_Load();
    void Form_Resize();

    const ReportDocument* Report() const { return report_.get(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ReportSource::Request CurrentRequest() const;
    void Release();
    // The preferred size, within the available area of the screen the user works on.
    void PlaceOnScreen();

    static constexpr QSize PreferredSize{960, 700};
    static constexpr QSize FrameRoom{12, 40};

    std::shared_ptr<ReportDocument> report_;
    std::optional<ReportSource::Request> loaded_;
};
