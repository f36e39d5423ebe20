#include "writers/output_stream.h"

#include <QIODevice>

bool OutputStream::flush()
{
    if (!device_ || buffer_.empty())
        return !failed_;
    // After a failure nothing more reaches the device; the run is ending.
    if (!failed_) {
        const qint64 size = static_cast<qint64>(buffer_.size());
        failed_ = device_->write(buffer_.data(), size) != size;
    }
    buffer_.clear();
    return !failed_;
}
