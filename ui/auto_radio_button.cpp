#include "auto_radio_button.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QShortcutEvent>

namespace {

class AutoRadioButtonAccessible : public QAccessibleWidget {
  public:
    explicit AutoRadioButtonAccessible(AutoRadioButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                if (button()->accessibleName().isEmpty())
                    return QString(button()->text()).remove(QLatin1Char('&'));
                break;
            case QAccessible::Accelerator:
                return QKeySequence::mnemonic(button()->text()).toString(QKeySequence::NativeText);
            default:
                break;
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (button()->isEnabled())
            names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction()) {
            button()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    AutoRadioButton* button() const { return static_cast<AutoRadioButton*>(widget()); }
};

// Qt owns the interfaces a factory makes and drops them with their widgets.
QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(AutoRadioButton::staticMetaObject.className())) {
        if (auto* button = qobject_cast<AutoRadioButton*>(object))
            return new AutoRadioButtonAccessible(button);
    }
    return nullptr;
}

}  // namespace

AutoRadioButton::AutoRadioButton(QWidget* parent) : QRadioButton(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

bool AutoRadioButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut && isEnabled() &&
        !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        click();
        if ((focusPolicy() & Qt::ClickFocus) != 0)
            setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return QRadioButton::event(event);
}
