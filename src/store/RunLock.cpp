#include "RunLock.h"

#include "Checkpoint.h"
#include "Connection.h"
#include "DatabaseError.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

RunLock::Busy::Busy() : std::runtime_error(Message().toStdString()) {}

QString RunLock::Busy::Message()
{
    return QStringLiteral("另一个分析或导入正在进行，请稍后再试");
}

QString RunLock::LockFile(const QString& appFolder)
{
    return appFolder + QLatin1String(Connection::OwnDatabaseFolder) + QStringLiteral("/tallix.lock");
}

RunLock::RunLock() : RunLock(Connection::AppFolder()) {}

RunLock::RunLock(const QString& appFolder, std::chrono::milliseconds wait)
{
    const QString path = LockFile(appFolder);
    QDir().mkpath(appFolder + QLatin1String(Connection::OwnDatabaseFolder));
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0)
        throw DatabaseError(QString(), QStringLiteral("无法打开锁文件 ") + path + QStringLiteral("：") +
                                           QString::fromLocal8Bit(std::strerror(errno)));
    // flock, not a lock file's mere presence: the kernel releases it with the process.
    const auto deadline = std::chrono::steady_clock::now() + wait;
    bool waiting = false;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            const QString reason = QString::fromLocal8Bit(std::strerror(errno));
            ::close(fd_);
            throw DatabaseError(QString(),
                                QStringLiteral("无法锁定 ") + path + QStringLiteral("：") + reason);
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(fd_);
            throw Busy();
        }
        if (!waiting) {
            waiting = true;
            Checkpoint::Reach("lock-waiting");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

bool RunLock::IfFree(const std::function<void()>& work)
{
    try {
        const RunLock lock(Connection::AppFolder(), std::chrono::milliseconds(0));
        work();
        return true;
    } catch (const Busy&) {
        return false;
    }
}

RunLock::~RunLock()
{
    ::close(fd_); // closing the descriptor releases the lock
}
