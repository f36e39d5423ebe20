#include "prjmigr/output_pair.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "legacy/paths.h"

namespace {

// An exclusive lock on the folder itself: no lock file is left behind. Where
// the folder cannot be opened or the file system has no such locks, the
// replacement goes on without it.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder)
        : fd_(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        while (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~FolderLock()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int fd_;
};

// Termination signals wait while the targets are replaced, so that a run
// stopped at that moment leaves neither a mixed pair nor a kept file behind.
class TerminationDeferred {
public:
    TerminationDeferred()
    {
        sigset_t deferred;
        sigemptyset(&deferred);
        for (const int signal : {SIGHUP, SIGINT, SIGQUIT, SIGTERM})
            sigaddset(&deferred, signal);
        ::pthread_sigmask(SIG_BLOCK, &deferred, &previous_);
    }
    ~TerminationDeferred() { ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    TerminationDeferred(const TerminationDeferred&) = delete;
    TerminationDeferred& operator=(const TerminationDeferred&) = delete;

private:
    sigset_t previous_;
};

// The file a target held before it was replaced, kept under a name of its own
// beside it (a hard link, else a copy) until the replacement is final.
class EarlierFile {
public:
    explicit EarlierFile(const std::string& target) : target_(target)
    {
        struct stat info {};
        if (::stat(target.c_str(), &info) != 0)
            return;
        existed_ = true;
        if (S_ISREG(info.st_mode))
            keep();
    }
    ~EarlierFile()
    {
        if (!kept_.empty())
            ::unlink(kept_.c_str());
    }
    EarlierFile(const EarlierFile&) = delete;
    EarlierFile& operator=(const EarlierFile&) = delete;

    // Puts the earlier file back; without one, removes what replaced it.
    void restore()
    {
        if (!kept_.empty()) {
            if (::rename(kept_.c_str(), target_.c_str()) == 0)
                kept_.clear();
        } else if (!existed_) {
            ::unlink(target_.c_str());
        }
    }

private:
    void keep()
    {
        const std::string prefix = dir_name(target_) + "." + base_name(target_, true) + ".earlier-";
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name = prefix + std::to_string(QRandomGenerator::global()->generate());
            if (::link(target_.c_str(), name.c_str()) == 0) {
                kept_ = name;
                return;
            }
            if (errno == EEXIST)
                continue;
            // A file system or a rule that allows no hard link here: a copy.
            if (QFile::copy(QFile::decodeName(target_.c_str()), QFile::decodeName(name.c_str())))
                kept_ = name;
            return;
        }
    }

    std::string target_;
    std::string kept_;
    bool existed_ = false;
};

}  // namespace

PairCommit commit_pair(OutputFile& first, OutputFile& second)
{
    const FolderLock lock(dir_name(first.target()));
    const TerminationDeferred deferred;
    std::optional<EarlierFile> earlier;
    if (first.replaces())
        earlier.emplace(first.target());
    if (!first.commit())
        return PairCommit::first_failed;
    if (second.commit())
        return PairCommit::committed;
    if (earlier)
        earlier->restore();
    return PairCommit::second_failed;
}
