// Writes an output's buffers to its device, in order, on a thread of its own, so
// that the disk works while the next buffers are formatted.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class QIODevice;

// Bytes formatted for an output: `bytes` is the room, `size` how much of it is used.
struct Chunk {
    std::vector<char> bytes;
    size_t size = 0;
};

class BufferWriter {
public:
    // How many buffers the formatting may be ahead of the device: what it waits
    // for when it is further ahead, and how late a failed write is reported.
    static constexpr size_t k_buffers_ahead = 4;

    explicit BufferWriter(QIODevice& device);
    // Drops the buffers not written yet; the one being written is finished first.
    ~BufferWriter();
    BufferWriter(const BufferWriter&) = delete;
    BufferWriter& operator=(const BufferWriter&) = delete;

    // Queues `chunk` behind the others, waiting while the formatting is
    // k_buffers_ahead buffers ahead, and gives back an emptied buffer to fill.
    Chunk hand_over(Chunk chunk);

    // Writes `last` after the others and waits until all are written; false
    // when any write failed. When nothing was queued before, `last` is written
    // at once, without a thread.
    bool finish(Chunk last);

    // Whether a write failed, counted up to k_buffers_ahead buffers back: all
    // those are written by now, so the answer does not depend on the timing.
    bool failed() const;
    // The errno of the first failed write or sync; 0 while none failed.
    int error() const;

private:
    void start();
    void run();
    // Queues `chunk`; without a thread, writes it at once.
    void enqueue(std::unique_lock<std::mutex>& lock, Chunk chunk);
    // Writes the first queued buffer, unlocking meanwhile.
    void write_next(std::unique_lock<std::mutex>& lock);
    // Writes and, now and then, syncs `chunk`; 0 or the errno of the failure.
    int write(const Chunk& chunk);

    QIODevice& device_;
    int sync_fd_ = -1;                   // a regular file's descriptor, synced as it grows
    size_t unsynced_ = 0;                // bytes written since the last sync
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Chunk> queue_;            // handed over, not written yet
    std::vector<Chunk> spare_;           // written, to be filled again
    size_t handed_ = 0, written_ = 0;
    std::optional<size_t> first_failure_;  // which buffer failed first
    int error_ = 0;                        // and why
    bool stopping_ = false;
    std::thread thread_;
};
