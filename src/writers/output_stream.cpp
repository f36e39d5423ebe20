#include "writers/output_stream.h"

#include <algorithm>

namespace {

// What a writer is handed at a time: few system calls, and it stays in the
// processor's caches. A short output takes only what it needs.
constexpr size_t k_buffer_size = 1 << 20;
constexpr size_t k_first_size = 64 << 10;

}  // namespace

OutputStream::OutputStream(QIODevice* device)
{
    if (device)
        writer_.emplace(*device);
}

OutputStream::~OutputStream() = default;
OutputStream::OutputStream(OutputStream&&) noexcept = default;
OutputStream& OutputStream::operator=(OutputStream&&) noexcept = default;

void OutputStream::put_across(std::string_view bytes)
{
    for (;;) {
        const size_t part = std::min(room(), bytes.size());
        if (part > 0)
            std::memcpy(buffer_.bytes.data() + buffer_.size, bytes.data(), part);
        buffer_.size += part;
        bytes.remove_prefix(part);
        if (bytes.empty())
            return;
        if (writer_ && buffer_.size >= k_buffer_size) {
            writer_->write(buffer_);
            buffer_.size = 0;
        } else {
            const size_t grown = std::max({k_first_size, 2 * buffer_.bytes.size(), buffer_.size + bytes.size()});
            buffer_.bytes.resize(writer_ ? std::min(grown, k_buffer_size) : grown);
        }
    }
}

bool OutputStream::flush()
{
    if (!writer_)
        return true;
    writer_->write(buffer_);
    buffer_.size = 0;
    return !writer_->failed();
}
