#include "accessible_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <array>
#include <string_view>

#include "control_ids.h"
#include "link_pause.h"
#include "spoken_texts.h"
#include "translated_text.h"

namespace {

// Orca speaks a field's label and never its name, where the units are; the description it
// speaks after the label and the value: the unit first, then the field's advice (its tooltip),
// which would otherwise be the description alone.
struct FieldUnit {
    ControlId id;
    std::string_view unit;
};
constexpr std::array kFieldUnits{
    FieldUnit{IDC_STATUS_EVERY, SpokenText::kTransmissions},
    FieldUnit{IDC_TXD, SpokenText::kMilliseconds},
    FieldUnit{IDC_TX_INTERVAL, SpokenText::kSeconds},
    FieldUnit{IDC_QUIET_TIME, SpokenText::kMilliseconds},
};

QString accessibleDescription(std::string_view unit, const QString& advice) {
    const QString text = translatedText(unit);
    return advice.isEmpty() ? text : translatedText(SpokenText::kUnitAndAdvice, {text, advice});
}

// The accessibility bus reaches the window as calls that Qt D-Bus posts to it from a thread of
// its own. Only those are delivered here: no key, click, timer or signal notifier runs inside an
// exchange, so no second command can start in it and no stop of a tone can go out in the middle
// of it (the one call the window queues itself, a close, waits for the command to return).
void answerAccessibilityBus() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

}  // namespace

void setUpAccessibility(QWidget* window) {
    for (const FieldUnit& field : kFieldUnits) {
        if (auto* widget = window->findChild<QWidget*>(QString::fromLatin1(controlName(field.id))))
            widget->setAccessibleDescription(accessibleDescription(field.unit, widget->toolTip()));
    }
    link_pause::setHandler(answerAccessibilityBus);
}
