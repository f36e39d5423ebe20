#include "support/temp_tree.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

TempTree::TempTree() : root_(dir_.path().toStdString())
{
    EXPECT_TRUE(dir_.isValid());
}

void TempTree::write(const std::string& relative, const std::string& bytes) const
{
    write_file(path(relative), bytes);
}

void write_file(const std::string& path, const std::string& bytes)
{
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    ASSERT_TRUE(file.good()) << path;
}

std::string TempTree::read(const std::string& relative) const
{
    return read_file(path(relative));
}

std::vector<std::string> TempTree::list() const
{
    // Names as bytes, which need not be UTF-8; links are not followed.
    std::vector<std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root_))
        entries.push_back(entry.path().lexically_relative(root_).string());
    std::sort(entries.begin(), entries.end());
    return entries;
}

void TempTree::copy_from(const std::string& source_folder, const std::set<std::string>& skipped) const
{
    namespace fs = std::filesystem;
    ASSERT_TRUE(fs::is_directory(source_folder)) << source_folder;
    for (auto it = fs::recursive_directory_iterator(source_folder); it != fs::recursive_directory_iterator(); ++it) {
        const fs::path relative = it->path().lexically_relative(source_folder);
        if (skipped.count(relative.begin()->string())) {
            it.disable_recursion_pending();
        } else if (it->is_symlink()) {
            fs::create_directories(fs::path(path(relative)).parent_path());
            fs::create_symlink(fs::read_symlink(it->path()), path(relative));
        } else if (it->is_directory()) {
            fs::create_directories(path(relative));
        } else {
            write(relative, read_file(it->path()));
        }
    }
}

std::map<std::string, std::string> snapshot(const TempTree& tree)
{
    std::map<std::string, std::string> entries;
    for (const std::string& entry : tree.list()) {
        struct stat info {};
        EXPECT_EQ(::lstat(tree.path(entry).c_str(), &info), 0) << entry;
        // Files past 64 MiB (generated, sparse) by size and time: reading them would cost more than the run.
        const bool large = info.st_size > (64 << 20);
        const std::string size_and_time = std::to_string(info.st_size) + " bytes, "
                                          + std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec);
        entries[entry] = std::to_string(info.st_mode) + ": "
                         + (large                   ? size_and_time
                            : S_ISREG(info.st_mode) ? tree.read(entry)
                            : S_ISLNK(info.st_mode) ? std::filesystem::read_symlink(tree.path(entry)).string()
                                                    : std::to_string(info.st_rdev));
    }
    return entries;
}

std::string read_file(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}
