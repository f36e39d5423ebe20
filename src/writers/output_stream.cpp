#include "writers/output_stream.h"

#include <QIODevice>
#include <cerrno>

bool OutputStream::flush()
{
    if (!device_ || buffer_.empty())
        return !failed_;
    // After a failure nothing more reaches the device; the run is ending.
    if (!failed_) {
        const qint64 size = static_cast<qint64>(buffer_.size());
        errno = 0;
        failed_ = device_->write(buffer_.data(), size) != size;
        if (failed_)
            error_ = errno != 0 ? errno : EIO;
    }
    buffer_.clear();
    return !failed_;
}
