// The sleep watch against a stand-in logind on a private system bus (a dbus-daemon of the
// test's own): it hands out the write end of a pipe as the inhibitor and keeps the read end, so
// that it sees when the watch lets go, and says PrepareForSleep. The system bus is chosen once a
// process, so each test wants a process of its own, as ctest runs them.
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <fstream>

#include "eventually.h"
#include "sleep_watch.h"

namespace {

const QString kLogind = QStringLiteral("org.freedesktop.login1");
const QString kLogindPath = QStringLiteral("/org/freedesktop/login1");
// Set once a test has pointed this process's system bus at the private one.
bool g_privateBusChosen = false;

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

class SleepWatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (bus().address().isEmpty())
            GTEST_SKIP() << "no dbus-daemon to run a private system bus with";
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus().address().toLocal8Bit());
        g_privateBusChosen = true;
        logind_ = std::make_unique<LogindStandIn>(bus().address());
        ASSERT_TRUE(logind_->serving());
        watch_ = std::make_unique<SleepWatch>();
        ASSERT_EQ(watch_->unavailable(), QString());
    }
    static PrivateBus& bus() {
        static PrivateBus bus;
        return bus;
    }

    std::unique_ptr<LogindStandIn> logind_;
    std::unique_ptr<SleepWatch> watch_;
};

TEST_F(SleepWatchTest, HoldingTakesOneDelayInhibitorAndLettingGoClosesIt) {
    watch_->setHolding(true);
    watch_->setHolding(true);
    ASSERT_TRUE(eventually([&] { return watch_->holding(); }));
    EXPECT_EQ(logind_->inhibits(), 1u);
    EXPECT_EQ(logind_->lastArguments().value(0), QStringLiteral("sleep"));
    EXPECT_EQ(logind_->lastArguments().value(1), QStringLiteral("PelmoxConfig"));
    EXPECT_EQ(logind_->lastArguments().value(3), QStringLiteral("delay"));
    EXPECT_TRUE(logind_->held());
    watch_->setHolding(false);
    EXPECT_FALSE(watch_->holding());
    EXPECT_FALSE(logind_->held());
}

// Sleep waits for what aboutToSleep's slots put right; the inhibitor goes once they have
// returned, and a new one is taken on waking while holding is still asked for.
TEST_F(SleepWatchTest, SleepWaitsForTheSlotsAndTheWatchHoldsAgainOnWaking) {
    watch_->setHolding(true);
    ASSERT_TRUE(eventually([&] { return logind_->held(); }));
    bool heldAtTheSlotsEnd = false;
    int slept = 0, woke = 0;
    QObject::connect(watch_.get(), &SleepWatch::aboutToSleep, [&] {
        QThread::msleep(300);  // stopping a tone
        heldAtTheSlotsEnd = logind_->held();
        ++slept;
    });
    QObject::connect(watch_.get(), &SleepWatch::resumed, [&] { ++woke; });
    logind_->prepareForSleep(true);
    ASSERT_TRUE(eventually([&] { return slept == 1; }));
    EXPECT_TRUE(heldAtTheSlotsEnd);
    EXPECT_FALSE(logind_->held());
    EXPECT_FALSE(watch_->holding());

    logind_->prepareForSleep(false);
    ASSERT_TRUE(eventually([&] { return woke == 1 && logind_->held(); }));
    EXPECT_EQ(logind_->inhibits(), 2u);
    EXPECT_EQ(slept, 1);
}

// A container or a build machine: no system bus at all. The watch says why, and holding is
// asked for and let go of with nothing to take.
TEST(SleepWatchWithoutBus, SaysWhyAndHoldsNothing) {
    if (g_privateBusChosen)
        GTEST_SKIP() << "an earlier test in this process chose its system bus; run it alone";
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/pelmox-test-bus");
    SleepWatch watch;
    EXPECT_FALSE(watch.unavailable().isEmpty());
    watch.setHolding(true);
    EXPECT_FALSE(eventually([&] { return watch.holding(); }, 200));
    watch.setHolding(false);
}

}  // namespace

#include "sleep_watch_test.moc"
