#include "prjmigr/output_file.h"

#include <QFileInfo>
#include <cerrno>
#include <unistd.h>

#include "legacy/legacy_files.h"

namespace {

// The errno a failed call left, or a general I/O error when it left none.
int last_error()
{
    return errno != 0 ? errno : EIO;
}

QString file_name_of(const std::string& name)
{
    return QString::fromLocal8Bit(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

bool written_in_place(const std::string& name)
{
    const QFileInfo target(file_name_of(name));
    return target.exists() && !target.isFile() && !target.isDir();
}

std::string replaced_path(const std::string& name)
{
    QFileInfo file(file_name_of(name));
    for (int links = 0; links < 128 && file.isSymLink(); ++links)
        file.setFile(file.symLinkTarget());
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return QFile::encodeName(folder.isEmpty() ? file.absoluteFilePath() : folder + u'/' + file.fileName())
        .toStdString();
}

bool OutputFile::open(const std::string& name)
{
    const QString file_name = file_name_of(name);
    target_ = replaced_path(name);
    // Our own buffering is enough; unbuffered, every failed write shows at once.
    const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    const QFileInfo target(file_name);
    if (target.isDir()) {
        error_ = EISDIR;
        return false;
    }
    errno = 0;
    if (written_in_place(name)) {
        direct_ = std::make_unique<QFile>(file_name);
        if (direct_->open(mode))
            return true;
    } else {
        save_ = std::make_unique<QSaveFile>(file_name);
        if (save_->open(mode))
            return true;
    }
    error_ = last_error();
    return false;
}

QIODevice* OutputFile::device() const
{
    return save_ ? static_cast<QIODevice*>(save_.get()) : direct_.get();
}

OutputFile::Outcome OutputFile::finish(OutputStream& out, const FileIdSet& inputs)
{
    if (!out.flush()) {
        error_ = out.error();
        return Outcome::write_failed;
    }
    if (direct_) {
        errno = 0;
        direct_->close();
        if (direct_->error() == QFileDevice::NoError)
            return Outcome::written;
        error_ = last_error();
        return Outcome::write_failed;
    }
    const std::optional<FileId> target =
        identify_disk_file(QFile::encodeName(save_->fileName()).toStdString());
    if (target && inputs.count(*target))
        return Outcome::is_input;
    errno = 0;
    if (!save_->flush() || save_->error() != QFileDevice::NoError || ::fdatasync(save_->handle()) != 0) {
        error_ = last_error();
        return Outcome::write_failed;
    }
    return Outcome::written;
}

bool OutputFile::commit()
{
    if (!save_)
        return true;
    errno = 0;
    if (save_->commit())
        return true;
    error_ = last_error();
    return false;
}
