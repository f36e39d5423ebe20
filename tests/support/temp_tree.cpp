#include "support/temp_tree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

TempTree::TempTree() : root_(dir_.path().toStdString())
{
    EXPECT_TRUE(dir_.isValid());
}

void TempTree::write(const std::string& relative, const std::string& bytes) const
{
    const std::string full = path(relative);
    QDir().mkpath(QFileInfo(QString::fromStdString(full)).path());
    std::ofstream file(full, std::ios::binary | std::ios::trunc);
    file << bytes;
    ASSERT_TRUE(file.good()) << full;
}

std::string TempTree::read(const std::string& relative) const
{
    return read_file(path(relative));
}

bool TempTree::exists(const std::string& relative) const
{
    return QFileInfo::exists(QString::fromStdString(path(relative)));
}

std::vector<std::string> TempTree::list() const
{
    std::vector<std::string> entries;
    const QDir base(QString::fromStdString(root_));
    QDirIterator it(base.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.push_back(base.relativeFilePath(it.next()).toStdString());
    std::sort(entries.begin(), entries.end());
    return entries;
}

void TempTree::copy_from(const std::string& source_folder, const std::set<std::string>& skipped) const
{
    const QDir source(QString::fromStdString(source_folder));
    ASSERT_TRUE(source.exists()) << source_folder;
    QDirIterator it(source.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        const std::string relative = source.relativeFilePath(entry).toStdString();
        if (skipped.count(relative.substr(0, relative.find('/'))))
            continue;
        const QFileInfo info = it.fileInfo();
        if (info.isSymLink()) {
            // A link stays a link, with its target as written, so a file keeps its two names.
            QDir().mkpath(QFileInfo(QString::fromStdString(path(relative))).path());
            char target[4096];
            const ssize_t size = ::readlink(entry.toLocal8Bit().constData(), target, sizeof target);
            ASSERT_GT(size, 0) << relative;
            ASSERT_EQ(::symlink(std::string(target, static_cast<size_t>(size)).c_str(), path(relative).c_str()), 0)
                << relative;
        } else if (info.isDir()) {
            QDir().mkpath(QString::fromStdString(path(relative)));
        } else {
            write(relative, read_file(entry.toStdString()));
        }
    }
}

std::string read_file(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}
