#pragma once

#include <QElapsedTimer>
#include <QProgressDialog>
#include <functional>

// The progress of an analysis run with a 取消 button. It appears only when the run takes
// longer than a second and keeps its window blocked meanwhile.
class RunProgressDialog
{
public:
    explicit RunProgressDialog(QWidget* parent);
    RunProgressDialog(const RunProgressDialog&) = delete;
    RunProgressDialog& operator=(const RunProgressDialog&) = delete;

    // For the engine: shows how far the run has come (records read of the whole) and answers
    // false once the user has pressed 取消.
    std::function<bool(int done, int total)> Progress();

    bool Cancelled() const { return cancelled_; }

    static const QString CancelledMessage;

private:
    QProgressDialog dialog_;
    QElapsedTimer elapsed_;
    bool cancelled_ = false;
};
