// A buffered byte stream for the XML outputs: to a device, or kept in memory.
#pragma once

#include <string>
#include <string_view>

#include "writers/xml_text.h"

class QIODevice;

class OutputStream {
public:
    // Without a device every byte stays in memory (tests, fuzzing).
    explicit OutputStream(QIODevice* device = nullptr) : device_(device) {}

    // Fixed text, written as it stands.
    void put(std::string_view bytes)
    {
        buffer_.append(bytes);
        flush_when_full();
    }

    // A value from the legacy files, as XML element content.
    void put_text(std::string_view raw)
    {
        append_xml_text(buffer_, raw);
        flush_when_full();
    }

    // A value from the environment, inside the DOCTYPE's system literal.
    void put_system_literal(std::string_view raw)
    {
        append_system_literal(buffer_, raw);
        flush_when_full();
    }

    // Hands the buffered bytes to the device; false once any write has failed.
    bool flush();
    bool failed() const { return failed_; }
    // The errno of the failed write; 0 while none failed.
    int error() const { return error_; }

    // What is buffered; for a stream without a device, everything written.
    const std::string& buffered() const { return buffer_; }

private:
    void flush_when_full()
    {
        if (device_ && buffer_.size() >= k_flush_size)
            flush();
    }

    static constexpr size_t k_flush_size = 1 << 20;
    QIODevice* device_;
    std::string buffer_;
    bool failed_ = false;
    int error_ = 0;
};
