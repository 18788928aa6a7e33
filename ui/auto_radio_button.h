// A radio button that a click always checks and never clears, like an automatic radio button
// of a classic dialog. It is not exclusive by itself: the window pairs the mode buttons.
#pragma once

#include <QRadioButton>

class AutoRadioButton : public QRadioButton {
    Q_OBJECT
  public:
    using QRadioButton::QRadioButton;

  protected:
    void nextCheckState() override { setChecked(true); }
};
