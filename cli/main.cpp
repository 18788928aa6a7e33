// pelmoxctl: the tracker from a terminal or a script, with settings files for backup and cloning.
#include <QCoreApplication>

#include "cli_messages.h"
#include "command_line.h"
#include "commands.h"
#include "qt_text.h"
#include "stderr_presenter.h"
#include "user_language.h"

int main(int argc, char** argv) {
    // The serial port wants an application object; its event loop never runs.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(toQString(CliText::kProgramName));
    QCoreApplication::setApplicationVersion(QStringLiteral(PELMOXCTL_VERSION));
    user_language::install();
    installStderrPresenter();
    return static_cast<int>(runCommand(parseCommandLine(QCoreApplication::arguments())));
}
