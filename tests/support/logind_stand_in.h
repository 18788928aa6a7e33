// A stand-in logind on a private system bus (a dbus-daemon of the test's own), for the tests
// of what holds off sleep: it hands out the write end of a pipe as the inhibitor and keeps the
// read end, so that it sees when the holder lets go, and says PrepareForSleep. It answers while
// the test's event loop runs (eventually() runs it).
#pragma once

#include <poll.h>
#include <unistd.h>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <fstream>
#include <vector>

inline const QString kLogind = QStringLiteral("org.freedesktop.login1");
inline const QString kLogindPath = QStringLiteral("/org/freedesktop/login1");

// A dbus-daemon that lets anyone own any name, for as long as the test program runs.
class PrivateBus {
  public:
    PrivateBus() {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty() || !directory_.isValid())
            return;
        const QString config = directory_.filePath(QStringLiteral("bus.conf"));
        std::ofstream(config.toStdString())
            << "<busconfig><listen>unix:path=" << directory_.filePath("bus").toStdString()
            << "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
               "<allow user=\"*\"/><allow own=\"*\"/><allow send_destination=\"*\"/>"
               "<allow receive_sender=\"*\"/></policy></busconfig>\n";
        daemon_.start(daemon, {QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                               "--config-file=" + config, QStringLiteral("--print-address=1")});
        if (daemon_.waitForReadyRead(10'000))
            address_ = QString::fromLocal8Bit(daemon_.readLine()).trimmed();
    }
    ~PrivateBus() {
        daemon_.kill();
        daemon_.waitForFinished();
    }
    const QString& address() const { return address_; }

  private:
    QTemporaryDir directory_;
    QProcess daemon_;
    QString address_;
};

// logind as far as the watch knows it.
class LogindStandIn : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
  public:
    explicit LogindStandIn(const QString& address)
        : bus_(QDBusConnection::connectToBus(address, QStringLiteral("logind-stand-in"))) {
        serving_ = bus_.registerObject(kLogindPath, this, QDBusConnection::ExportAllSlots) &&
                   bus_.registerService(kLogind);
    }
    ~LogindStandIn() override {
        bus_.unregisterService(kLogind);
        bus_.unregisterObject(kLogindPath);
        for (const int fd : inhibitors_)
            ::close(fd);
    }
    bool serving() const { return serving_; }

    void prepareForSleep(bool start) {
        QDBusMessage signal = QDBusMessage::createSignal(
            kLogindPath, QStringLiteral("org.freedesktop.login1.Manager"),
            QStringLiteral("PrepareForSleep"));
        signal << start;
        bus_.send(signal);
    }

    // The watch keeps the last inhibitor handed out.
    bool held() const {
        if (inhibitors_.empty())
            return false;
        pollfd end{inhibitors_.back(), POLLIN, 0};
        return ::poll(&end, 1, 0) == 0;
    }
    std::size_t inhibits() const { return inhibitors_.size(); }
    const QStringList& lastArguments() const { return arguments_; }

  public slots:
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why,
                                    const QString& mode) {
        arguments_ = {what, who, why, mode};
        int ends[2];
        if (::pipe(ends) != 0)
            return {};
        inhibitors_.push_back(ends[0]);
        const QDBusUnixFileDescriptor handedOut(ends[1]);  // a copy of its own
        ::close(ends[1]);
        return handedOut;
    }

  private:
    QDBusConnection bus_;
    bool serving_ = false;
    std::vector<int> inhibitors_;
    QStringList arguments_;
};

// One private bus for the test program, with no logind on it until a stand-in registers; its
// address is empty where there is no dbus-daemon to run.
inline PrivateBus& privateBus() {
    static PrivateBus bus;
    return bus;
}
