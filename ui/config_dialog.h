// The configuration window: the tracker's settings in editable fields, the port to use, and the
// commands that read the version, read and write the configuration and test the tones.
// It owns the settings record for the whole run; each command has a link of its own.
#pragma once

#include <QDialog>
#include <QtGlobal>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "port_choice.h"
#include "port_combo_box.h"
#include "tracker_config.h"
#include "tracker_link.h"
#include "window_guard.h"

namespace Ui {
class ConfigDialog;
}

class CConfigDlg : public QDialog {
    Q_OBJECT
  public:
    // The port list holds COM1 to COM4 followed by the ports the source reports (normally the
    // system's own), asked again whenever the list opens.
    explicit CConfigDlg(PortComboBox::PortSource systemPorts, QWidget* parent = nullptr);
    explicit CConfigDlg(QWidget* parent = nullptr);
    ~CConfigDlg() override;

    // The record as the window last exchanged it with the fields and the tracker.
    const CTrackerConfig& config() const { return config_; }
    // The speed the tone tests go out at: the one the last search ended with.
    int baudRate() const { return baud_; }

    void showAbout();

    // A tone the window started is stopped after this long.
    static constexpr std::chrono::minutes kToneTimeLimit = WindowGuard::kToneTimeLimit;
    // For tests, which cannot wait that long; the window itself never changes it.
    void setToneTimeLimit(std::chrono::milliseconds limit) { guard_->setToneTimeLimit(limit); }
    // What keeps the tones and uploads safe: for the sleep watch to reach (sleepComing,
    // needsAwake, awakeNeededChanged).
    WindowGuard& guard() { return *guard_; }

  protected:
    // Exit, Escape and the close box all end here. Every tone the window started and has not
    // stopped is stopped first, as "Stop Sending" does: a transmitter left keyed after the
    // program has ended blocks the channel for everyone and may overheat the radio. While one
    // cannot be stopped the window stays, until the user tries again or closes anyway.
    void done(int result) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

  private:
    void setUpFields();
    void connectCommands();
    void addAboutToSystemMenu();  // platform files of their own

    void formToRecord();
    void recordToForm();
    PortChoice chosenPort() const;

    void readVersion();
    void readConfiguration();
    void writeConfiguration();
    void toneTest(char code);
    void peetClicked();
    void wx200Clicked();

    // A command in progress, with its own link aimed when it starts.
    class Command;

    std::unique_ptr<Ui::ConfigDialog> ui_;
    CTrackerConfig config_;
    int baud_ = CTrackerLink::kFirstBaud;
    // The commands in progress.
    int running_ = 0;
    // A close asked for while a command was in progress, with its result.
    std::optional<int> closeAsked_;
    bool closing_ = false;
    WindowGuard* guard_ = nullptr;
};
