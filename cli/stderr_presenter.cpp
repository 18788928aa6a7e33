#include "stderr_presenter.h"

#include <string_view>

#include "port_report.h"
#include "stderr_console.h"
#include "tracker_link.h"
#include "translated_text.h"

namespace {

constexpr std::string_view kCaptionSeparator = ": ";

// Box texts are Latin-1. A line break in one (as at the end of "Bad EE Size %d\n") would split
// the message, so it becomes a blank.
QString boxLine(BoxKind kind, std::string_view text, std::string_view caption) {
    QString line = translatedBoxText(text).trimmed();
    line.replace('\r', ' ').replace('\n', ' ');
    if (kind == BoxKind::Information && !caption.empty())
        line.prepend(translatedBoxText(caption) + QLatin1String(kCaptionSeparator));
    return line;
}

// A device that is not there, has no port behind it, is no serial port or has gone: each message
// after it would only follow from it ("Pelmox Not Found" from a search that never reached a
// tracker). A port that is held or refused is followed by them as the window shows them.
bool deviceCannotServe(PortFailure::Cause cause) {
    using Cause = PortFailure::Cause;
    return cause == Cause::NoSuchDevice || cause == Cause::NoHardware ||
           cause == Cause::NotSerialPort || cause == Cause::Gone;
}

}  // namespace

void installStderrPresenter() {
    setBoxPresenter([](BoxKind kind, std::string_view text, std::string_view caption) {
        StderrConsole::printLine(boxLine(kind, text, caption));
    });
}

LinkFailureLines::LinkFailureLines(const CTrackerLink& link) : link_(link) {
    previous_ =
        setBoxPresenter([this](BoxKind kind, std::string_view text, std::string_view caption) {
            if (kind != BoxKind::Error) {
                lastError_.clear();
                StderrConsole::printLine(boxLine(kind, text, caption));
                return;
            }
            if (deviceCannotServe_)
                return;
            const std::optional<PortFailure>& failure = link_.portFailure();
            const bool aboutPort = failure && text == failure->boxText;
            const QString line =
                aboutPort ? portFailureLine(*failure, text) : boxLine(kind, text, caption);
            if (line == lastError_)
                return;
            lastError_ = line;
            StderrConsole::printLine(line);
            deviceCannotServe_ = aboutPort && deviceCannotServe(failure->cause);
        });
}

LinkFailureLines::~LinkFailureLines() {
    setBoxPresenter(std::move(previous_));
}
