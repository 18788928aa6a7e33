#include "config_dialog.h"

#include <QComboBox>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <array>
#include <cstdint>
#include <span>
#include <utility>

#include "about_dialog.h"
#include "accessible_window.h"
#include "announcer.h"
#include "app_icon.h"
#include "busy_cursor.h"
#include "command_bytes.h"
#include "config_image.h"
#include "control_ids.h"
#include "field_advice.h"
#include "field_validators.h"
#include "field_widths.h"
#include "form_text.h"
#include "message_box.h"
#include "port_choice.h"
#include "sleep_watch.h"
#include "tracker_link.h"
#include "translated_text.h"
#include "ui_config_dialog.h"
#include "upload_guard.h"
#include "window_texts.h"

namespace {

// A whole image, with room to spare for a tracker that sends more than it should.
constexpr std::size_t kImageBufferSize = 200;
// The version reply: the link fills at most kReplyCapacity - 1 characters and a terminator.
constexpr std::size_t kReplyBufferSize = 32;
constexpr std::size_t kReplyCapacity = 30;

struct ToneButton {
    ControlId id;
    char code;
};
constexpr std::array kToneButtons{
    ToneButton{IDC_TONE_1200, command_bytes::kTone1200},
    ToneButton{IDC_TONE_2200, command_bytes::kTone2200},
    ToneButton{IDC_TONE_BOTH, command_bytes::kToneBoth},
    ToneButton{IDC_TONE_STOP, command_bytes::kToneOff},
};

constexpr std::array kUpperCaseFields{IDC_CALLSIGN, IDC_DIGIPATH};
constexpr std::array kNumberFields{IDC_STATUS_EVERY, IDC_TXD, IDC_TX_INTERVAL, IDC_QUIET_TIME,
                                   IDC_CALIBRATION};

template <class Widget>
Widget* control(const QWidget* window, ControlId id) {
    return window->findChild<Widget*>(QString::fromLatin1(controlName(id)));
}

// A field's content is its first line: a pasted second line never reaches the tracker.
std::string textOf(const QLineEdit* field) {
    return fieldToLatin1(firstLine(field->text()));
}

std::int32_t numberOf(const QLineEdit* field) {
    return fieldToNumber(textOf(field));
}

}  // namespace

// A command owns its target: the port the box named and the speed last found are put into a link
// of its own when it starts. Besides the command only the tone guard uses that link, to stop a
// tone through the port it holds, and puts its speed back. So the handlers that run while one of
// its boxes is up (the time limit of a tone, a signal, a close the system asks for) cannot move
// it to another port or speed, and the speed it finds is the window's once it has returned.
class CConfigDlg::Command {
  public:
    Command(CConfigDlg& window, PortChoice port)
        : window_(window), inUse_(window.guard_->tones(), link_) {
        aim(link_, {std::move(port), window_.baud_});
        ++window_.running_;
    }
    ~Command() {
        window_.baud_ = link_.baudRate();
        if (--window_.running_ == 0 && window_.closeAsked_) {
            const int result = *std::exchange(window_.closeAsked_, std::nullopt);
            QMetaObject::invokeMethod(
                &window_, [window = &window_, result] { window->done(result); },
                Qt::QueuedConnection);
        }
    }
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    CTrackerLink& link() { return link_; }

  private:
    CConfigDlg& window_;
    CTrackerLink link_;
    const ToneGuard::InUse inUse_;
};

CConfigDlg::CConfigDlg(QWidget* parent) : CConfigDlg(systemSerialPorts, parent) {}

CConfigDlg::CConfigDlg(PortComboBox::PortSource systemPorts, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ConfigDialog>()) {
    guard_ = new WindowGuard(this);
    // While a tone is on or an upload runs, the computer's sleep waits until both are put right.
    auto* sleep = new SleepWatch(this);
    connect(sleep, &SleepWatch::aboutToSleep, guard_, &WindowGuard::sleepComing);
    connect(guard_, &WindowGuard::awakeNeededChanged, sleep, &SleepWatch::setHolding);
    ui_->setupUi(this);
    setWindowTitle(translatedText(WindowText::kWindowTitle));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowIcon(applicationIcon());
    addAboutToSystemMenu();
    setUpFields();
    applyFieldAdvice(this);
    setUpAccessibility(this);
    connectCommands();

    // Opening: the first port of the list, and the record's defaults in the fields.
    ui_->IDC_COMPORT->setPortSource(std::move(systemPorts));
    ui_->IDC_COMPORT->setCurrentIndex(0);
    // Device paths differ by case; completing "/dev/ttyusb0" into another name would mislead.
    ui_->IDC_COMPORT->completer()->setCaseSensitivity(Qt::CaseSensitive);
    recordToForm();
    ui_->IDC_CALLSIGN->setFocus();
}

