// The configuration window: the tracker's settings in editable fields, the port to use, and the
// commands that read the version, read and write the configuration and test the tones.
// It owns the settings record and the link to the tracker for the whole run.
#pragma once

#include <QDialog>
#include <QtGlobal>
#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "port_choice.h"
#include "port_combo_box.h"
#include "stop_request.h"
#include "tracker_config.h"
#include "tracker_link.h"

class QSocketNotifier;
class SessionEnd;

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
    CTrackerLink& link() { return link_; }

    void showAbout();

    // A tone the window started is stopped after this long: FM practice is a transmit time-out
    // of about three minutes, as repeaters' time-out timers have it.
    static constexpr std::chrono::minutes kToneTimeLimit{3};
    // For tests, which cannot wait that long; the window itself never changes it.
    void setToneTimeLimit(std::chrono::milliseconds limit) { toneTimeLimit_ = limit; }

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
    void sizeFieldsToFont();
    void connectCommands();
    void addAboutToSystemMenu();

    void formToRecord();
    void recordToForm();
    // Sets the link's port from the port box, and returns it.
    PortChoice selectPort();
    void usePort(const PortChoice& port);

    void readVersion();
    void readConfiguration();
    void writeConfiguration();
    void toneTest(char code);
    void peetClicked();
    void wx200Clicked();

    // Where a tone the window started is still on: the port and the speed it went out at, and
    // which start it was, so that the time-out of an earlier start leaves a newer one alone.
    struct ToneOn {
        PortChoice port;
        int baud;
        unsigned start;
    };
    // Sends the stop where the tone went out, leaving the link's speed as it was; failure mark.
    bool stopTone(const ToneOn& tone);
    const ToneOn* toneStarted(unsigned start) const;
    void forgetTone(unsigned start);
    void toneTimedOut(unsigned start);
    // A signal (SIGINT, SIGTERM, SIGHUP: a logout, a terminal closed): every tone is stopped
    // without asking, as nobody may be there to answer, and the program ends as the signal asked.
    [[noreturn]] void endForSignal();
    void holdSignals(bool held);

    std::unique_ptr<Ui::ConfigDialog> ui_;
    CTrackerConfig config_;
    CTrackerLink link_;
    std::vector<ToneOn> tonesOn_;
    unsigned toneStarts_ = 0;
    std::chrono::milliseconds toneTimeLimit_ = kToneTimeLimit;
    StopRequest stopRequest_;
    QSocketNotifier* stopNotifier_ = nullptr;
    SessionEnd* sessionEnd_ = nullptr;  // Windows' log-off and shut-down, as a signal
};
