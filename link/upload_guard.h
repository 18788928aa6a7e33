// From the first byte of an upload to the end of its check nothing may end or pause the program:
// a tracker left with part of an image stores nonsense and may not answer again. While an
// UploadGuard lives the program's listener knows that an upload runs; it holds off whatever would
// end or pause the program (the signals, which StopRequest notes for afterwards; the end of the
// session; sleep), and acts on it once the guard is gone.
#pragma once

#include <functional>

class UploadGuard {
  public:
    // One listener for the program (the window, or pelmoxctl's command), told true as an upload
    // begins and false once its check is over. Returns the one it replaces.
    using Listener = std::function<void(bool running)>;
    static Listener setListener(Listener listener);
    static bool running();

    UploadGuard();
    ~UploadGuard();
    UploadGuard(const UploadGuard&) = delete;
    UploadGuard& operator=(const UploadGuard&) = delete;
};
