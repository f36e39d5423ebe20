// Temporary folders of legacy files for the tests.
#pragma once

#include <QTemporaryDir>
#include <map>
#include <set>
#include <string>
#include <vector>

class TempTree {
public:
    TempTree();
    const std::string& root() const { return root_; }
    std::string path(const std::string& relative) const { return root_ + "/" + relative; }

    // Writes `bytes` to `relative`, creating its folders.
    void write(const std::string& relative, const std::string& bytes) const;
    std::string read(const std::string& relative) const;
    // Every entry under the root, relative, sorted; hidden ones included.
    std::vector<std::string> list() const;
    // Copies a folder of the source tree (tests/golden/x, examples/demo) into the
    // root, but for the entries of its top level named in `skipped`; links stay links.
    void copy_from(const std::string& source_folder, const std::set<std::string>& skipped = {}) const;

private:
    QTemporaryDir dir_;
    std::string root_;
};

// Each entry of the tree: its kind and mode, then a regular file's bytes (past
// 64 MiB its size and time), a link's target or a device's number; so a run can
// be checked for what it changed.
std::map<std::string, std::string> snapshot(const TempTree& tree);

// The bytes of a file, or an empty text when it cannot be read.
std::string read_file(const std::string& path);
// Writes `bytes` to `path`, creating its folders.
void write_file(const std::string& path, const std::string& bytes);
