#include "MappedFile.h"

#include "ImportError.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

MappedFile::MappedFile(const QString& path) : path_(path)
{
    const QByteArray native = QFile::encodeName(path);
    const auto cannotOpen = [this] {
        return ImportError(ImportError::Kind::Io, Name() + QStringLiteral("：无法打开（") +
                                                      QString::fromLocal8Bit(std::strerror(errno)) +
                                                      QStringLiteral("）"));
    };
    const auto notRegular = [this] {
        return ImportError(ImportError::Kind::BadInput, QStringLiteral("不是普通文件：") + Name());
    };
    // Looked at before it is opened, and opened without waiting: a FIFO or a device would
    // otherwise hold the import until someone writes to it.
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        throw cannotOpen();
    if (!S_ISREG(info.st_mode))
        throw notRegular();
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        throw cannotOpen();
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) { // replaced in between
        ::close(fd);
        throw notRegular();
    }
    size_ = static_cast<std::size_t>(info.st_size);
    if (size_ > 0) {
        void* map = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd, 0);
        if (map == MAP_FAILED) {
            const int error = errno;
            ::close(fd);
            throw ImportError(ImportError::Kind::Io, Name() + QStringLiteral("：无法读取（") +
                                                         QString::fromLocal8Bit(std::strerror(error)) + QStringLiteral("）"));
        }
        ::madvise(map, size_, MADV_SEQUENTIAL);
        data_ = static_cast<const unsigned char*>(map);
    }
    ::close(fd);
}

MappedFile::~MappedFile()
{
    if (data_)
        ::munmap(const_cast<unsigned char*>(data_), size_);
}

QString MappedFile::Name() const
{
    return QFileInfo(path_).fileName();
}

std::string_view MappedFile::Bytes(std::size_t offset, std::size_t length) const
{
    if (offset > size_ || length > size_ - offset)
        return {};
    return {reinterpret_cast<const char*>(data_) + offset, length};
}

void MappedFile::Release(std::size_t offset) const
{
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    offset = std::min(offset, size_) / page * page;
    if (data_ && offset > 0)
        ::madvise(const_cast<unsigned char*>(data_), offset, MADV_DONTNEED);
}