CConfigDlg::~CConfigDlg() = default;

void CConfigDlg::setUpFields() {
    sizeFieldsToFont(*this);
    for (ControlId id : kUpperCaseFields) {
        auto* field = control<QLineEdit>(this, id);
        field->setValidator(new UpperCaseValidator(field));
    }
    for (ControlId id : kNumberFields) {
        auto* field = control<QLineEdit>(this, id);
        field->setValidator(makeDigitsValidator(field));
    }

    QWidget* previous = nullptr;
    for (ControlId id : kTabOrder) {
        QWidget* next = control<QWidget>(this, id);
        if (previous != nullptr)
            setTabOrder(previous, next);
        previous = next;
    }
}

void CConfigDlg::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // A new desktop font must not leave the fields at the old font's width.
    if (event->type() == QEvent::FontChange)
        sizeFieldsToFont(*this);
}

void CConfigDlg::connectCommands() {
    connect(ui_->IDC_EXIT, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->IDC_READ_VERSION, &QPushButton::clicked, this, &CConfigDlg::readVersion);
    connect(ui_->IDC_READ_CONFIG, &QPushButton::clicked, this, &CConfigDlg::readConfiguration);
    connect(ui_->IDC_WRITE_CONFIG, &QPushButton::clicked, this, &CConfigDlg::writeConfiguration);
    for (const ToneButton& tone : kToneButtons) {
        connect(control<QPushButton>(this, tone.id), &QPushButton::clicked, this,
                [this, code = tone.code] { toneTest(code); });
    }
    connect(ui_->IDC_MODE_PEET, &QRadioButton::clicked, this, &CConfigDlg::peetClicked);
    connect(ui_->IDC_MODE_WX200, &QRadioButton::clicked, this, &CConfigDlg::wx200Clicked);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &CConfigDlg::showAbout);
}

void CConfigDlg::formToRecord() {
    config_.setCallsign(textOf(ui_->IDC_CALLSIGN));
    config_.setDigiPath(textOf(ui_->IDC_DIGIPATH));
    config_.setStatusText(textOf(ui_->IDC_STATUS_TEXT));

    const std::int32_t calibration = numberOf(ui_->IDC_CALIBRATION);
    if (calibration != config_.calibration)
        config_.calibrationChanged = true;
    config_.calibration = calibration;

    config_.stationMode =
        ui_->IDC_MODE_PEET->isChecked() ? CTrackerConfig::kModePeet : CTrackerConfig::kModeWx200;
    config_.keyupDelayMs = numberOf(ui_->IDC_TXD);
    config_.statusEvery = numberOf(ui_->IDC_STATUS_EVERY);
    config_.txIntervalSec = numberOf(ui_->IDC_TX_INTERVAL);
    config_.quietTimeMs = numberOf(ui_->IDC_QUIET_TIME);
}

void CConfigDlg::recordToForm() {
    ui_->IDC_CALLSIGN->setText(latin1ToField(config_.callsign()));
    ui_->IDC_DIGIPATH->setText(latin1ToField(config_.digiPath()));
    ui_->IDC_STATUS_TEXT->setText(latin1ToField(config_.statusText()));

    ui_->IDC_CALIBRATION->setText(numberToField(config_.calibration));
    ui_->IDC_TXD->setText(numberToField(config_.keyupDelayMs));
    ui_->IDC_STATUS_EVERY->setText(numberToField(config_.statusEvery));
    ui_->IDC_TX_INTERVAL->setText(numberToField(config_.txIntervalSec));
    ui_->IDC_QUIET_TIME->setText(numberToField(config_.quietTimeMs));

    // Each button shows its own bit, so a mode read from a tracker may show both or neither.
    ui_->IDC_MODE_PEET->setChecked((config_.stationMode & CTrackerConfig::kModePeet) != 0);
    ui_->IDC_MODE_WX200->setChecked((config_.stationMode & CTrackerConfig::kModeWx200) != 0);
}

