// The byte stream of an XML output: formats into a buffer of its own and hands
// each full one to a BufferWriter. Without a device every byte stays in memory.
#pragma once

#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "writers/buffer_writer.h"
#include "writers/xml_text.h"

class QIODevice;

class OutputStream {
public:
    // Without a device every byte stays in memory (tests, fuzzing). A stream
    // with a device must go before it.
    explicit OutputStream(QIODevice* device = nullptr);
    ~OutputStream();
    OutputStream(const OutputStream&) = delete;
    OutputStream& operator=(const OutputStream&) = delete;
    // A stream moves whole, to the thread that writes it and back.
    OutputStream(OutputStream&&) noexcept;
    OutputStream& operator=(OutputStream&&) noexcept;

    // Fixed text, written as it stands.
    void put(std::string_view bytes)
    {
        if (bytes.size() > room())
            return put_across(bytes);
        if (!bytes.empty())
            std::memcpy(buffer_.bytes.data() + buffer_.size, bytes.data(), bytes.size());
        buffer_.size += bytes.size();
    }

    // A line of fixed text: `indent`, `text` and, unless the next line goes on
    // with it, a line feed; in one piece where it fits.
    void put_line(std::string_view indent, std::string_view text, bool line_feed)
    {
        const size_t size = indent.size() + text.size() + 1;
        if (size > room()) {
            put(indent);
            put(text);
            return put(line_feed ? "\n" : "");
        }
        char* at = buffer_.bytes.data() + buffer_.size;
        std::memcpy(at, indent.data(), indent.size());
        std::memcpy(at + indent.size(), text.data(), text.size());
        at[size - 1] = '\n';
        buffer_.size += line_feed ? size : size - 1;
    }

    // A value from the legacy files, as XML element content.
    void put_text(std::string_view raw) { put(xml_text(raw, scratch_)); }

    // A value from the environment, inside the DOCTYPE's system literal.
    void put_system_literal(std::string_view raw) { put(system_literal(raw, scratch_)); }

    // Writes the buffered bytes to the device; false once any write has failed.
    bool flush();
    bool failed() const { return writer_ && writer_->failed(); }
    // The errno of the failed write; 0 while none failed.
    int error() const { return writer_ ? writer_->error() : 0; }

    // For a stream without a device, everything written.
    std::string buffered() const { return std::string(buffer_.bytes.data(), buffer_.size); }

private:
    size_t room() const { return buffer_.bytes.size() - buffer_.size; }
    // Fills the buffer, hands it over and goes on in the next one.
    void put_across(std::string_view bytes);

    std::optional<BufferWriter> writer_;    // with a device
    Chunk buffer_;
    std::string scratch_;                   // a value being escaped
};
