#include "stderr_presenter.h"

#include <QString>
#include <string_view>

#include "message_box.h"
#include "stderr_console.h"

namespace {

constexpr std::string_view kCaptionSeparator = ": ";

QString fromLatin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Box texts are Latin-1. A line break in one (as at the end of "Bad EE Size %d\n") would split
// the message, so it becomes a blank.
QString boxLine(BoxKind kind, std::string_view text, std::string_view caption) {
    QString line = fromLatin1(text).trimmed();
    line.replace('\r', ' ').replace('\n', ' ');
    if (kind == BoxKind::Information && !caption.empty())
        line.prepend(fromLatin1(caption) + fromLatin1(kCaptionSeparator));
    return line;
}

}  // namespace

void installStderrPresenter() {
    setBoxPresenter([](BoxKind kind, std::string_view text, std::string_view caption) {
        StderrConsole::printLine(boxLine(kind, text, caption));
    });
}
