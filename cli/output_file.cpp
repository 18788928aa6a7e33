#include "output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli_messages.h"
#include "qt_text.h"
#include "stderr_console.h"

OutputFile::OutputFile(QString path) : path_(std::move(path)) {}

// An uncommitted QSaveFile throws its temporary file away and leaves the old file as it was.
OutputFile::~OutputFile() = default;

bool OutputFile::open() {
    if (path_.isEmpty())
        return false;
    file_ = std::make_unique<QSaveFile>(path_);
    if (!file_->open(QIODevice::WriteOnly))
        return reportProblem(toQString(CliText::kCannotWrite).arg(path_, file_->errorString()));
    return false;
}

bool OutputFile::commit(QByteArrayView bytes) {
    if (!file_) {
        const std::size_t size = static_cast<std::size_t>(bytes.size());
        if (std::fwrite(bytes.data(), 1, size, stdout) != size || std::fflush(stdout) != 0) {
            return reportProblem(toQString(CliText::kCannotWrite)
                                     .arg(toQString(CliText::kStandardOutput),
                                          QString::fromLocal8Bit(std::strerror(errno))));
        }
        return false;
    }
    if (file_->write(bytes.data(), bytes.size()) != bytes.size() || !file_->commit())
        return reportProblem(toQString(CliText::kCannotWrite).arg(path_, file_->errorString()));
    return false;
}
