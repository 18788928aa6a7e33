#include "port_selection.h"

#include <QStringList>
#include <QtGlobal>

#include "cli_messages.h"
#include "port_choice.h"
#include "qt_text.h"
#include "stderr_console.h"
#include "tracker_link.h"

namespace {

// The serial ports the system reports, by the names the port is given with.
QStringList systemPortNames() {
    QStringList names;
    for (const std::string& port : systemSerialPorts())
        names << QString::fromStdString(port);
    return names;
}

}  // namespace

bool selectPort(CTrackerLink& link, const std::optional<QString>& portOption) {
    QString text = portOption.value_or(QString());
    if (text.trimmed().isEmpty())
        text = qEnvironmentVariable(CliText::kPortVariable.data());
    if (text.trimmed().isEmpty()) {
        reportProblem(toQString(CliText::kNoPort));
        const QStringList ports = systemPortNames();
        return reportProblem(ports.isEmpty()
                                 ? toQString(CliText::kNoSystemPorts)
                                 : toQString(CliText::kSystemPorts)
                                       .arg(ports.join(toQString(CliText::kPortSeparator))));
    }

    // The system's own ports stay out of the list: each names itself whether listed or not, and
    // asking the system for them takes longer than the rest of the program's start.
    const PortChoice choice = choosePort(portListEntries({}), text.toStdString());
    if (choice.deviceName.empty()) {
        link.setPortNumber(choice.portNumber);
    } else {
        link.setDeviceName(choice.deviceName);
    }
    return false;
}
