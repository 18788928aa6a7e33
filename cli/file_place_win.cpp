#include <QDir>

#include "file_place_system.h"
#include "windows_api.h"

namespace file_place {

// The disk is reached when the file is moved: MoveFileEx with MOVEFILE_WRITE_THROUGH returns
// only once it is there.
bool writeToDisk(QFile& file, QByteArrayView bytes, QString& error) {
    if (file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush())
        return true;
    error = file.errorString();
    return false;
}

// Without MOVEFILE_REPLACE_EXISTING the move fails rather than replace a file that has the name.
PlaceResult nameIfFree(const QString& from, const QString& to) {
    const std::wstring source = QDir::toNativeSeparators(from).toStdWString();
    const std::wstring target = QDir::toNativeSeparators(to).toStdWString();
    if (MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH))
        return {Placed::Done, {}};
    const DWORD code = GetLastError();
    if (code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS)
        return {Placed::NameTaken, {}};
    return {Placed::Failed, qt_error_string(static_cast<int>(code))};
}

}  // namespace file_place
