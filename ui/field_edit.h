// The window's edit fields: line edits whose screen-reader interface gives a value whole and
// stays quiet about a selection that only the change of focus touched.
#pragma once

#include <QLineEdit>

class FieldEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit FieldEdit(QWidget* parent = nullptr);

    // The selection as a screen reader is told of it: the field's own while it has the focus,
    // afterwards the one it had when the focus left (start and length; length 0 for none).
    struct Selection {
        int start = 0;
        int length = 0;
    };
    Selection accessibleSelection() const;
    // Where a character is drawn, in the field's own coordinates.
    QRect characterRect(int offset) const;

  protected:
    void focusOutEvent(QFocusEvent* event) override;

  private:
    Selection kept_;
};
