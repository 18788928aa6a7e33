// The system's part of placeNewFile: the flush to disk and the naming that refuses a name in use.
#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QString>

#include "file_place.h"

namespace file_place {

// Writes the bytes into the open file, and onto the disk, not only into the system's cache; the
// system's reason when it cannot (a full disk, a file size limit).
bool writeToDisk(QFile& file, QByteArrayView bytes, QString& error);
// Gives the closed file at from the name to, unless a file already has it; from is gone after.
PlaceResult nameIfFree(const QString& from, const QString& to);

}  // namespace file_place
