// The error and information boxes of the codec and the link, as lines on standard error:
// "pelmoxctl: Count not aquire Com Port", or with the caption in front for an information box
// ("pelmoxctl: Status Beacon Text Truncated: The Status Beacon text is too long...").
#pragma once

#include <QString>

#include "message_box.h"

class CTrackerLink;

void installStderrPresenter();

// While it lives, one link's failures are told in full: a box about the port becomes one line
// with the device and the system's reason
// ("pelmoxctl: /dev/ttyUSB0: Count not aquire Com Port: in use by picocom (pid 4242)",
// "pelmoxctl: /dev/ttyUSB0: ComPort write failed: the device is gone (unplugged?)"), an error
// it repeats straight after (as at its second speed) is not printed again, and once the device
// is found missing, without a port behind it, no serial port, or gone, no error is printed after
// that line: each would only be a consequence of it.
class LinkFailureLines {
  public:
    explicit LinkFailureLines(const CTrackerLink& link);
    ~LinkFailureLines();
    LinkFailureLines(const LinkFailureLines&) = delete;
    LinkFailureLines& operator=(const LinkFailureLines&) = delete;

  private:
    const CTrackerLink& link_;
    BoxPresenter previous_;
    QString lastError_;
    bool deviceCannotServe_ = false;
};
