#pragma once

#include <utility>

#include <unistd.h>

// An open file descriptor of the system's, closed with its owner: one owner at a time (it
// moves, it is not copied). For code that works on descriptors directly (openat, fstat, pread,
// O_TMPFILE) rather than through QFile. Where the result of closing matters (a file being
// written, whose last error the close may report), close() says it; the destructor closes
// quietly. Any thread; one object is not shared between threads.
class FileDescriptor
{
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor)
        : mDescriptor(descriptor)
    {
    }
    FileDescriptor(FileDescriptor&& other) noexcept
        : mDescriptor(other.release())
    {
    }
    FileDescriptor& operator=(FileDescriptor&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { reset(); }

    // The descriptor, still owned; -1 when none is open.
    int get() const { return mDescriptor; }
    bool isOpen() const { return mDescriptor >= 0; }

    // Gives the descriptor up without closing it: the caller owns it now.
    int release() { return std::exchange(mDescriptor, -1); }
    // Closes the descriptor held, if any, and holds descriptor instead.
    void reset(int descriptor = -1)
    {
        const int previous = std::exchange(mDescriptor, descriptor);
        if (previous >= 0)
            ::close(previous);
    }
    // Closes the descriptor now; false, with errno set, when the system reports an error (a
    // write that did not reach the disk). The descriptor is released either way: a close
    // interrupted by a signal is not tried again, since Linux has closed it already.
    bool close()
    {
        const int previous = release();
        return previous < 0 || ::close(previous) == 0;
    }

private:
    int mDescriptor = -1;
};
