#include "field_edit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <algorithm>

namespace {

// Qt's own interface for a line edit reports each character as a text run of its own, empty and
// ending where it starts; Orca, joining the runs, speaks a value without its last character and
// a one-digit value not at all. Qt also clears a field's selection as the focus leaves it, which
// Orca hears before the focus change and speaks as "Text unselected" on every move. This
// interface reports the whole text as one run and keeps the selection a field had when the
// focus left, as a classic edit control keeps (and hides) it.
class FieldEditAccessible : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
  public:
    explicit FieldEditAccessible(FieldEdit* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return field()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !field()->isReadOnly();
        s.readOnly = field()->isReadOnly();
        s.selectableText = true;
        return s;
    }

    // Text
    void selection(int index, int* startOffset, int* endOffset) const override {
        const FieldEdit::Selection s = field()->accessibleSelection();
        *startOffset = *endOffset = 0;
        if (index == 0 && s.length > 0) {
            *startOffset = s.start;
            *endOffset = s.start + s.length;
        }
    }
    int selectionCount() const override {
        return field()->accessibleSelection().length > 0 ? 1 : 0;
    }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int index) override {
        if (index == 0)
            field()->deselect();
    }
    void setSelection(int index, int startOffset, int endOffset) override {
        if (index == 0)
            field()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override {
        if (startOffset > endOffset)
            return {};
        return field()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(field()->text().size()); }
    QRect characterRect(int offset) const override {
        const QRect local = field()->characterRect(offset);
        return QRect(field()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override {
        field()->setCursorPosition(endIndex);
        field()->setCursorPosition(startIndex);
    }
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = std::max(characterCount(), offset);
        return {};
    }

    // Editable text: through the field's own editing, so that its validator applies.
    void deleteText(int startOffset, int endOffset) override {
        field()->setSelection(startOffset, endOffset - startOffset);
        field()->del();
    }
    void insertText(int offset, const QString& text) override {
        field()->setCursorPosition(offset);
        field()->insert(text);
    }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        field()->setSelection(startOffset, endOffset - startOffset);
        field()->insert(text);
    }

  private:
    FieldEdit* field() const { return static_cast<FieldEdit*>(widget()); }
};

// Qt owns the interfaces a factory makes and drops them with their widgets.
QAccessibleInterface* accessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(FieldEdit::staticMetaObject.className())) {
        if (auto* field = qobject_cast<FieldEdit*>(object))
            return new FieldEditAccessible(field);
    }
    return nullptr;
}

}  // namespace

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

FieldEdit::Selection FieldEdit::accessibleSelection() const {
    if (hasFocus())
        return {selectionStart(), static_cast<int>(selectedText().size())};
    const int length = static_cast<int>(text().size());
    const int start = std::min(kept_.start, length);
    return {start, std::min(kept_.length, length - start)};
}

void FieldEdit::focusOutEvent(QFocusEvent* event) {
    kept_ = {selectionStart(), static_cast<int>(selectedText().size())};
    QLineEdit::focusOutEvent(event);
}

QRect FieldEdit::characterRect(int offset) const {
    // Measured from the caret, whose place Qt knows however far the text has scrolled.
    const QString shown = displayText();
    const QFontMetrics metrics = fontMetrics();
    const QRect caret = cursorRect();
    const int x = caret.center().x() + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(cursorPosition()));
    return {x, caret.y(), metrics.horizontalAdvance(shown.mid(offset, 1)), caret.height()};
}
