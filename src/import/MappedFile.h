#pragma once

#include <QString>
#include <cstddef>
#include <string_view>

// A whole file mapped read-only; the collection system's folder is never opened for writing.
class MappedFile
{
public:
    explicit MappedFile(const QString& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    const QString& Path() const { return path_; }
    QString Name() const; // the file name without its folder
    std::size_t Size() const { return size_; }
    const unsigned char* Data() const { return data_; }
    // Bytes [offset, offset + length); empty when that lies outside the file.
    std::string_view Bytes(std::size_t offset, std::size_t length) const;
    // Lets the pages before offset go: a table read once from start to end never needs them
    // again, and keeping them would hold the whole file in memory.
    void Release(std::size_t offset) const;

private:
    QString path_;
    const unsigned char* data_ = nullptr;
    std::size_t size_ = 0;
};
