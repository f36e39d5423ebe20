// An output file that replaces its target atomically: written to a temporary
// file beside it and renamed over it only once complete. A target that is not a
// regular file (a device, a FIFO) is written directly.
#pragma once

#include <QFile>
#include <QSaveFile>
#include <memory>
#include <string>

#include "legacy/records.h"
#include "writers/output_stream.h"

// Whether the target `name` is written in place, not replaced: an existing file
// that is neither a regular file nor a folder (a device, a FIFO).
bool written_in_place(const std::string& name);

// The file that replacing `name` replaces: through its symbolic links, as the
// save file follows them, also to a file that does not exist yet; an absolute
// path in the local 8-bit encoding.
std::string replaced_path(const std::string& name);

class OutputFile {
public:
    enum class Outcome { written, write_failed, is_input };

    // False when the temporary file cannot be created or the target may not be written.
    bool open(const std::string& name);

    QIODevice* device() const;

    // Flushes `out` and makes sure every byte is on disk, and that the target is
    // none of `inputs`. The target is not touched yet.
    Outcome finish(OutputStream& out, const FileIdSet& inputs);

    // Renames the finished temporary file over the target. An output that is
    // not committed is discarded when this object goes.
    bool commit();

    // Whether committing replaces a file by renaming (false for a target
    // written in place), and that file (see replaced_path).
    bool replaces() const { return save_ != nullptr; }
    const std::string& target() const { return target_; }

    // Why the last open, write or commit failed: an errno value.
    int error() const { return error_; }

private:
    std::unique_ptr<QSaveFile> save_;
    std::unique_ptr<QFile> direct_;
    std::string target_;
    int error_ = 0;
};
