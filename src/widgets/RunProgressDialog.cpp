#include "RunProgressDialog.h"

#include "MessagePresenter.h"

#include <QCoreApplication>
#include <limits>

const QString RunProgressDialog::CancelledMessage = QStringLiteral("已取消，结果表仍是上一次的报表");

RunProgressDialog::RunProgressDialog(QWidget* parent) : dialog_(parent)
{
    dialog_.setWindowTitle(MessagePresenter::ApplicationTitle());
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setCancelButtonText(QStringLiteral("取消"));
    dialog_.setLabelText(QStringLiteral("正在读取源数据……"));
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    // Shown here after a second rather than by the dialog's own estimate, which needs a
    // known number of steps.
    dialog_.setMinimumDuration(std::numeric_limits<int>::max());
    dialog_.setRange(0, 0);
    dialog_.reset(); // stops the timer the dialog's constructor started
    QObject::connect(&dialog_, &QProgressDialog::canceled, [this] { cancelled_ = true; });
    elapsed_.start();
}

std::function<bool(int, int)> RunProgressDialog::Progress()
{
    return [this](int done, int total) {
        if (total > 0) {
            if (dialog_.maximum() != total)
                dialog_.setRange(0, total);
            dialog_.setValue(done);
        } else {
            dialog_.setLabelText(QStringLiteral("正在读取源数据……已读 %1 条").arg(done));
        }
        if (!dialog_.isVisible() && elapsed_.elapsed() >= 1000)
            dialog_.show();
        QCoreApplication::processEvents(); // 取消 among them
        return !cancelled_;
    };
}
