#include "config_dialog.h"

#include <QComboBox>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
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
#include "field_validators.h"
#include "form_text.h"
#include "message_box.h"
#include "port_choice.h"
#include "tone_stop.h"
#include "tracker_link.h"
#include "ui_config_dialog.h"
#include "window_texts.h"

#ifdef Q_OS_WIN
#include "windows_api.h"
#endif

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

// Field widths in characters, so that the window grows with the desktop's font.
struct FieldWidth {
    ControlId id;
    int characters;
    bool fixed;  // number fields keep their width; text fields may grow with the layout
};
constexpr std::array kFieldWidths{
    FieldWidth{IDC_CALLSIGN, 12, false},    FieldWidth{IDC_DIGIPATH, 22, false},
    FieldWidth{IDC_STATUS_TEXT, 26, false}, FieldWidth{IDC_STATUS_EVERY, 5, true},
    FieldWidth{IDC_TXD, 6, true},           FieldWidth{IDC_TX_INTERVAL, 6, true},
    FieldWidth{IDC_QUIET_TIME, 6, true},    FieldWidth{IDC_CALIBRATION, 6, true},
};

constexpr int kPortBoxCharacters = 14;

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

// A message about a tone: the port as the port box names it for %1, and in the texts of the
// time limit the limit for %2 (Qt warns of a number with no place to go).
std::string toneMessage(std::string_view text, const PortChoice& port) {
    const QString format = latin1ToField(text);
    const QString name = QString::fromStdString(portText(port));
    return fieldToLatin1(format.contains(QLatin1String("%2"))
                             ? format.arg(name, QString::number(CConfigDlg::kToneTimeLimit.count()))
                             : format.arg(name));
}

void aim(CTrackerLink& link, const ToneTarget& target) {
    if (target.port.deviceName.empty()) {
        link.setPortNumber(target.port.portNumber);
    } else {
        link.setDeviceName(target.port.deviceName);
    }
    link.setBaudRate(target.baud);
}

}  // namespace

// A command owns its target: the port the box named and the speed last found are put into a link
// of its own when it starts, and nothing else ever sees that link. So the handlers that run while
// one of its boxes is up (the time limit of a tone, a signal, a close the system asks for) cannot
// move it to another port or speed, and the speed it finds is the window's once it has returned.
class CConfigDlg::Command {
  public:
    Command(CConfigDlg& window, PortChoice port) : window_(window), port_(std::move(port)) {
        aim(link_, {port_, window_.baud_});
        window_.running_.push_back(&link_);
    }
    ~Command() {
        window_.baud_ = link_.baudRate();
        window_.running_.pop_back();
        if (window_.running_.empty() && window_.closeAsked_) {
            const int result = *std::exchange(window_.closeAsked_, std::nullopt);
            QMetaObject::invokeMethod(
                &window_, [window = &window_, result] { window->done(result); },
                Qt::QueuedConnection);
        }
    }
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    CTrackerLink& link() { return link_; }
    const PortChoice& port() const { return port_; }

  private:
    CConfigDlg& window_;
    const PortChoice port_;
    CTrackerLink link_;
};

CConfigDlg::CConfigDlg(QWidget* parent) : CConfigDlg(systemSerialPorts, parent) {}

CConfigDlg::CConfigDlg(PortComboBox::PortSource systemPorts, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ConfigDialog>()) {
    ui_->setupUi(this);
    setWindowTitle(latin1ToField(WindowText::kWindowTitle));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowIcon(applicationIcon());
    addAboutToSystemMenu();
    setUpFields();
    setUpAccessibility(this);
    connectCommands();

    // Opening: the first port of the list, and the record's defaults in the fields.
    ui_->IDC_COMPORT->setPortSource(std::move(systemPorts));
    ui_->IDC_COMPORT->setCurrentIndex(0);
    // Device paths differ by case; completing "/dev/ttyusb0" into another name would mislead.
    ui_->IDC_COMPORT->completer()->setCaseSensitivity(Qt::CaseSensitive);
    recordToForm();
    ui_->IDC_CALLSIGN->setFocus();

    signalEnd_ = new SignalEnd(this, [this] { endForSignal(); });
}

CConfigDlg::~CConfigDlg() = default;

