// A new file that never takes the name of another: written whole under a temporary name beside
// it, flushed to disk, and given its name only when no file has that name, in one step of the
// file system's, so that two programs saving at once can never both have it.
#pragma once

#include <QByteArrayView>
#include <QString>

enum class Placed { Done, NameTaken, Failed };

struct PlaceResult {
    Placed outcome = Placed::Failed;
    QString error;  // the system's reason, when it failed
};

PlaceResult placeNewFile(const QString& path, QByteArrayView bytes);
