#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>
#include <string_view>

#include "command_bytes.h"
#include "exchange_time.h"
#include "port_choice.h"
#include "spoken_texts.h"
#include "tones_on.h"
#include "translated_text.h"

namespace {

struct ToneName {
    char code;
    std::string_view name;
};
constexpr std::array kToneNames{
    ToneName{command_bytes::kTone1200, SpokenText::kTone1200},
    ToneName{command_bytes::kTone2200, SpokenText::kTone2200},
    ToneName{command_bytes::kToneBoth, SpokenText::kToneBoth},
};

QString portName(const std::string& port) {
    return QString::fromStdString(port);
}

}  // namespace

// A notification without a face: one pixel in the window's corner, drawn as nothing, out of the
// tab order and of the mouse's way. Each announcement shows it with the text as its name, which
// Orca speaks as a notification appears, and hides it again at once: the fewer events, the
// sooner Orca gets to speak while a command keeps the window busy.
class AnnouncementNotice : public QWidget {
    Q_OBJECT
  public:
    explicit AnnouncementNotice(QWidget* window) : QWidget(window) {
        static const bool factoryInstalled = [] {
            QAccessible::installFactory(accessibleFactory);
            return true;
        }();
        Q_UNUSED(factoryInstalled);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 1, 1);
        hide();
    }

    QString text() const { return text_; }

    void say(const QString& text) {
        // Not the accessible name, whose change would be one more event.
        text_ = text;
        show();
        // What NVDA hears of it; Qt's bridge to AT-SPI passes this event by.
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
        hide();
    }

  private:
    class Accessible : public QAccessibleWidget {
      public:
        explicit Accessible(AnnouncementNotice* notice)
            : QAccessibleWidget(notice, QAccessible::Notification) {}
        QString text(QAccessible::Text t) const override {
            if (t == QAccessible::Name)
                return static_cast<const AnnouncementNotice*>(widget())->text();
            return QAccessibleWidget::text(t);
        }
    };

    static QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
        if (className == QLatin1String(staticMetaObject.className())) {
            if (auto* notice = qobject_cast<AnnouncementNotice*>(object))
                return new Accessible(notice);
        }
        return nullptr;
    }

    QString text_;
};

void announce(QWidget* window, const QString& text) {
    auto* notice = window->findChild<AnnouncementNotice*>(QString(), Qt::FindDirectChildrenOnly);
    if (notice == nullptr)
        notice = new AnnouncementNotice(window);
    notice->say(text);
}

QString toneOnText(char code, const std::string& port) {
    QString name;
    for (const ToneName& tone : kToneNames) {
        if (tone.code == code)
            name = translatedText(tone.name);
    }
    return translatedText(SpokenText::kToneOn).arg(name, portName(port));
}

QString toneOffText(const std::string& port) {
    return translatedText(SpokenText::kToneOff).arg(portName(port));
}

QString tonesMayBeOnText(const TonesOn& tones) {
    QStringList ports;
    for (const unsigned start : tones.starts()) {
        if (const std::optional<TonesOn::Tone> tone = tones.started(start))
            ports << QString::fromStdString(portText(tone->target.port));
    }
    return translatedText(SpokenText::kToneMayBeOn).arg(ports.join(QStringLiteral(", ")));
}

QString writeBeginsText(const std::string& port) {
    const int seconds = static_cast<int>(writeSeconds().count());
    const QString text = translatedCount(SpokenText::kWriteBegins, seconds)
                             .value_or(translatedText(SpokenText::kWriteBegins)
                                           .replace(QLatin1String("%n"), QString::number(seconds)));
    return text.arg(portName(port));
}

std::chrono::seconds writeSeconds() {
    using std::chrono::milliseconds;
    // The search that finds the tracker first, at the first speed, then the upload and its check;
    // the bytes' own time on the line adds about a tenth to the pauses and timeouts.
    const milliseconds least =
        exchange_time::identify(exchange_time::kReplyCapacity / 2) + exchange_time::writeVerified();
    const milliseconds usual = least + least / 10;
    return std::chrono::ceil<std::chrono::seconds>(usual);
}

#include "announcer.moc"
