#include "writers/buffer_writer.h"

#include <QFileDevice>
#include <cerrno>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

// Synced as it grows, a file's bytes reach the disk while the run goes on,
// instead of piling up in the page cache for the sync before the rename.
constexpr size_t k_sync_every = 16 << 20;

}  // namespace

BufferWriter::BufferWriter(QIODevice& device) : device_(device)
{
    // Devices and FIFOs hold no pages to write back.
    if (const auto* file = qobject_cast<QFileDevice*>(&device)) {
        struct stat info {};
        if (::fstat(file->handle(), &info) == 0 && S_ISREG(info.st_mode))
            sync_fd_ = file->handle();
    }
}

BufferWriter::~BufferWriter()
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

Chunk BufferWriter::hand_over(Chunk chunk)
{
    if (!thread_.joinable())
        start();
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return handed_ - written_ < k_buffers_ahead; });
    enqueue(lock, std::move(chunk));
    Chunk empty;
    if (!spare_.empty()) {
        empty = std::move(spare_.back());
        spare_.pop_back();
    }
    return empty;
}

bool BufferWriter::finish(Chunk last)
{
    std::unique_lock<std::mutex> lock(mutex_);
    enqueue(lock, std::move(last));
    changed_.wait(lock, [&] { return written_ == handed_; });
    return !first_failure_;
}

bool BufferWriter::failed() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return first_failure_ && *first_failure_ + k_buffers_ahead < handed_;
}

int BufferWriter::error() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return error_;
}

void BufferWriter::start()
{
    try {
        thread_ = std::thread(&BufferWriter::run, this);
    } catch (const std::system_error&) {
        // No thread to be had (a process limit): the buffers are written as they come.
    }
}

void BufferWriter::run()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
        if (stopping_)
            return;
        write_next(lock);
    }
}

void BufferWriter::enqueue(std::unique_lock<std::mutex>& lock, Chunk chunk)
{
    queue_.push_back(std::move(chunk));
    ++handed_;
    if (thread_.joinable())
        changed_.notify_all();
    else
        write_next(lock);
}

void BufferWriter::write_next(std::unique_lock<std::mutex>& lock)
{
    Chunk chunk = std::move(queue_.front());
    queue_.pop_front();
    // After a failure nothing more reaches the device; the run is ending.
    const bool skip = first_failure_.has_value();
    lock.unlock();
    const int error = skip ? 0 : write(chunk);
    lock.lock();
    if (error != 0) {
        first_failure_ = written_;
        error_ = error;
    }
    ++written_;
    chunk.size = 0;
    spare_.push_back(std::move(chunk));
    changed_.notify_all();
}

int BufferWriter::write(const Chunk& chunk)
{
    const auto size = static_cast<qint64>(chunk.size);
    errno = 0;
    if (device_.write(chunk.bytes.data(), size) != size)
        return errno != 0 ? errno : EIO;
    unsynced_ += chunk.size;
    if (sync_fd_ < 0 || unsynced_ < k_sync_every)
        return 0;
    unsynced_ = 0;
    // A failed sync is a failed write: the final sync would not report it again.
    return ::fdatasync(sync_fd_) == 0 ? 0 : errno;
}
