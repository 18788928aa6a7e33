#include "port_report.h"

#include <QFileInfo>

#include "cli_messages.h"
#include "qt_text.h"

namespace {

constexpr int kHexBase = 16;
constexpr int kUsbIdDigits = 4;

// A text in double quotes, so that blanks inside it do not split the line for grep and cut.
QString quoted(const QString& text) {
    QString escaped = text;
    escaped.replace('\\', QStringLiteral("\\\\")).replace('"', QStringLiteral("\\\""));
    return '"' + escaped + '"';
}

QString usbId(std::uint16_t id) {
    return QString::number(id, kHexBase).rightJustified(kUsbIdDigits, QChar('0'));
}

// Joining a group helps only when that group may read and write the device.
QString groupThatMayOpen(const std::string& device) {
    const QFileInfo info(QString::fromStdString(device));
    if (!info.permission(QFile::ReadGroup | QFile::WriteGroup))
        return {};
    return info.group();
}

}  // namespace

QString holderText(const PortHolder& holder) {
    if (holder.pid <= 0)
        return toQString(CliText::kUnknownHolder);
    if (holder.program.empty())
        return toQString(CliText::kUnnamedHolder).arg(holder.pid);
    return toQString(CliText::kNamedHolder)
        .arg(QString::fromStdString(holder.program))
        .arg(holder.pid);
}

QString portFailureReason(const PortFailure& failure) {
    const QString system = QString::fromStdString(failure.systemText);
    const QString device = QString::fromStdString(failure.device);
    switch (failure.cause) {
        case PortFailure::Cause::NoSuchDevice:
            return toQString(CliText::kNoSuchDevice);
        case PortFailure::Cause::NoHardware:
            return toQString(CliText::kNoHardware).arg(device);
        case PortFailure::Cause::NotSerialPort:
            return toQString(CliText::kNotSerialPort).arg(device);
        case PortFailure::Cause::InUse:
            if (failure.holder.pid <= 0 && !system.isEmpty())
                return toQString(CliText::kInUseSaying).arg(holderText(failure.holder), system);
            return toQString(CliText::kInUseBy).arg(holderText(failure.holder));
        case PortFailure::Cause::NoAccess:
            if (const QString group = groupThatMayOpen(failure.device); !group.isEmpty())
                return toQString(CliText::kJoinGroup).arg(system, group);
            break;
        case PortFailure::Cause::Gone:
            return toQString(CliText::kDeviceGone);
        case PortFailure::Cause::Other:
            break;
    }
    return system;
}

QString portFailureLine(const PortFailure& failure, std::string_view boxText) {
    const QString device = QString::fromStdString(failure.device);
    const QString box = translatedBoxText(boxText);
    const QString reason = portFailureReason(failure);
    if (reason.isEmpty())
        return toQString(CliText::kPortFailureWithoutReason).arg(device, box);
    return toQString(CliText::kPortFailure).arg(device, box, reason);
}

QStringList portListing(std::span<const PortDetails> ports) {
    QStringList lines;
    for (const PortDetails& port : ports) {
        QString line = QString::fromStdString(port.name);
        const auto add = [&line](std::string_view key, const QString& value) {
            line += toQString(CliText::kPortField).arg(toQString(key), value);
        };
        const auto addText = [&add](std::string_view key, const std::string& text) {
            if (!text.empty())
                add(key, quoted(QString::fromStdString(text)));
        };
        addText(CliText::kPortDescription, port.description);
        addText(CliText::kPortManufacturer, port.manufacturer);
        if (port.vendorId && port.productId) {
            add(CliText::kPortUsbIds, toQString(CliText::kPortUsbIdsValue)
                                          .arg(usbId(*port.vendorId), usbId(*port.productId)));
        }
        addText(CliText::kPortSerialNumber, port.serialNumber);
        addText(CliText::kPortStablePath, port.stablePath);
        if (port.holder)
            add(CliText::kPortHolder, quoted(holderText(*port.holder)));
        lines << line;
    }
    return lines;
}
