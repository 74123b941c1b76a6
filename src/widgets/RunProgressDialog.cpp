#include "RunProgressDialog.h"

#include "MessagePresenter.h"

const QString RunProgressDialog::CancelledMessage = QStringLiteral("已取消，结果表仍是上一次的报表");

RunProgressDialog::RunProgressDialog(QWidget* parent) : dialog_(parent)
{
    dialog_.setWindowTitle(MessagePresenter::ApplicationTitle());
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setCancelButtonText(QStringLiteral("取消"));
    dialog_.setLabelText(QStringLiteral("正在读取源数据……"));
    dialog_.setMinimumDuration(1000);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.setRange(0, 0);
    dialog_.setValue(0);
}

std::function<bool(int, int)> RunProgressDialog::Progress()
{
    return [this](int done, int total) {
        if (dialog_.maximum() != total)
            dialog_.setRange(0, total);
        dialog_.setValue(done); // lets the events of a modal dialog through, 取消 among them
        return !dialog_.wasCanceled();
    };
}
