// What the APRS network asks of a fixed weather station, told on the command line: check's
// report (the beacon header, then one line per finding), and the lines write prints, or with
// --strict refuses on, before its upload.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>
#include <string>

#include "command_line.h"
#include "exit_status.h"

// check FILE: the file's settings as a write of it would store them, keys it lacks at the
// tracker's defaults. A value the tracker cannot hold is an error among the findings, in the
// settings file's own words, and the rest is checked without it.
ExitStatus checkFile(const QString& path);

// check: on standard output the header line of the image, the refused values, the notes and a
// line per finding for the settings the image holds. Errors (a refused value among them) give
// BadInput, warnings Warned, notes alone Success.
ExitStatus printAdvice(std::span<const std::uint8_t> image, const QStringList& refused = {},
                       const QStringList& notes = {});

// write --strict, on the image it would send: when check finds an error, its errors and warnings
// and why nothing is sent on standard error, and true. Without --strict, false.
bool refusedAsStrict(const Invocation& invocation, std::span<const std::uint8_t> image);

// write, just before its upload: check's errors and warnings on standard error, unless --quiet.
void warnBeforeUpload(const Invocation& invocation, std::span<const std::uint8_t> image);

// read --show-header: the header line as a comment line with its line end; without it, nothing.
std::string headerComment(const Invocation& invocation, std::span<const std::uint8_t> image);
