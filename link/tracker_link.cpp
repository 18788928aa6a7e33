// The channel half of the link: opening, paced writing, timed reading and closing of the port.
#include "tracker_link.h"

#include <QSerialPort>
#include <QString>
#include <algorithm>
#include <chrono>
#include <utility>

#include "link_messages.h"
#include "link_pause.h"
#include "link_timing.h"
#include "message_box.h"
#include "port_error.h"
#include "port_name.h"

namespace {

using Clock = std::chrono::steady_clock;

// Qt waits take whole milliseconds; round up so a wait never ends just short of its deadline
// and the loop around it does not spin.
int waitMilliseconds(Clock::duration remaining) {
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(remaining).count());
}

// Opening and reading the line settings are one step in QSerialPort, so its error tells
// the two apart: a device that exists but has no line settings is no serial port.
bool isNoSerialPort(QSerialPort::SerialPortError error) {
    return error == QSerialPort::UnsupportedOperationError;
}

}  // namespace

CTrackerLink::CTrackerLink() = default;

CTrackerLink::~CTrackerLink() {
    releasePort();
}

void CTrackerLink::setPortNumber(int number) {
    portNumber_ = number;
    deviceName_.clear();
}

void CTrackerLink::setDeviceName(std::string name) {
    deviceName_ = std::move(name);
}

bool CTrackerLink::isOpen() const {
    return port_ != nullptr;
}

CTrackerLink::PortHold::~PortHold() {
    if (--link_.holds_ == 0)
        link_.releasePort();
}

bool CTrackerLink::open() {
    // Inside a hold, the port the last exchange left open serves this one.
    if (keepsPort()) {
        portFailure_.reset();
        if (!port_->setBaudRate(baudRate_))
            return lineFailed(link_message::kSetStateFailed);
        return false;
    }
    // A handle left from an earlier attempt goes first; if that fails the user hears of it,
    // but the new open still goes ahead.
    if (port_)
        close();
    portFailure_.reset();
    portSound_ = false;

    std::string device = deviceName_;
    if (device.empty()) {
        if (!isValidPortNumber(portNumber_))
            return errorBox(link_message::kInvalidPortNumber);
        device = portDeviceName(portNumber_);
    }

    // Another program's port is left alone before anything touches the line.
    if (std::optional<PortFailure> failure = claim_.acquire(device))
        return openFailed(std::move(*failure));
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(QString::fromStdString(device));
    // QSerialPort opens exclusively (a lock file of its own, plus TIOCEXCL) and puts the line in
    // raw mode: no echo, no CR/LF translation, no XON/XOFF. It puts the previous line settings
    // back when it closes.
    if (!port->open(QIODevice::ReadWrite)) {
        claim_.release();
        if (isNoSerialPort(port->error())) {
            portFailure_ = PortFailure{claim_.device(),
                                       PortFailure::Cause::NotSerialPort,
                                       port->errorString().toStdString(),
                                       {},
                                       link_message::kGetStateFailed};
            return errorBox(link_message::kGetStateFailed);
        }
        // On Windows this is where another program's hold shows ("Access is denied."): the
        // system's words are all there is to tell of it.
        const PortFailure::Cause cause = port->error() == QSerialPort::PermissionError
                                             ? PortFailure::Cause::InUse
                                             : PortFailure::Cause::Other;
        return openFailed({claim_.device(), cause, port->errorString().toStdString(), {}});
    }
    port_ = std::move(port);
    lastOpened_ = claim_.device();

    // Flow control stays off as QSerialPort sets it at open: an unanswered handshake line would
    // hold every byte back, and software flow control would eat 0x11 and 0x13 in the image.
    if (!port_->setBaudRate(baudRate_) || !port_->setDataBits(QSerialPort::Data8) ||
        !port_->setParity(QSerialPort::NoParity) || !port_->setStopBits(QSerialPort::OneStop)) {
        return portFailed(link_message::kSetStateFailed);
    }
    portSound_ = true;
    return false;
}

bool CTrackerLink::openFailed(PortFailure failure) {
    // Whatever keeps a device from opening that was open a moment ago (its node removed, no
    // driver for it), it has gone away.
    using Cause = PortFailure::Cause;
    if ((failure.cause == Cause::NoSuchDevice || failure.cause == Cause::NoHardware ||
         failure.cause == Cause::Other) &&
        failure.device == lastOpened_) {
        failure.cause = Cause::Gone;
    }
    failure.boxText = link_message::kCannotAcquirePort;
    portFailure_ = std::move(failure);
    return errorBox(link_message::kCannotAcquirePort);
}

