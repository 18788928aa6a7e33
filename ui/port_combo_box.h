// The window's port box: COM1 to COM4 and the system's serial ports, rebuilt from the system
// each time its list opens, so that a USB adapter plugged in after the start shows up.
#pragma once

#include <QComboBox>
#include <functional>
#include <string>
#include <vector>

class PortComboBox : public QComboBox {
    Q_OBJECT
  public:
    // Where the system's ports come from; the tests give their own.
    using PortSource = std::function<std::vector<std::string>()>;

    explicit PortComboBox(QWidget* parent = nullptr);

    void setPortSource(PortSource source);
    // Builds the list anew, keeping the chosen entry or the typed text.
    void refresh();
    // The list's entries, in order.
    std::vector<std::string> entries() const;

    void showPopup() override;

  private:
    PortSource source_;
};
