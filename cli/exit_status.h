// What pelmoxctl's exit status tells the script that ran it.
#pragma once

enum class ExitStatus : int {
    Success = 0,
    DeviceFailed = 1,  // the port or the tracker failed
    BadInput = 2,      // the command line, a settings or image file, or an output file
    Differs = 3,       // diff: the tracker's settings and the file's differ
    Warned = 3,        // check: warnings, but no errors (which are BadInput)
    ToneMayBeOn = 4,   // tone --for: no stop got through, the transmitter may still be keyed
    // tone --for: stopped before its time because the computer went to sleep
    ToneStoppedForSleep = 5,
};
