#include "port_combo_box.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <utility>

#include "field_edit.h"
#include "port_choice.h"

namespace {

// On Linux Qt names an editable combo box by its text and leaves the name to a label, which the
// port box has none of: Orca spoke "COM1 editable combo box" with nothing to say that it is the
// serial port. This interface names the box by its accessible name and gives the port as its
// value; its children are Qt's own (the list, then the edit).
class PortComboBoxAccessible : public QAccessibleWidget {
  public:
    explicit PortComboBoxAccessible(PortComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return box()->currentText();
        if (t == QAccessible::Name && !box()->accessibleName().isEmpty())
            return box()->accessibleName();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = box()->isEditable();
        s.expandable = true;
        s.expanded = box()->view() != nullptr && box()->view()->isVisible();
        return s;
    }

    int childCount() const override { return box()->lineEdit() != nullptr ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->lineEdit() != nullptr)
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr)
            return -1;
        if (child->object() == box()->view())
            return 0;
        if (box()->lineEdit() != nullptr && child->object() == box()->lineEdit())
            return 1;
        return -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            if (box()->view() != nullptr && box()->view()->isVisible())
                box()->hidePopup();
            else
                box()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    PortComboBox* box() const { return static_cast<PortComboBox*>(widget()); }
};

// Qt owns the interfaces a factory makes and drops them with their widgets.
QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(PortComboBox::staticMetaObject.className())) {
        if (auto* box = qobject_cast<PortComboBox*>(object))
            return new PortComboBoxAccessible(box);
    }
    return nullptr;
}

}  // namespace

PortComboBox::PortComboBox(QWidget* parent) : QComboBox(parent), source_(systemSerialPorts) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    // Its edit is one of the window's fields to a screen reader: the port whole, and no
    // "Text unselected" when the list opens.
    setLineEdit(new FieldEdit(this));
}

void PortComboBox::setPortSource(PortSource source) {
    source_ = std::move(source);
    refresh();
}

void PortComboBox::refresh() {
    const QString text = currentText();
    const bool chosen = currentIndex() >= 0 && itemText(currentIndex()) == text;

    clear();
    for (const std::string& entry : portListEntries(source_()))
        addItem(QString::fromStdString(entry));

    // An entry chosen before stays chosen, even if it moved; anything else stays as typed.
    const int index = chosen ? findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) : -1;
    setCurrentIndex(index);
    if (index < 0)
        setEditText(text);
}

std::vector<std::string> PortComboBox::entries() const {
    std::vector<std::string> out;
    for (int i = 0; i < count(); ++i)
        out.push_back(itemText(i).toStdString());
    return out;
}

void PortComboBox::showPopup() {
    refresh();
    QComboBox::showPopup();
}
