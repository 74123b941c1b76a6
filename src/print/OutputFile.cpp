#include "OutputFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTemporaryDir>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A file filled through write(2) with every result looked at: Qt's own file devices let a
// failure of the last buffer or of the final flush pass unnoticed, and the painters that
// write PDFs never look at what their device said.
class CheckedFile : public QIODevice
{
public:
    explicit CheckedFile(int fd) : fd_(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    ~CheckedFile() override
    {
        if (fd_ >= 0)
            ::close(fd_);
    }

    // Everything on the disk and the file closed; false when any write, the flush or the close failed.
    bool Finish()
    {
        bool whole = Flush() && ::fsync(fd_) == 0;
        whole = ::close(fd_) == 0 && whole;
        fd_ = -1;
        return whole && !failed_;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override
    {
        if (failed_)
            return -1;
        buffer_.append(data, length);
        if (buffer_.size() >= (1 << 20) && !Flush())
            return -1;
        return length;
    }

private:
    bool Flush()
    {
        const char* p = buffer_.constData();
        qsizetype left = buffer_.size();
        while (!failed_ && left > 0) {
            const ssize_t n = ::write(fd_, p, static_cast<size_t>(left));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                failed_ = true;
            else
                p += n, left -= n;
        }
        buffer_.clear();
        return !failed_;
    }

    int fd_;
    QByteArray buffer_;
    bool failed_ = false;
};

// The file a path names: a link is followed, so the file it points at is the one replaced.
QString Resolved(const QString& path)
{
    const QFileInfo info(path);
    return info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}

} // namespace

namespace OutputFile {

bool IsWritableTarget(const QString& path)
{
    if (path.isEmpty())
        return false;
    struct stat info
    {
    };
    // A device, a FIFO or a folder is never replaced by a file of ours.
    return ::stat(QFile::encodeName(path).constData(), &info) != 0 ? errno == ENOENT : S_ISREG(info.st_mode);
}

bool Write(const QString& path, const std::function<bool(QIODevice&)>& writer)
{
    if (!IsWritableTarget(path))
        return false;
    const QString target = Resolved(path);
    static std::atomic<int> serial{0};
    const QByteArray scratch = QFile::encodeName(
        target + QStringLiteral(".part-%1-%2").arg(QCoreApplication::applicationPid()).arg(serial++));
    // Created as any new file of the user's is (the umask applies); the old file's mode is kept.
    const int fd = ::open(scratch.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    struct stat old
    {
    };
    if (::stat(QFile::encodeName(target).constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    CheckedFile file(fd);
    const bool whole = writer(file) && file.Finish() &&
                       ::rename(scratch.constData(), QFile::encodeName(target).constData()) == 0;
    if (!whole)
        ::unlink(scratch.constData());
    return whole;
}

bool WriteVia(const QString& path, const std::function<bool(const QString& scratch)>& writer)
{
    if (!IsWritableTarget(path))
        return false;
    const QTemporaryDir scratchDir;
    if (!scratchDir.isValid())
        return false;
    const QString scratch = scratchDir.filePath(QStringLiteral("output"));
    if (!writer(scratch))
        return false;
    QFile source(scratch);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    return Write(path, [&](QIODevice& device) {
        while (!source.atEnd()) {
            const QByteArray block = source.read(1 << 20);
            if (block.isEmpty() || device.write(block) != block.size())
                return false;
        }
        return true;
    });
}

QString FailureMessage(const QString& path)
{
    return QStringLiteral("无法写入文件：") + QDir::toNativeSeparators(path);
}

} // namespace OutputFile
