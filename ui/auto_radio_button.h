// A radio button that a click always checks and never clears, like an automatic radio button
// of a classic dialog. It is not exclusive by itself: the window pairs the mode buttons, so
// that a mode read from a tracker can show both or neither checked. Screen readers still hear
// a radio button, where Qt would announce a button that is not auto-exclusive as a check box.
#pragma once

#include <QRadioButton>

class AutoRadioButton : public QRadioButton {
    Q_OBJECT
  public:
    explicit AutoRadioButton(QWidget* parent = nullptr);

  protected:
    void nextCheckState() override { setChecked(true); }
    // Alt+W and Alt+P check the button before it takes the focus, where Qt gives the focus at
    // once and clicks a tenth of a second later: a screen reader announcing the focus heard the
    // old state, or the new one, as the race fell.
    bool event(QEvent* event) override;
};
