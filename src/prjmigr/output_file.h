// An output file that replaces its target atomically: written to a temporary
// file beside it and renamed over it only once complete. A target that is not a
// regular file (a device, a FIFO) is written directly.
#pragma once

#include <QFile>
#include <QSaveFile>
#include <memory>
#include <set>
#include <string>

#include "legacy/records.h"
#include "writers/output_stream.h"

class OutputFile {
public:
    enum class Outcome { written, write_failed, is_input };

    // False when the temporary file cannot be created or the target may not be written.
    bool open(const std::string& name);

    QIODevice* device() const;

    // Flushes `out` and replaces the target, unless the target is one of `inputs`.
    // An output that is not committed is discarded when this object goes.
    Outcome commit(OutputStream& out, const std::set<FileId>& inputs);

private:
    std::unique_ptr<QSaveFile> save_;
    std::unique_ptr<QFile> direct_;
};
