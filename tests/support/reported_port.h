// A serial port as the system reports it, with QSerialPortInfo's accessors, for the port
// details to be made from records a test chooses.
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

struct ReportedPort {
    QString location;  // the device's path; on Windows also its name
    std::optional<quint16> vendor;
    std::optional<quint16> product;
    QString serial;

    QString portName() const { return location; }
    QString systemLocation() const { return location; }
    QString description() const { return "FT232R USB UART"; }
    QString manufacturer() const { return "FTDI"; }
    QString serialNumber() const { return serial; }
    bool hasVendorIdentifier() const { return vendor.has_value(); }
    quint16 vendorIdentifier() const { return vendor.value_or(0); }
    bool hasProductIdentifier() const { return product.has_value(); }
    quint16 productIdentifier() const { return product.value_or(0); }
};
