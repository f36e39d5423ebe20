// Writes an output's full buffers to its device as they come. A regular file is
// synced as it grows, so that its bytes reach the disk while the run goes on
// instead of piling up in the page cache for the sync before the rename.
#pragma once

#include <cstddef>
#include <vector>

class QIODevice;

// Bytes formatted for an output: `bytes` is the room, `size` how much of it is used.
struct Chunk {
    std::vector<char> bytes;
    size_t size = 0;
};

class BufferWriter {
public:
    explicit BufferWriter(QIODevice& device);

    // Writes the used part of `chunk`; nothing once a write has failed.
    void write(const Chunk& chunk);

    bool failed() const { return error_ != 0; }
    // The errno of the first failed write or sync; 0 while none failed.
    int error() const { return error_; }

private:
    QIODevice* device_;
    int sync_fd_ = -1;     // a regular file's descriptor, synced as it grows
    size_t unsynced_ = 0;  // bytes written since the last sync
    int error_ = 0;
};
