#include "ImportProgressDialog.h"

#include "CollectionImport.h"
#include "ImportError.h"
#include "MessagePresenter.h"

#include <QEventLoop>
#include <QPointer>

ImportProgressDialog::ImportProgressDialog(const QString& appFolder, const QString& folder, QWidget* parent)
    : QProgressDialog(parent), import_(std::make_unique<CollectionImport>(appFolder)), folder_(folder)
{
    setObjectName(QStringLiteral("frmImportProgress"));
    setWindowTitle(QStringLiteral("导入采集数据"));
    setCancelButtonText(QStringLiteral("取消"));
    setLabelText(QStringLiteral("正在打开 ") + folder);
    setWindowModality(Qt::WindowModal);
    setAutoReset(false);
    setAutoClose(false);
    setMinimumDuration(0);
    setRange(0, 0);
    setMinimumWidth(420);
    connect(this, &QProgressDialog::canceled, this, [this] {
        cancel_ = true;
        setLabelText(QStringLiteral("正在取消…"));
    });
    import_->Cancel = &cancel_;
    QPointer<ImportProgressDialog> self(this);
    import_->OnProgress = [self](const QString& what, long long done, long long total) {
        // From the import's thread to the window's.
        QMetaObject::invokeMethod(
            self.data(), [self, what, done, total] { if (self) self->Progress(what, done, total); },
            Qt::QueuedConnection);
    };
}

ImportProgressDialog::~ImportProgressDialog()
{
    cancel_ = true;
    if (worker_.joinable())
        worker_.join();
}

void ImportProgressDialog::Progress(const QString& what, long long done, long long total)
{
    if (cancel_)
        return;
    if (total > 1) {
        setLabelText(QStringLiteral("正在读取 %1（%2 / %3 条记录）").arg(what).arg(done).arg(total));
        setRange(0, static_cast<int>(std::min<long long>(total, 1 << 30)));
        setValue(static_cast<int>(std::min<long long>(done, 1 << 30)));
    } else {
        setLabelText(QStringLiteral("正在") + what + QStringLiteral("…"));
        setRange(0, 0);
    }
}

bool ImportProgressDialog::Run()
{
    QEventLoop loop;
    QString failure;
    bool ok = false;
    show();
    worker_ = std::thread([this, &loop, &failure, &ok] {
        try {
            import_->Run(folder_);
            ok = true;
        } catch (const ImportError& e) {
            failure = e.Message();
        } catch (const std::exception& e) {
            failure = QString::fromLocal8Bit(e.what());
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker_.join();
    hide();
    if (!ok)
        MessagePresenter::Show(failure);
    return ok;
}
