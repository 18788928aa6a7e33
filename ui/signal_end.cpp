#include "signal_end.h"

#include <QSocketNotifier>
#include <utility>

SignalEnd::SignalEnd(QObject* parent, std::function<void()> onSignal) : QObject(parent) {
    if (stop_.wakeDescriptor() < 0)
        return;
    notifier_ = new QSocketNotifier(stop_.wakeDescriptor(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, std::move(onSignal));
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
}