void CConfigDlg::setUpFields() {
    sizeFieldsToFont();
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

void CConfigDlg::sizeFieldsToFont() {
    for (const FieldWidth& width : kFieldWidths) {
        auto* field = control<QLineEdit>(this, width.id);
        const QFontMetrics metrics = field->fontMetrics();
        const QMargins margins = field->textMargins();
        // The frame and the inner margins of the style take about one line height.
        // Number fields are measured in digits, text fields in average characters.
        const int character =
            width.fixed ? metrics.horizontalAdvance(QLatin1Char('0')) : metrics.averageCharWidth();
        const int pixels =
            character * width.characters + margins.left() + margins.right() + metrics.height();
        field->setMinimumWidth(pixels);
        if (width.fixed)
            field->setMaximumWidth(pixels);
    }
    ui_->IDC_COMPORT->setMinimumWidth(ui_->IDC_COMPORT->fontMetrics().averageCharWidth() *
                                      kPortBoxCharacters);
}

void CConfigDlg::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // A new desktop font must not leave the fields at the old font's width.
    if (event->type() == QEvent::FontChange)
        sizeFieldsToFont();
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
    Command command(*this, chosenPort());
    CTrackerLink& link = command.link();
    formToRecord();
    std::array<std::uint8_t, kImageBufferSize> image{};
    // A refusal (too many digipeaters) has been explained; nothing goes to the tracker.
    if (ConfigImage::encode(config_, image) != ConfigImage::kSize)
        return;
    const auto written = std::span<const std::uint8_t>(image).first(ConfigImage::kSize);
    announce(this, writeBeginsText(portText(command.port())));

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
        // byte of the upload to the end of its check one waits: a tracker left with part of an
        // image stores nonsense and may not answer again.
        if (signalEnd_->requested())
            endForSignal();
        const SignalEnd::Held held(*signalEnd_);
        failed = link.writeImageVerified(written);
    }
    if (signalEnd_->requested())
        endForSignal();
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
    const ToneTarget target{command.port(), command.link().baudRate()};
    const CTrackerLink::ToneSent sent = command.link().sendTone(code);
    // A tone counts as on from the moment its code may have gone out, also when the command
    // failed after that (its close); the stop every tone command begins with has switched off
    // whatever was on there before.
    if (code != command_bytes::kToneOff && sent.codeSent) {
        const unsigned start = tonesOn_.noteOn(target);
        QTimer::singleShot(toneTimeLimit_, this, [this, start] { toneTimedOut(start); });
        announce(this, toneOnText(code, portText(target.port)));
    } else if (sent.stopSent) {
        tonesOn_.noteOff(target);
        announce(this, toneOffText(portText(target.port)));
    } else if (!tonesOn_.empty()) {
        announce(this, tonesMayBeOnText(tonesOn_));
    }
}

// A stop that comes from outside the command in progress (the time limit, a signal) does not wait
// for that command to return: its box may stay up for as long as nobody answers it, and a keyed
// transmitter must not wait for that. So each stop goes through a link of its own, aimed at where
// the tone went, and the command's link, port and speed stay as they were. The close's stops go
// the same way; only the close itself waits for a command in progress (see done()).
bool CConfigDlg::stopTone(const ToneTarget& target) {
    CTrackerLink link;
    aim(link, target);
    return link.tone(command_bytes::kToneOff);
}

void CConfigDlg::toneTimedOut(unsigned start) {
    const std::optional<TonesOn::Tone> tone = tonesOn_.started(start);
    if (!tone)
        return;  // stopped, or started again since
    const BusyCursor busy;
    if (stopTone(tone->target)) {
        informationBox(toneMessage(WindowText::kToneTimeoutFailed, tone->target.port),
                       WindowText::kToneNotStoppedCaption);
        return;
    }
    tonesOn_.forget(start);
    informationBox(toneMessage(WindowText::kToneTimedOut, tone->target.port),
                   WindowText::kToneTimedOutCaption);
}

void CConfigDlg::done(int result) {
    // A close while a command waits behind one of its boxes (the system asking the window to go)
    // waits until that command has returned: it may be about to start a tone, which is to be
    // stopped with the others. A close asked for during the stops of this one is this one.
    if (!running_.empty()) {
        closeAsked_ = result;
        return;
    }
    if (closing_)
        return;
    closing_ = true;
    // Each stopped where it was started, whatever the port box shows now, at its own speed; no
    // calibration warning, which is about the tones to come. Looked up again before each stop: a
    // time-out while a box of a failed stop is up may have stopped one meanwhile.
    const BusyCursor busy;
    for (const unsigned start : tonesOn_.starts()) {
        while (const std::optional<TonesOn::Tone> tone = tonesOn_.started(start)) {
            if (!stopTone(tone->target)) {
                tonesOn_.forget(start);
                break;
            }
            if (choiceBox(toneMessage(WindowText::kToneNotStopped, tone->target.port),
                          WindowText::kToneNotStoppedCaption, WindowText::kTryAgain,
                          WindowText::kCloseAnyway) == BoxAnswer::Second) {
                break;
            }
        }
    }
    closing_ = false;
    QDialog::done(result);
}

void CConfigDlg::endForSignal() {
    // Nobody may be there to answer a box: the link's messages go to standard error, and so
    // does the word that a tone could not be stopped.
    setBoxPresenter({});
    // The command whose box is up never resumes: its port goes first, so that a stop on that
    // device is not refused by the program's own hold on it.
    for (CTrackerLink* link : running_)
        link->abandon();
    for (const unsigned start : tonesOn_.starts()) {
        const std::optional<TonesOn::Tone> tone = tonesOn_.started(start);
        if (!tone)
            continue;
        CTrackerLink link;
        aim(link, tone->target);
        if (tone_stop::stopTone(link)) {
            const std::string line = toneMessage(WindowText::kSignalToneMayBeOn, tone->target.port);
            std::fprintf(stderr, "%s\n", line.c_str());
        }
    }
    signalEnd_->end();
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
    menu.addAction(latin1ToField(WindowText::kAboutEntry), this, &CConfigDlg::showAbout);
    menu.exec(event->globalPos());
}

#ifdef Q_OS_WIN
void CConfigDlg::addAboutToSystemMenu() {
    HMENU systemMenu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
    const std::wstring entry = latin1ToField(WindowText::kAboutEntry).toStdWString();
    if (systemMenu == nullptr || entry.empty())
        return;
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, kIdmAboutBox, entry.c_str());
}

bool CConfigDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    const auto* msg = static_cast<const MSG*>(message);
    if (eventType == "windows_generic_MSG" && msg->message == WM_SYSCOMMAND &&
        (msg->wParam & kSystemCommandMask) == kIdmAboutBox) {
        showAbout();
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#else
// Other desktops offer the About entry through the window's context menu and F1.
void CConfigDlg::addAboutToSystemMenu() {}
#endif
