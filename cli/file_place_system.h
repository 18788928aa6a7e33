// The system's part of placeNewFile: the flush to disk and the naming that refuses a name in use.
#pragma once

#include <QFile>
#include <QString>

#include "file_place.h"

namespace file_place {

// The file's bytes on the disk, not only in the system's cache; the system's reason when not.
bool syncToDisk(QFile& file, QString& error);
// Gives the closed file at from the name to, unless a file already has it; from is gone after.
PlaceResult nameIfFree(const QString& from, const QString& to);

}  // namespace file_place
