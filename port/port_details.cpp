#include "port_details.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>

#ifndef _WIN32
#include "port_holder.h"
#endif

namespace port_details {

namespace {

#ifdef __linux__
// udev's links to serial devices named after the adapter's USB ids and serial number.
constexpr const char* kStableLinks = "/dev/serial/by-id";
#endif

}  // namespace

std::string stablePathOf([[maybe_unused]] const QString& systemLocation) {
#ifdef __linux__
    const QString target = QFileInfo(systemLocation).canonicalFilePath();
    const QDir links(QString::fromLatin1(kStableLinks));
    for (const QFileInfo& link : links.entryInfoList(QDir::System | QDir::Files, QDir::Name)) {
        if (!target.isEmpty() && link.canonicalFilePath() == target)
            return link.absoluteFilePath().toStdString();
    }
#endif
    return {};
}

void addHoldersAndSort(std::vector<PortDetails>& ports) {
#ifndef _WIN32
    std::vector<std::string> names;
    for (const PortDetails& port : ports)
        names.push_back(port.name);
    std::vector<std::optional<PortHolder>> holders = port_holder::otherProgramsHolds(names);
    for (std::size_t i = 0; i < ports.size(); ++i)
        ports[i].holder = std::move(holders[i]);
#endif
    std::sort(ports.begin(), ports.end(), [](const PortDetails& a, const PortDetails& b) {
        return comesBefore(a.name, b.name);
    });
}

}  // namespace port_details

std::vector<PortDetails> systemPortDetails() {
    return portDetails(QSerialPortInfo::availablePorts());
}
