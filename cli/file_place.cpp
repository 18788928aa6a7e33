#include "file_place.h"

#include <QFile>
#include <QTemporaryFile>

#include "file_place_system.h"

PlaceResult placeNewFile(const QString& path, QByteArrayView bytes) {
    QString temporaryName;
    {
        // The template's ending makes a name that no backup and no settings file can have.
        QTemporaryFile temporary(path + QStringLiteral(".XXXXXX"));
        if (!temporary.open())
            return {Placed::Failed, temporary.errorString()};
        QString error;
        if (!file_place::writeToDisk(temporary, bytes, error))
            return {Placed::Failed, error};
        temporary.setAutoRemove(false);
        temporaryName = temporary.fileName();
    }
    // Named only once the temporary file is closed for good: Windows moves no file that a
    // handle still holds. Whatever the outcome, the temporary name goes.
    const PlaceResult result = file_place::nameIfFree(temporaryName, path);
    if (QFile::exists(temporaryName))
        QFile::remove(temporaryName);
    return result;
}
