#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>

class QMdiArea;
class QMdiSubWindow;

// The main window: an MDI frame whose menu shows the three analysis windows, each one
// shared instance created on first use.
class MotherForm : public QMainWindow
{
    Q_OBJECT

public:
    enum class Analysis { Restaurant = 0, TourUnit = 1, TuTallix = 2 };
    using Factory = std::function<QWidget*()>;

    explicit MotherForm(QString appFolder, QWidget* parent = nullptr);
    ~MotherForm() override;

    // The main window of the running program, if any.
    static MotherForm* Instance();

    void SetFactory(Analysis kind, Factory factory);

    // MDIForm_Load: the start-up checks; a notice is shown and the window stays usable.
    void MDIForm_Load();

    // Shows the shared instance of an analysis window, creating it when there is none.
    QWidget* ShowAnalysis(Analysis kind);
    // The shared instance if it exists (shown or hidden).
    QWidget* AnalysisWindow(Analysis kind) const;
    // Hides every analysis window that exists; their contents stay.
    void HideAnalysisWindows();

    QMdiArea* MdiArea() const { return mdi_; }

private:
    void munSysExit_Click();

    QString app_;
    QMdiArea* mdi_;
    std::array<Factory, 3> factories_;
    std::array<QPointer<QMdiSubWindow>, 3> windows_;
};
