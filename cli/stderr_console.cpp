#include "stderr_console.h"

#include <cstdio>
#include <mutex>
#include <utility>

#include "cli_messages.h"
#include "qt_text.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

std::mutex& consoleMutex() {
    static std::mutex mutex;
    return mutex;
}

// Width of the status line on screen; it is blanked out this wide before a message.
qsizetype& statusWidth() {
    static qsizetype width = 0;
    return width;
}

void writeRaw(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

// Carriage return and blanks work on every terminal, unlike an erase-line sequence.
void eraseStatus() {
    qsizetype& width = statusWidth();
    if (width == 0)
        return;
    writeRaw("\r" + QByteArray(width, ' ') + "\r");
    width = 0;
}

}  // namespace

namespace StderrConsole {

bool isTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

void printLine(const QString& text) {
    const std::lock_guard lock(consoleMutex());
    eraseStatus();
    writeRaw((toQString(CliText::kLinePrefix) + text + '\n').toLocal8Bit());
    std::fflush(stderr);
}

void showStatus(const QString& text) {
    const std::lock_guard lock(consoleMutex());
    eraseStatus();
    if (!text.isEmpty()) {
        const QByteArray bytes = text.toLocal8Bit();
        writeRaw("\r" + bytes);
        statusWidth() = text.size();
    }
    std::fflush(stderr);
}

}  // namespace StderrConsole

namespace {

thread_local ProblemCapture* capture = nullptr;

}  // namespace

bool reportProblem(const QString& text) {
    if (capture != nullptr) {
        capture->problems_ << text;
    } else {
        StderrConsole::printLine(text);
    }
    return true;
}

ProblemCapture::ProblemCapture() : outer_(std::exchange(capture, this)) {}

ProblemCapture::~ProblemCapture() {
    capture = outer_;
}

QStringList ProblemCapture::take() {
    return std::exchange(problems_, {});
}
