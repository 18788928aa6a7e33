#include "window_guard.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

#include "announcer.h"
#include "busy_cursor.h"
#include "command_bytes.h"
#include "form_text.h"
#include "message_box.h"
#include "signal_end.h"
#include "translated_text.h"
#include "upload_guard.h"
#include "window_texts.h"

namespace {

// A message about a tone: the port as the port box names it for %1, and in the texts of the
// time limit the limit for %2 (Qt warns of a number with no place to go).
std::string toneMessage(std::string_view text, const QString& ports) {
    const QString format = latin1ToField(text);
    return fieldToLatin1(
        format.contains(QLatin1String("%2"))
            ? format.arg(ports, QString::number(WindowGuard::kToneTimeLimit.count()))
            : format.arg(ports));
}

std::string toneMessage(std::string_view text, const ToneTarget& target) {
    return toneMessage(text, QString::fromStdString(portText(target.port)));
}

// While it lives, the link's boxes are held back: the tries of a stop run on with nobody needed
// to answer them. The first is shown once they are over, when the stop did not get through.
class HeldBoxes {
  public:
    HeldBoxes() {
        previous_ = setBoxPresenter([this](BoxKind kind, std::string_view text, std::string_view) {
            if (kind == BoxKind::Error && !first_)
                first_ = std::string(text);
        });
    }
    ~HeldBoxes() {
        if (!restored_)
            setBoxPresenter(std::move(previous_));
    }
    HeldBoxes(const HeldBoxes&) = delete;
    HeldBoxes& operator=(const HeldBoxes&) = delete;

    // Puts the presenter back and shows the first box held; false when there was none.
    bool showFirst() {
        setBoxPresenter(std::move(previous_));
        restored_ = true;
        if (!first_)
            return false;
        errorBox(*std::exchange(first_, std::nullopt));
        return true;
    }

  private:
    BoxPresenter previous_;
    bool restored_ = false;
    std::optional<std::string> first_;
};

// Stops the tone of that start with the boxes held; failure mark, its box shown then.
bool stopHeld(ToneGuard& guard, unsigned start) {
    HeldBoxes held;
    if (!guard.stop(start))
        return false;
    held.showFirst();
    return true;
}

}  // namespace

WindowGuard::WindowGuard(QWidget* window) : QObject(window) {
    signalEnd_ = new SignalEnd(window, [this] { onRequest(); });
    tones_.setKeyedListener([this](bool keyed) {
        if (keyed) {
            timeLimitCheck_.start();
        } else {
            timeLimitCheck_.stop();
        }
        keepAwakeChanged();
    });
    UploadGuard::setListener([this](bool running) {
        signalEnd_->setUploading(running);
        keepAwakeChanged();
    });
    setToneTimeLimit(kToneTimeLimit);
    // Looked at again and again rather than one timer for the whole time: a timer stands still
    // while the computer sleeps, and the limit counts that time too.
    connect(&timeLimitCheck_, &QTimer::timeout, this, &WindowGuard::checkTimeLimit);
}

WindowGuard::~WindowGuard() {
    UploadGuard::setListener({});
}

void WindowGuard::setToneTimeLimit(std::chrono::milliseconds limit) {
    toneTimeLimit_ = limit;
    timeLimitCheck_.setInterval(
        std::clamp(limit / 20, std::chrono::milliseconds(20), std::chrono::milliseconds(1000)));
}

bool WindowGuard::needsAwake() const {
    return tones_.keyed() || UploadGuard::running();
}

void WindowGuard::keepAwakeChanged() {
    if (needsAwake() == awake_)
        return;
    awake_ = !awake_;
    emit awakeNeededChanged(awake_);
}

void WindowGuard::toneTest(CTrackerLink& link, char code) {
    // A screen reader hears what the window does not show: the transmitter keyed, and off again.
    auto* const window = static_cast<QWidget*>(parent());
    const std::string port = portText(portOf(link));
    const auto tell = [&](bool on) {
        if (tones_.keyedOn(link) == on) {
            announce(window, on ? toneOnText(code, port) : toneOffText(port));
        } else if (!tones_.tones().empty()) {
            announce(window, tonesMayBeOnText(tones_.tones()));
        }
    };
    if (code != command_bytes::kToneOff) {
        tones_.start(link, code);
        tell(true);
        return;
    }
    // A stop where no tone of the window's is known goes out once, as any tone command does.
    if (!tones_.keyedOn(link)) {
        if (!link.tone(code)) {
            announce(window, toneOffText(port));
        } else if (!tones_.tones().empty()) {
            announce(window, tonesMayBeOnText(tones_.tones()));
        }
        return;
    }
    // Each stop is tried again for a while; its failure is the channel's box, or when the
    // channel had nothing to say, that the tone may still be on.
    HeldBoxes held;
    const bool failed = tones_.stopSending(link);
    tell(false);
    if (failed && !held.showFirst()) {
        informationBox(toneMessage(WindowText::kToneNotStopped, {portOf(link), link.baudRate()}),
                       WindowText::kToneNotStoppedCaption);
    }
}

