// Standard error, shared by a command's messages (from the main thread) and its progress line
// (redrawn from another thread while the link blocks): messages are whole lines printed above
// the progress line, which only a terminal ever shows.
#pragma once

#include <QString>
#include <QStringList>

namespace StderrConsole {

// True when standard error is a terminal, where a redrawn status line makes sense.
bool isTerminal();

// One message line, with the program's prefix.
void printLine(const QString& text);

// Replaces the status line at the bottom (terminal only); an empty text clears it.
void showStatus(const QString& text);

}  // namespace StderrConsole

// Prints the problem as one line and returns the failure mark (true), like errorBox.
bool reportProblem(const QString& text);

// While one lives, the problems reported on its thread are kept in it instead of printed, for a
// command that tells them in its own form (check, as errors among its findings).
class ProblemCapture {
  public:
    ProblemCapture();
    ~ProblemCapture();
    ProblemCapture(const ProblemCapture&) = delete;
    ProblemCapture& operator=(const ProblemCapture&) = delete;

    // The problems so far, and none kept after.
    QStringList take();

  private:
    friend bool reportProblem(const QString& text);
    QStringList problems_;
    ProblemCapture* outer_;
};
