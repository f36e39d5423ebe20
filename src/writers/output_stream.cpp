#include "writers/output_stream.h"

#include <algorithm>
#include <utility>

namespace {

// What a writer is handed at a time: few system calls, and it stays in the
// processor's caches. A short output takes only what it needs.
constexpr size_t k_buffer_size = 1 << 20;
constexpr size_t k_first_size = 64 << 10;

}  // namespace

OutputStream::OutputStream(QIODevice* device) : device_(device) {}

OutputStream::~OutputStream() = default;

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
        if (device_ && buffer_.size >= k_buffer_size) {
            if (!writer_)
                writer_ = std::make_unique<BufferWriter>(*device_);
            buffer_ = writer_->hand_over(std::move(buffer_));
            buffer_.bytes.resize(k_buffer_size);
        } else {
            const size_t grown = std::max({k_first_size, 2 * buffer_.bytes.size(), buffer_.size + bytes.size()});
            buffer_.bytes.resize(device_ ? std::min(grown, k_buffer_size) : grown);
        }
    }
}

bool OutputStream::flush()
{
    if (!device_)
        return true;
    if (!writer_)
        writer_ = std::make_unique<BufferWriter>(*device_);
    return writer_->finish(std::exchange(buffer_, Chunk{}));
}