PortChoice CConfigDlg::chosenPort() const {
    return choosePort(ui_->IDC_COMPORT->entries(), ui_->IDC_COMPORT->currentText().toStdString());
}

void CConfigDlg::readVersion() {
    Command command(*this, chosenPort());
    const BusyCursor busy;
    std::array<char, kReplyBufferSize> reply{};
    if (command.link().findTracker(std::span(reply).first(kReplyCapacity)))
        return;
    informationBox(reply.data(), WindowText::kVersionCaption);
}

void CConfigDlg::readConfiguration() {
    Command command(*this, chosenPort());
    CTrackerLink& link = command.link();
    const BusyCursor busy;
    std::array<std::uint8_t, kImageBufferSize> image{};
    std::size_t length = 0;
    {
        // The port stays ours from the search to the second download: no other program talks to
        // the tracker in between.
        const CTrackerLink::PortHold hold = link.holdPort();
        std::array<char, kReplyBufferSize> reply{};
        if (link.findTracker(std::span(reply).first(kReplyCapacity)))
            return;
        length = link.readImageVerified(image);
    }
    if (length != ConfigImage::kSize ||
        ConfigImage::decode(config_, std::span(image).first(ConfigImage::kSize))) {
        informationBox(WindowText::kReadFailed, WindowText::kReadCaption);
        return;
    }
    recordToForm();
    informationBox(WindowText::kReadSuccessful, WindowText::kReadCaption);
}

void CConfigDlg::writeConfiguration() {
    const PortChoice port = chosenPort();
    Command command(*this, port);
    CTrackerLink& link = command.link();
    formToRecord();
    std::array<std::uint8_t, kImageBufferSize> image{};
    // A refusal (too many digipeaters) has been explained; nothing goes to the tracker.
    if (ConfigImage::encode(config_, image) != ConfigImage::kSize)
        return;
    const auto written = std::span<const std::uint8_t>(image).first(ConfigImage::kSize);
    announce(this, writeBeginsText(portText(port)));

    const BusyCursor busy;
    bool failed = false;
    {
        // The port stays ours from the search to the end of the check: no other program changes
        // the tracker between the find, the upload and the read-back.
        const CTrackerLink::PortHold hold = link.holdPort();
        std::array<char, kReplyBufferSize> reply{};
        if (link.findTracker(std::span(reply).first(kReplyCapacity)))
            return;
        // A signal during the search ends the program here, with nothing written. From the first
        // byte of the upload to the end of its check whatever would end or pause it waits.
        guard_->beforeUpload();
        const UploadGuard upload;
        failed = link.writeImageVerified(written);
    }
    guard_->afterUpload();
    if (failed)
        return;

    // What the tracker now stores, in canonical form, with the timing values as it rounds them.
    if (ConfigImage::decode(config_, written))
        return;
    recordToForm();
    informationBox(WindowText::kWriteSuccessful, WindowText::kWriteCaption);
}

void CConfigDlg::toneTest(char code) {
    // Aimed before the calibration box is shown: whatever runs while it is up leaves the port and
    // speed of this tone alone.
    Command command(*this, chosenPort());
    formToRecord();
    // The tracker makes its tones from the calibration it stores, not from the field.
    if (config_.calibrationChanged) {
        informationBox(WindowText::kCalibrationWarning, WindowText::kCalibrationCaption);
    }
    const BusyCursor busy;
    guard_->toneTest(command.link(), code);
}

void CConfigDlg::done(int result) {
    // A close while a command waits behind one of its boxes (the system asking the window to go)
    // waits until that command has returned: it may be about to start a tone, which is to be
    // stopped with the others. A close asked for during the stops of this one is this one.
    if (running_ > 0) {
        closeAsked_ = result;
        return;
    }
    if (closing_)
        return;
    closing_ = true;
    guard_->stopForClose();
    closing_ = false;
    QDialog::done(result);
}

void CConfigDlg::peetClicked() {
    ui_->IDC_MODE_WX200->setChecked(!ui_->IDC_MODE_PEET->isChecked());
}

void CConfigDlg::wx200Clicked() {
    ui_->IDC_MODE_PEET->setChecked(!ui_->IDC_MODE_WX200->isChecked());
}

void CConfigDlg::showAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CConfigDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(translatedText(WindowText::kAboutEntry), this, &CConfigDlg::showAbout);
    menu.exec(event->globalPos());
}
