// The configuration window: the tracker's settings in editable fields, the port to use, and the
// commands that read the version, read and write the configuration and test the tones.
// It owns the settings record and the link to the tracker for the whole run.
#pragma once

#include <QDialog>
#include <QtGlobal>
#include <memory>
#include <optional>

#include "port_choice.h"
#include "port_combo_box.h"
#include "tracker_config.h"
#include "tracker_link.h"

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

  protected:
    // Exit, Escape and the close box all end here. A tone the window started and has not
    // stopped is stopped first, as "Stop Sending" does: a transmitter left keyed after the
    // program has ended blocks the channel for everyone and may overheat the radio.
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
    void selectPort();
    void usePort(const PortChoice& port);

    void readVersion();
    void readConfiguration();
    void writeConfiguration();
    void toneTest(char code);
    void peetClicked();
    void wx200Clicked();

    std::unique_ptr<Ui::ConfigDialog> ui_;
    CTrackerConfig config_;
    CTrackerLink link_;
    // Where a tone the window started is still on: the port and the speed it went out at.
    struct ToneOn {
        PortChoice port;
        int baud;
    };
    std::optional<ToneOn> toneOn_;
};
