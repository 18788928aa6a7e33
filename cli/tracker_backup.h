// pelmoxctl's backups as its commands use them: the one write keeps of what the tracker held
// before the upload, and the listing of `pelmoxctl backups`.
#pragma once

#include <QString>
#include <cstdint>
#include <span>

#include "exit_status.h"
#include "tracker_config.h"

// Keeps the image the tracker held, with its settings file (record, the image decoded, under a
// comment naming the version reply), in the user's backup folder. When it cannot, reports in one
// line the folder and why, and returns the failure mark: nothing may then be sent.
[[nodiscard]] bool keepBackup(std::span<const std::uint8_t> image, const CTrackerConfig& record,
                              const QString& versionReply);

// Prints the backups in the folder, newest first, one a line: time, callsign, image file.
ExitStatus listBackups();
