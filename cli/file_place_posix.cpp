#include <unistd.h>

#include <cerrno>

#include "file_place_system.h"

namespace file_place {

bool syncToDisk(QFile& file, QString& error) {
    if (::fsync(file.handle()) == 0)
        return true;
    error = qt_error_string(errno);
    return false;
}

// link() fails rather than replace a file that has the name; the temporary name is removed with
// the temporary file.
PlaceResult nameIfFree(const QString& from, const QString& to) {
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return {Placed::Done, {}};
    if (errno == EEXIST)
        return {Placed::NameTaken, {}};
    return {Placed::Failed, qt_error_string(errno)};
}

}  // namespace file_place
