// The serial connection to the tracker and the command protocol on top of it.
// Every exchange opens the port, talks, and closes it again, unless a PortHold keeps it open
// between exchanges; nothing runs in the background.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "port_claim.h"
#include "port_failure.h"

class QSerialPort;

class CTrackerLink {
  public:
    static constexpr int kFirstBaud = 9600;
    static constexpr int kFallbackBaud = 2400;

    CTrackerLink();
    ~CTrackerLink();
    CTrackerLink(const CTrackerLink&) = delete;
    CTrackerLink& operator=(const CTrackerLink&) = delete;

    // While a hold lives, the port stays open from one exchange to the next, with its lock file
    // and our flock(), so that no program that respects them can take it in between (a timed
    // tone is started and stopped on the one port). Each exchange still sets the speed it
    // needs. A port whose line failed is closed, and the next exchange opens it afresh.
    class PortHold {
      public:
        explicit PortHold(CTrackerLink& link) : link_(link) { ++link_.holds_; }
        ~PortHold();
        PortHold(const PortHold&) = delete;
        PortHold& operator=(const PortHold&) = delete;

      private:
        CTrackerLink& link_;
    };
    [[nodiscard]] PortHold holdPort() { return PortHold(*this); }

    // What a tone command put on the line, whether or not it failed: a tone whose code went out
    // may be on even when the command failed after it (a close that failed, a line that went).
    struct ToneSent {
        bool failed = true;
        bool stopSent = false;  // the stop every tone command begins with went out
        bool codeSent = false;  // the code went out, or may have: its write was begun
    };

    // COM1 to COM4 by number (0 means nothing chosen); clears any device name.
    void setPortNumber(int number);
    // Any other serial device by name or path ("/dev/ttyUSB0", "COM7", a pseudo-terminal).
    void setDeviceName(std::string name);
    void setBaudRate(int baud) { baudRate_ = baud; }
    int portNumber() const { return portNumber_; }
    int baudRate() const { return baudRate_; }
    const std::string& deviceName() const { return deviceName_; }
    bool isOpen() const;
    // Why the port failed when the link last showed a box about it: the open's "Count not aquire
    // Com Port", or a read, write, line setting or close that failed (its boxText says which).
    // Empty again at every open. The box says no more, for the window keeps its own texts.
    const std::optional<PortFailure>& portFailure() const { return portFailure_; }

    // Channel. Failure marks: true = failed, already shown to the user.
    bool open();
    bool write(std::span<const std::uint8_t> bytes);   // one byte, then 10 ms, each
    std::size_t read(std::span<std::uint8_t> buffer);  // 0 on failure or silence
    bool close();

    // Protocol. The reply buffer's size is the capacity; the reply text is terminated in it.
    bool identify(std::span<char> reply);
    bool findTracker(std::span<char> reply);  // 9600, then 2400; the answering speed stays
    std::size_t download(std::span<std::uint8_t> buffer);
    std::size_t readImageVerified(std::span<std::uint8_t> buffer);  // 0 unless two reads agree
    bool upload(std::span<const std::uint8_t> image);
    bool writeImageVerified(std::span<const std::uint8_t> image);
    ToneSent sendTone(char code);  // '1' 1200 Hz, '2' 2200 Hz, '3' both, 'x' stop
    bool tone(char code) { return sendTone(code).failed; }

    // True while a hold keeps a sound port open for the exchanges to come.
    bool holdsPortOpen() const { return keepsPort(); }
    // The stop of a tone that went out at another speed, through the port a hold keeps open
    // (Stop Sending's two stops); the port is set back to this link's own speed afterwards, so
    // that the command the hold belongs to goes on as it was. Failed when no port is held.
    ToneSent stopToneOnHeldPort(int baud);

    // Lets the port go at once, whatever hold or exchange keeps it: for a program that ends with
    // this command unfinished (a signal while one of its boxes is up), so that the stops it
    // sends before it ends can have the port.
    void abandon();

  private:
    // Lets the port go without a message: the end of an exchange whose failure was already shown.
    void releasePort();
    // The end of an exchange: the port goes, unless a hold keeps it for the next one.
    void endExchange();
    // A read or write that failed: the message, and the port is not to serve another exchange.
    bool lineFailed(std::string_view message);
    // True while a hold keeps a sound port open for the exchanges to come.
    bool keepsPort() const { return port_ && holds_ > 0 && portSound_; }
    // The open refused (the failure as the claim or the port gave it): its box, with the facts.
    bool openFailed(PortFailure failure);
    // A call on the open port failed: its box, with what the device and the port say of it.
    bool portFailed(std::string_view boxText);
    class ExchangeEnd;

    int portNumber_ = 1;
    std::string deviceName_;
    int baudRate_ = kFirstBaud;
    std::optional<PortFailure> portFailure_;
    int holds_ = 0;
    // Open and set up, and no read or write on it has failed since.
    bool portSound_ = false;
    // The device the link last had open: one that cannot be opened any more has gone.
    std::string lastOpened_;
    // Declared before the port so that the port closes before the claim is given up.
    PortClaim claim_;
    std::unique_ptr<QSerialPort> port_;
};
