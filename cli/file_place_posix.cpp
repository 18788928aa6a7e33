#include <unistd.h>

#include <cerrno>
#include <cstddef>

#include "file_place_system.h"

namespace file_place {

// Written here rather than through QFile, which tells no reason for a write cut short.
bool writeToDisk(QFile& file, QByteArrayView bytes, QString& error) {
    const int fd = file.handle();
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, std::size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            error = qt_error_string(errno);
            return false;
        }
        done += written;
    }
    if (::fsync(fd) == 0)
        return true;
    error = qt_error_string(errno);
    return false;
}

// link() fails rather than replace a file that has the name; the caller removes the temporary
// name afterwards.
PlaceResult nameIfFree(const QString& from, const QString& to) {
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return {Placed::Done, {}};
    if (errno == EEXIST)
        return {Placed::NameTaken, {}};
    return {Placed::Failed, qt_error_string(errno)};
}

}  // namespace file_place
