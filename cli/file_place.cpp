#include "file_place.h"

#include <QTemporaryFile>

#include "file_place_system.h"

PlaceResult placeNewFile(const QString& path, QByteArrayView bytes) {
    // The template's ending makes a name that no backup and no settings file can have.
    QTemporaryFile temporary(path + QStringLiteral(".XXXXXX"));
    if (!temporary.open())
        return {Placed::Failed, temporary.errorString()};
    QString error;
    if (!file_place::writeToDisk(temporary, bytes, error))
        return {Placed::Failed, error};
    temporary.close();
    // Whatever the outcome, the temporary file goes when this one does.
    return file_place::nameIfFree(temporary.fileName(), path);
}
