#include "signal_end.h"

#include <QSocketNotifier>
#include <QWidget>

#include "session_end.h"

SignalEnd::SignalEnd(QWidget* window, std::function<void()> onSignal) : QObject(window) {
    sessionEnd_ = new SessionEnd(window, stop_);
    connect(sessionEnd_, &SessionEnd::ending, this, onSignal);
    if (stop_.wakeDescriptor() < 0)
        return;
    notifier_ = new QSocketNotifier(stop_.wakeDescriptor(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, onSignal);
}

SignalEnd::Held::Held(SignalEnd& end) : end_(end) {
    end_.hold(true);
}

SignalEnd::Held::~Held() {
    end_.hold(false);
}

void SignalEnd::hold(bool held) {
    holds_ += held ? 1 : -1;
    if (notifier_ != nullptr)
        notifier_->setEnabled(holds_ == 0);
    sessionEnd_->setWriting(holds_ > 0);
}
