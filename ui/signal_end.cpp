#include "signal_end.h"

#include <QSocketNotifier>
#include <QWidget>

#include "session_end.h"

SignalEnd::SignalEnd(QWidget* window, std::function<void()> onRequest) : QObject(window) {
    sessionEnd_ = new SessionEnd(window, stop_);
    // The end of the session counts as SIGTERM.
    connect(sessionEnd_, &SessionEnd::ending, this, [this, onRequest] {
        stop_.request();
        onRequest();
    });
    if (stop_.wakeDescriptor() < 0)
        return;
    notifier_ = new QSocketNotifier(stop_.wakeDescriptor(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, onRequest);
}

void SignalEnd::setUploading(bool uploading) {
    uploading_ = uploading;
    sessionEnd_->setWriting(uploading);
    update();
}

void SignalEnd::setWatching(bool watching) {
    watching_ = watching;
    update();
}

void SignalEnd::update() {
    if (notifier_ != nullptr)
        notifier_->setEnabled(watching_ && !uploading_);
}
