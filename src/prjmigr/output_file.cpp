#include "prjmigr/output_file.h"

#include <QFileInfo>

#include "legacy/legacy_files.h"

bool OutputFile::open(const std::string& name)
{
    const QString file_name = QString::fromLocal8Bit(name.data(), static_cast<qsizetype>(name.size()));
    // Our own buffering is enough; unbuffered, every failed write shows at once.
    const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    const QFileInfo target(file_name);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        direct_ = std::make_unique<QFile>(file_name);
        return direct_->open(mode);
    }
    save_ = std::make_unique<QSaveFile>(file_name);
    return save_->open(mode);
}

QIODevice* OutputFile::device() const
{
    return save_ ? static_cast<QIODevice*>(save_.get()) : direct_.get();
}

OutputFile::Outcome OutputFile::commit(OutputStream& out, const std::set<FileId>& inputs)
{
    if (!out.flush())
        return Outcome::write_failed;
    if (direct_) {
        direct_->close();
        return direct_->error() == QFileDevice::NoError ? Outcome::written : Outcome::write_failed;
    }
    const std::optional<FileId> target =
        identify_disk_file(QFile::encodeName(save_->fileName()).toStdString());
    if (target && inputs.count(*target))
        return Outcome::is_input;
    if (!save_->flush() || save_->error() != QFileDevice::NoError)
        return Outcome::write_failed;
    return save_->commit() ? Outcome::written : Outcome::write_failed;
}
