#include "port_details.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

#include "port_choice.h"

#ifndef _WIN32
#include "port_holder.h"
#endif

namespace {

#ifdef __linux__
// udev's links to serial devices named after the adapter's USB ids and serial number.
constexpr const char* kStableLinks = "/dev/serial/by-id";

std::string stablePathOf(const QString& device) {
    const QString target = QFileInfo(device).canonicalFilePath();
    const QDir links(QString::fromLatin1(kStableLinks));
    for (const QFileInfo& link : links.entryInfoList(QDir::System | QDir::Files, QDir::Name)) {
        if (!target.isEmpty() && link.canonicalFilePath() == target)
            return link.absoluteFilePath().toStdString();
    }
    return {};
}
#endif

}  // namespace

std::vector<PortDetails> systemPortDetails() {
    std::vector<PortDetails> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        PortDetails port;
        port.name = systemPortName(info);
        port.description = info.description().toStdString();
        port.manufacturer = info.manufacturer().toStdString();
        if (info.hasVendorIdentifier())
            port.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier())
            port.productId = info.productIdentifier();
        port.serialNumber = info.serialNumber().toStdString();
#ifdef __linux__
        port.stablePath = stablePathOf(info.systemLocation());
#endif
#ifndef _WIN32
        port.holder = port_holder::otherProgramsHold(port.name);
#endif
        ports.push_back(std::move(port));
    }
    return ports;
}
