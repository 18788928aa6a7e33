// logind's word on sleep, on the system bus: PrepareForSleep(true) before it, (false) after, and
// a delay inhibitor, a descriptor that sleep waits for until it is closed. The inhibitor is
// asked for without waiting for the answer (logind counts it from when it hands it out, and a
// logind that hangs must not hang the program), unless a program without a running event loop
// waits for it, for no longer than it chooses.
#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QPointer>

#include "link_messages.h"
#include "sleep_watch.h"

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kInhibit = QStringLiteral("Inhibit");
const QString kPrepareForSleep = QStringLiteral("PrepareForSleep");
// Inhibit's arguments: what, who, why, mode.
const QString kWhat = QStringLiteral("sleep");
const QString kWho = QStringLiteral("PelmoxConfig");
const QString kMode = QStringLiteral("delay");

}  // namespace

class SleepWatch::Platform {
  public:
    QDBusConnection bus = QDBusConnection::systemBus();
    QString unavailable;
    int inhibitor = -1;
    bool asking = false;
    QPointer<QDBusPendingCallWatcher> answer;  // while asking
};

SleepWatch::SleepWatch(QObject* parent) : QObject(parent), platform_(std::make_unique<Platform>()) {
    QDBusConnection& bus = platform_->bus;
    if (!bus.isConnected()) {
        platform_->unavailable =
            QCoreApplication::translate("link_message", link_message::kNoSystemBus)
                .arg(bus.lastError().message());
        return;
    }
    if (!bus.interface()->isServiceRegistered(kService)) {
        platform_->unavailable =
            QCoreApplication::translate("link_message", link_message::kNoLogind);
        return;
    }
    if (!bus.connect(kService, kPath, kManager, kPrepareForSleep, this, SLOT(sleeping(bool))))
        platform_->unavailable =
            QCoreApplication::translate("link_message", link_message::kNoLogind);
}

SleepWatch::~SleepWatch() {
    release();
}

// logind answers at once; a later answer finds the inhibitor no longer wanted, or still.
void SleepWatch::take(std::chrono::milliseconds answerTime) {
    if (!platform_->unavailable.isEmpty() || platform_->inhibitor >= 0 || platform_->asking)
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kManager, kInhibit);
    call << kWhat << kWho
         << QCoreApplication::translate("link_message", link_message::kWhySleepWaits) << kMode;
    auto* answer = new QDBusPendingCallWatcher(
        platform_->bus.asyncCall(call, static_cast<int>(answerTime.count())), this);
    platform_->asking = true;
    platform_->answer = answer;
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        platform_->asking = false;
        {
            const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *w;
            if (reply.isError()) {
                platform_->unavailable =
                    QCoreApplication::translate("link_message", link_message::kInhibitorRefused)
                        .arg(reply.error().message());
            } else if (wanted_ && !asleep_) {
                // A copy of our own, so that the inhibitor ends when we close it, not when Qt
                // lets go of the answer.
                platform_->inhibitor = ::fcntl(reply.value().fileDescriptor(), F_DUPFD_CLOEXEC, 0);
            }
        }
        w->deleteLater();
    });
}

// Delivers the answer's finished() before it returns, and nothing else: no other event of the
// program's comes in between. The answer goes at once, with the copy of the inhibitor it holds:
// its deferred delete would wait for an event loop that such a program may never run, and sleep
// would wait for that copy as well.
void SleepWatch::awaitAnswer() {
    if (!platform_->asking || !platform_->answer)
        return;
    platform_->answer->waitForFinished();
    delete platform_->answer;
}

void SleepWatch::release() {
    if (platform_->inhibitor < 0)
        return;
    ::close(platform_->inhibitor);
    platform_->inhibitor = -1;
}

bool SleepWatch::holding() const {
    return platform_->inhibitor >= 0;
}

QString SleepWatch::unavailable() const {
    return platform_->unavailable;
}
