// The sleep watch against a stand-in logind on a private system bus (logind_stand_in.h). The
// system bus is chosen once a process, so each test wants a process of its own, as ctest runs
// them.
#include <gtest/gtest.h>
#include <QThread>

#include "eventually.h"
#include "logind_stand_in.h"
#include "sleep_watch.h"

namespace {

// Set once a test has pointed this process's system bus at the private one.
bool g_privateBusChosen = false;

class SleepWatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (privateBus().address().isEmpty())
            GTEST_SKIP() << "no dbus-daemon to run a private system bus with";
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", privateBus().address().toLocal8Bit());
        g_privateBusChosen = true;
        logind_ = std::make_unique<LogindStandIn>(privateBus().address());
        ASSERT_TRUE(logind_->serving());
        watch_ = std::make_unique<SleepWatch>();
        ASSERT_EQ(watch_->unavailable(), QString());
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
