// pelmoxctl's backups as its commands use them: the one write keeps of what the tracker held
// before the upload, and the listing of `pelmoxctl backups`.
#pragma once

#include <QString>

#include "exit_status.h"
#include "tracker_memory.h"

// Keeps the image the tracker held as it was, with its settings file (record, the image decoded,
// under a comment naming the version reply) when it decodes, in the user's backup folder. When
// it cannot, reports in one line the folder and why, and returns the failure mark: nothing may
// then be sent.
[[nodiscard]] bool keepBackup(const TrackerMemory& held, const QString& versionReply);

// Whether the file is the image of a backup in the user's backup folder: memory kept as a
// tracker held it, which write --image stores again even where it holds no settings.
bool isKeptBackup(const QString& image);

// Prints the backups in the folder, newest first, one a line: time in the user's time zone,
// callsign, image file, and a note for an image only and for a time that is out of order.
ExitStatus listBackups();