void WindowGuard::checkTimeLimit() {
    for (const unsigned start : tones_.onFor(toneTimeLimit_)) {
        const std::optional<ToneGuard::Tone> tone = tones_.tones().started(start);
        if (!tone || toldMayBeOn_.contains(start))
            continue;
        const BusyCursor busy;
        if (stopHeld(tones_, start)) {
            toldMayBeOn_.insert(start);
            informationBox(toneMessage(WindowText::kToneTimeoutFailed, tone->target),
                           WindowText::kToneNotStoppedCaption);
            continue;
        }
        informationBox(toneMessage(WindowText::kToneTimedOut, tone->target),
                       WindowText::kToneTimedOutCaption);
    }
}

void WindowGuard::stopForClose() {
    // Each stopped where it was started, whatever the port box shows now, at its own speed; no
    // calibration warning, which is about the tones to come. Looked up again before each stop: a
    // time-out while a box of a failed stop is up may have stopped one meanwhile.
    const BusyCursor busy;
    for (const unsigned start : tones_.tones().starts()) {
        while (const std::optional<ToneGuard::Tone> tone = tones_.tones().started(start)) {
            if (!stopHeld(tones_, start))
                break;
            if (choiceBox(toneMessage(WindowText::kToneNotStopped, tone->target),
                          WindowText::kToneNotStoppedCaption, WindowText::kTryAgain,
                          WindowText::kCloseAnyway) == BoxAnswer::Second) {
                break;
            }
        }
    }
}

std::vector<ToneTarget> WindowGuard::stopEvery(std::vector<ToneTarget>& stopped) {
    std::vector<ToneTarget> notStopped;
    HeldBoxes held;
    for (const unsigned start : tones_.tones().starts()) {
        const std::optional<ToneGuard::Tone> tone = tones_.tones().started(start);
        if (!tone)
            continue;
        (tones_.stop(start) ? notStopped : stopped).push_back(tone->target);
    }
    return notStopped;
}

void WindowGuard::tellStopped(std::string_view text, const std::vector<ToneTarget>& stopped,
                              const std::vector<ToneTarget>& notStopped) {
    QStringList ports;
    for (const ToneTarget& target : stopped)
        ports << QString::fromStdString(portText(target.port));
    if (!ports.isEmpty())
        informationBox(toneMessage(text, ports.join(QLatin1String(", "))),
                       WindowText::kTonesStoppedCaption);
    for (const ToneTarget& target : notStopped)
        informationBox(toneMessage(WindowText::kToneNotStopped, target),
                       WindowText::kToneNotStoppedCaption);
}

void WindowGuard::onRequest() {
    StopRequest& request = signalEnd_->request();
    if (request.requested())
        endForSignal();
    if (request.pauseRequested())
        pauseForCtrlZ();
}

void WindowGuard::endForSignal() {
    // Nobody may be there to answer a box: the link's messages go to standard error, and so
    // does the word that a tone could not be stopped.
    setBoxPresenter({});
    // The commands whose boxes are up never resume: their ports go first, so that nothing of
    // them outlives the program.
    for (CTrackerLink* link : tones_.inUse())
        link->abandon();
    std::vector<ToneTarget> stopped;
    for (const ToneTarget& target : stopEvery(stopped)) {
        const QByteArray line =
            translatedBoxText(toneMessage(WindowText::kSignalToneMayBeOn, target),
                              WindowText::kBoxFormats)
                .toLocal8Bit();
        std::fprintf(stderr, "%s\n", line.constData());
    }
    signalEnd_->request().endAsRequested();
}

void WindowGuard::pauseForCtrlZ() {
    // The boxes shown once the program goes on run the event loop: this request is acted on.
    signalEnd_->setWatching(false);
    std::vector<ToneTarget> stopped;
    const std::vector<ToneTarget> notStopped = stopEvery(stopped);
    // A tone that may still be on is not left keyed behind a stopped program: it goes on, and
    // says so, so that the tone can be stopped yet.
    if (notStopped.empty()) {
        signalEnd_->request().pauseAsRequested();
    } else {
        signalEnd_->request().refusePause();
    }
    signalEnd_->setWatching(true);
    if (signalEnd_->request().requested())
        endForSignal();  // asked while the program was stopped
    tellStopped(WindowText::kTonesStoppedForPause, stopped, notStopped);
}

void WindowGuard::sleepComing() {
    std::vector<ToneTarget> stopped;
    std::vector<ToneTarget> notStopped = stopEvery(stopped);
    // Told once the computer is awake again: the lock on sleep goes when this returns.
    if (stopped.empty() && notStopped.empty())
        return;
    // A timer, not a posted call: posted calls may be delivered inside the next exchange, while
    // the window answers its accessibility bus, and a box must not come up in the middle of it.
    QTimer::singleShot(1, this,
                       [this, stopped = std::move(stopped), notStopped = std::move(notStopped)] {
                           tellStopped(WindowText::kTonesStoppedForSleep, stopped, notStopped);
                       });
}

void WindowGuard::beforeUpload() {
    if (signalEnd_->request().requested())
        endForSignal();
}

void WindowGuard::afterUpload() {
    onRequest();
}
