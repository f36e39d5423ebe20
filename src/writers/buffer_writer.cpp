#include "writers/buffer_writer.h"

#include <QFileDevice>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t k_sync_every = 16 << 20;

}  // namespace

BufferWriter::BufferWriter(QIODevice& device) : device_(&device)
{
    // Devices and FIFOs hold no pages to write back.
    if (const auto* file = qobject_cast<QFileDevice*>(&device)) {
        struct stat info {};
        if (::fstat(file->handle(), &info) == 0 && S_ISREG(info.st_mode))
            sync_fd_ = file->handle();
    }
}

void BufferWriter::write(const Chunk& chunk)
{
    // After a failure nothing more reaches the device; the run is ending.
    if (error_ != 0)
        return;
    const auto size = static_cast<qint64>(chunk.size);
    errno = 0;
    if (device_->write(chunk.bytes.data(), size) != size) {
        error_ = errno != 0 ? errno : EIO;
        return;
    }
    unsynced_ += chunk.size;
    if (sync_fd_ < 0 || unsynced_ < k_sync_every)
        return;
    unsynced_ = 0;
    // A failed sync is a failed write: the final sync would not report it again.
    if (::fdatasync(sync_fd_) != 0)
        error_ = errno;
}