bool CTrackerLink::portFailed(std::string_view boxText) {
    PortFailure failure{claim_.device(), PortFailure::Cause::Other, {}, {}, boxText};
    if (const int error = port_ ? port_error::currentError(*port_) : 0; error != 0) {
        failure.cause = port_error::causeOf(error);
        failure.systemText = port_error::systemText(error);
    } else if (port_ && port_->error() != QSerialPort::NoError) {
        failure.systemText = port_->errorString().toStdString();
    }
    portFailure_ = std::move(failure);
    return errorBox(boxText);
}

bool CTrackerLink::write(std::span<const std::uint8_t> bytes) {
    if (!port_)
        return errorBox(link_message::kPortInvalid);

    const int byteTimeout = static_cast<int>(link_timing::writeTimeout(1).count());
    std::size_t total = 0;
    for (const std::uint8_t byte : bytes) {
        const char c = static_cast<char>(byte);
        port_->clearError();
        if (port_->write(&c, 1) != 1)
            return lineFailed(link_message::kWriteFailed);
        if (port_->waitForBytesWritten(byteTimeout)) {
            ++total;
        } else if (port_->error() == QSerialPort::TimeoutError) {
            // The byte did not leave in time and counts as unwritten; drop it rather than let
            // it slip out late in the middle of whatever follows.
            port_->clear(QSerialPort::Output);
        } else {
            return lineFailed(link_message::kWriteFailed);
        }
        link_pause::pause(link_timing::kBytePause);
    }
    if (total != bytes.size())
        return lineFailed(link_message::kWriteMismatch);
    return false;
}

std::size_t CTrackerLink::read(std::span<std::uint8_t> buffer) {
    if (!port_) {
        errorBox(link_message::kPortInvalid);
        return 0;
    }

    const Clock::time_point deadline = Clock::now() + link_timing::readTotalTimeout(buffer.size());
    Clock::time_point lastByte{};
    std::size_t received = 0;
    while (received < buffer.size()) {
        const qint64 got = port_->read(reinterpret_cast<char*>(buffer.data() + received),
                                       static_cast<qint64>(buffer.size() - received));
        if (got < 0) {
            lineFailed(link_message::kReadFailed);
            return 0;
        }
        if (got > 0) {
            received += static_cast<std::size_t>(got);
            lastByte = Clock::now();
            continue;
        }

        Clock::time_point until = deadline;
        if (received > 0)
            until = std::min(deadline, lastByte + link_timing::kReadGap);
        const Clock::time_point now = Clock::now();
        if (now >= until)
            break;

        // In slices, so that a program's pause handler runs while nothing arrives; the deadline
        // and the gap are reckoned as before, and a byte still ends a wait at once.
        port_->clearError();
        if (port_->waitForReadyRead(link_pause::slice(waitMilliseconds(until - now))))
            continue;
        if (port_->error() != QSerialPort::TimeoutError) {
            // The line is gone (a hangup reads as end of file) or the device failed.
            lineFailed(link_message::kReadFailed);
            return 0;
        }
        link_pause::idle();
    }
    return received;
}

bool CTrackerLink::close() {
    if (!port_)
        return errorBox(link_message::kPortInvalid);
    if (keepsPort())
        return false;
    port_->clearError();
    port_->close();
    const bool failed = port_->error() != QSerialPort::NoError;
    const std::string systemText = port_->errorString().toStdString();
    // QSerialPort gives up the descriptor even when closing it failed, so there is nothing
    // left to hold on to.
    port_.reset();
    claim_.release();
    if (failed) {
        portFailure_ = PortFailure{
            claim_.device(), PortFailure::Cause::Other, systemText, {}, link_message::kCloseFailed};
        return errorBox(link_message::kCloseFailed);
    }
    return false;
}

void CTrackerLink::releasePort() {
    if (!port_)
        return;
    port_->close();
    port_.reset();
    claim_.release();
}

void CTrackerLink::abandon() {
    releasePort();
    portSound_ = false;
}

void CTrackerLink::endExchange() {
    if (!keepsPort())
        releasePort();
}

bool CTrackerLink::lineFailed(std::string_view message) {
    portSound_ = false;
    return portFailed(message);
}
