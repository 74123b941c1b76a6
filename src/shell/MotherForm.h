#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>

class QDialog;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

// The main window: an MDI frame whose menu shows the three analysis windows, each one
// shared instance created on first use, with the menus 窗口 and 帮助 after them and a status
// bar that names the source database and its newest period.
class MotherForm : public QMainWindow
{
    Q_OBJECT

public:
    enum class Analysis { Restaurant = 0, TourUnit = 1, TuTallix = 2 };
    using Factory = std::function<QWidget*()>;

    // The size the window opens at on a screen that has room for it.
    static constexpr QSize DefaultSize{1280, 860};

    explicit MotherForm(QString appFolder, QWidget* parent = nullptr);
    ~MotherForm() override;

    // The main window of the running program, if any.
    static MotherForm* Instance();

    void SetFactory(Analysis kind, Factory factory);

    // Shows the window where it was last closed; the first time at its default size inside
    // the available screen, or maximised where the screen is smaller than that.
    void ShowInPlace();

    // MDIForm_Load: the start-up checks; a notice is shown and the window stays usable.
    void MDIForm_Load();

    // Shows the shared instance of an analysis window, creating it when there is none. The
    // window scrolls its own body, so that every control can be reached on a small screen.
    QWidget* ShowAnalysis(Analysis kind);
    // The shared instance if it exists (shown or hidden).
    QWidget* AnalysisWindow(Analysis kind) const;
    // Hides every analysis window that exists; their contents stay.
    void HideAnalysisWindows();

    QMdiArea* MdiArea() const { return mdi_; }

    // The status bar's text about the source database, read afresh.
    void RefreshSourceStatus();
    QString SourceStatus() const;
    // Offers the import and the sample while there is no source database; closes the
    // offer once there is one.
    void OfferSource();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void munSysExit_Click();

    // How far each new sub-window stands from the one opened before it.
    static constexpr int CascadeStep = 28;

    // MotherFormMenus.cpp
    void CreateWindowMenu();
    void CreateHelpMenu();
    void ListOpenWindows(QMenu* menu);
    void TileWindows();
    void CascadeWindows();
    // Keeps the places the user gave the windows before 平铺 or 层叠 moves them.
    void MarkArranged();
    static bool IsArranged(const QMdiSubWindow* sub);
    static void SetArranged(QMdiSubWindow* sub, bool arranged);
    void munUsage_Click();
    void munAbout_Click();

    // Places a new sub-window where it was last put away, else at the next cascade step;
    // either way inside the visible area.
    void PlaceSubWindow(QMdiSubWindow* sub, const QWidget* window);
    void SaveSubWindowPlace(const QMdiSubWindow* sub) const;
    void OpenSample();

    QString app_;
    QMdiArea* mdi_;
    QLabel* lblSource_;
    QLabel* lblAppFolder_;
    QAction* munImport_ = nullptr;
    QPointer<QMdiSubWindow> offer_;
    QPointer<QDialog> usage_;
    std::array<Factory, 3> factories_;
    std::array<QPointer<QMdiSubWindow>, 3> windows_;
};
