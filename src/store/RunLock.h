#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <stdexcept>

// One analysis or import at a time per application folder: a run holds an exclusive lock on
// a file in the own database folder from its first pass to the end of its Save, an import
// from its first read to the swap of the source database. The operating
// system drops the lock when the holder ends, however it ends, so a killed run never
// blocks the next one.
class RunLock
{
public:
    // The lock is still held by another run after the whole wait.
    class Busy : public std::runtime_error
    {
    public:
        Busy();
        static QString Message();
    };

    static constexpr std::chrono::milliseconds DefaultWait{30000};

    // Waits for the lock of the application folder; throws Busy when the wait ends first.
    explicit RunLock(const QString& appFolder, std::chrono::milliseconds wait = DefaultWait);
    // The lock of the current application folder.
    RunLock();
    ~RunLock();
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

    static QString LockFile(const QString& appFolder);
    // Runs work under the current folder's lock if no other run holds it right now; a
    // running analysis is left alone. False when it did not run.
    static bool IfFree(const std::function<void()>& work);

private:
    int fd_ = -1;
};
