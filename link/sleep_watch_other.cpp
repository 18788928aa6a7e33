// Where the system tells no program that it goes to sleep (as far as this one knows).
#include <QCoreApplication>

#include "link_messages.h"
#include "sleep_watch.h"

class SleepWatch::Platform {};

SleepWatch::SleepWatch(QObject* parent) : QObject(parent) {}
SleepWatch::~SleepWatch() = default;

void SleepWatch::take(std::chrono::milliseconds) {}
void SleepWatch::awaitAnswer() {}
void SleepWatch::release() {}

bool SleepWatch::holding() const {
    return false;
}

QString SleepWatch::unavailable() const {
    return QCoreApplication::translate("link_message", link_message::kNoSleepWatchHere);
}
