#pragma once

#include <QProgressDialog>
#include <functional>

// The progress of an analysis run with a 取消 button. It appears only when the run takes
// longer than a second and keeps its window blocked meanwhile.
class RunProgressDialog
{
public:
    explicit RunProgressDialog(QWidget* parent);

    // For the engine: shows how far the run has come (records read of the whole) and answers
    // false once the user has pressed 取消.
    std::function<bool(int done, int total)> Progress();

    bool Cancelled() const { return dialog_.wasCanceled(); }

    static const QString CancelledMessage;

private:
    QProgressDialog dialog_;
};
