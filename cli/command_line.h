// pelmoxctl's command line: which command, with which port, files and tone, checked for sense
// before anything else happens.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

enum class Command {
    Help,
    ShowVersion,
    Version,
    Read,
    Write,
    Diff,
    Check,
    Tone,
    Ports,
    Backups,
    Invalid
};

struct Invocation {
    Command command = Command::Invalid;
    std::optional<QString> port;  // --port, when given
    QString output;               // read --output
    QString image;                // read --image, write --image
    QString file;                 // write FILE, diff FILE, check FILE
    bool backup = true;           // write: keep what the tracker held first (not --no-backup)
    bool strict = false;          // write --strict: nothing sent when check finds an error
    bool quiet = false;           // write --quiet: only what fails is told
    bool showHeader = false;      // read --show-header: the beacon header as a comment too
    bool force = false;           // write --force: send what it holds, or an undecodable image
    char toneCode = 0;            // tone: the code the tracker knows
    int toneSeconds = 0;          // tone --for: how long it stays on; 0 until told to stop
    bool verbose = false;         // --verbose: say when sleep cannot wait for the program
    QString text;                 // the help text for Help, the usage error for Invalid
};

// The arguments as QCoreApplication gives them, program name first.
Invocation parseCommandLine(const QStringList& arguments);
