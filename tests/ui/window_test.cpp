// The window on its own: start-up values, captions, input rules, the mode pair, the keyboard,
// the About entries, and the commands when no port is chosen.
#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <array>
#include <limits>

#include "about_dialog.h"
#include "window_fixture.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

const std::string kInvalidPort = "Invalid Com Port Number";
const std::string kNotFound = "Pelmox Not Found";

TEST_F(WindowTest, OpensWithTheDefaultsAndCom1) {
    EXPECT_EQ(window.windowTitle(), "PelmoxConfig");
    EXPECT_EQ(text(IDC_CALLSIGN), "NOCALL");
    EXPECT_EQ(text(IDC_DIGIPATH), "WIDE3-3");
    EXPECT_EQ(text(IDC_STATUS_TEXT), "PelmoxII");
    EXPECT_EQ(text(IDC_STATUS_EVERY), "3");
    EXPECT_EQ(text(IDC_TXD), "250");
    EXPECT_EQ(text(IDC_TX_INTERVAL), "60");
    EXPECT_EQ(text(IDC_QUIET_TIME), "1500");
    EXPECT_EQ(text(IDC_CALIBRATION), "128");
    EXPECT_TRUE(checked(IDC_MODE_WX200));
    EXPECT_FALSE(checked(IDC_MODE_PEET));

    auto* port = control<QComboBox>(IDC_COMPORT);
    EXPECT_TRUE(port->isEditable());
    EXPECT_EQ(port->currentIndex(), 0);
    EXPECT_EQ(port->currentText(), "COM1");
    ASSERT_EQ(port->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(port->itemText(i), QString("COM%1").arg(i + 1));
    EXPECT_TRUE(boxes.boxes.empty());
}

// A button carries its caption itself; a field is named by the label it is the buddy of, and
// those labels' mnemonics must not clash.
TEST_F(WindowTest, EveryControlCarriesItsCaptionAndEveryFieldAUniqueMnemonic) {
    const struct {
        ControlId id;
        const char* caption;
    } captions[] = {
        {IDC_MODE_WX200, "WX200/WM918"},
        {IDC_MODE_PEET, "Peet"},
        {IDC_READ_VERSION, "Read Version"},
        {IDC_READ_CONFIG, "Read Configuration"},
        {IDC_WRITE_CONFIG, "Write Configuration"},
        {IDC_TONE_1200, "Send 1200 Hz"},
        {IDC_TONE_2200, "Send 2200 Hz"},
        {IDC_TONE_BOTH, "Send Both"},
        {IDC_TONE_STOP, "Stop Sending"},
        {IDC_EXIT, "Exit"},
        {IDC_CALLSIGN, "Callsign:"},
        {IDC_DIGIPATH, "Digi Path:"},
        {IDC_STATUS_TEXT, "Text:"},
        {IDC_STATUS_EVERY, "Send every:"},
        {IDC_TXD, "Keyup Delay (TXD):"},
        {IDC_TX_INTERVAL, "Transmit Every:"},
        {IDC_QUIET_TIME, "Quiet Time:"},
        {IDC_CALIBRATION, "Calibration:"},
    };
    QList<QChar> mnemonics;
    for (const auto& c : captions) {
        if (const auto* button = qobject_cast<QAbstractButton*>(control<QWidget>(c.id))) {
            EXPECT_EQ(button->text().remove('&'), c.caption);
            continue;
        }
        const QLabel* label = nullptr;
        for (const QLabel* candidate : window.findChildren<QLabel*>()) {
            if (candidate->buddy() == field(c.id))
                label = candidate;
        }
        ASSERT_NE(label, nullptr) << c.caption;
        EXPECT_EQ(QString(label->text()).remove('&'), c.caption);
        const qsizetype amp = label->text().indexOf('&');
        ASSERT_GE(amp, 0) << c.caption;
        const QChar key = label->text().at(amp + 1).toLower();
        EXPECT_FALSE(mnemonics.contains(key)) << c.caption;
        mnemonics << key;
        EXPECT_FALSE(field(c.id)->accessibleName().isEmpty()) << c.caption;
    }

    QStringList titles;
    for (const QGroupBox* group : window.findChildren<QGroupBox*>()) {
        titles << group->title().remove('&');
    }
    titles.sort();
    EXPECT_EQ(titles, QStringList({"Configure", "Mode", "Status Beacon", "Timing", "Tone Test"}));
    EXPECT_TRUE(control<QPushButton>(IDC_EXIT)->isDefault());
}

TEST_F(WindowTest, AddressFieldsTurnTypingIntoUpperCaseAndNumberFieldsTakeDigitsOnly) {
    const struct {
        ControlId id;
        const char* typed;
        const char* shown;
    } cases[] = {
        {IDC_CALLSIGN, "dl1abc-7", "DL1ABC-7"},
        {IDC_DIGIPATH, "wide1-1,wide2-2", "WIDE1-1,WIDE2-2"},
        {IDC_STATUS_TEXT, "Wx Station", "Wx Station"},
        {IDC_TXD, "1a2-3 ", "123"},
        {IDC_STATUS_EVERY, "-5", "5"},
        {IDC_TX_INTERVAL, "+90", "90"},
        {IDC_QUIET_TIME, "1.5", "15"},
        {IDC_CALIBRATION, "x7", "7"},
    };
    for (const auto& c : cases) {
        field(c.id)->clear();
        QTest::keyClicks(field(c.id), c.typed);
        EXPECT_EQ(text(c.id), c.shown) << controlName(c.id);
    }
}

TEST_F(WindowTest, ModeButtonsActAsOneChoice) {
    click(IDC_MODE_PEET);
    EXPECT_TRUE(checked(IDC_MODE_PEET));
    EXPECT_FALSE(checked(IDC_MODE_WX200));
    click(IDC_MODE_PEET);  // a second click keeps the choice
    EXPECT_TRUE(checked(IDC_MODE_PEET));
    EXPECT_FALSE(checked(IDC_MODE_WX200));
    click(IDC_MODE_WX200);
    EXPECT_TRUE(checked(IDC_MODE_WX200));
    EXPECT_FALSE(checked(IDC_MODE_PEET));
}

TEST_F(WindowTest, ModeButtonsAnnounceThemselvesAsRadioButtons) {
    const auto accessible = [this](ControlId id) {
        return QAccessible::queryAccessibleInterface(control<QWidget>(id));
    };
    for (const ControlId id : {IDC_MODE_WX200, IDC_MODE_PEET}) {
        ASSERT_NE(accessible(id), nullptr);
        EXPECT_EQ(accessible(id)->role(), QAccessible::RadioButton) << controlName(id);
        EXPECT_TRUE(accessible(id)->state().checkable);
        EXPECT_EQ(accessible(id)->state().checked, checked(id));
    }
    // A screen reader's toggle makes the same choice as a click.
    QAccessibleActionInterface* peet = accessible(IDC_MODE_PEET)->actionInterface();
    ASSERT_NE(peet, nullptr);
    peet->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(accessible(IDC_MODE_PEET)->state().checked);
    EXPECT_FALSE(accessible(IDC_MODE_WX200)->state().checked);
}

// Each field names the values a fixed weather station uses in its tooltip, which is also the
// description the accessibility bus gives screen readers (after a number field's unit).
TEST_F(WindowTest, EachFieldAdvisesInItsTooltipWhichScreenReadersGetAsItsDescription) {
    for (const ControlId id : {IDC_CALLSIGN, IDC_DIGIPATH, IDC_STATUS_TEXT, IDC_STATUS_EVERY,
                               IDC_TXD, IDC_TX_INTERVAL, IDC_QUIET_TIME, IDC_CALIBRATION}) {
        QWidget* widget = control<QWidget>(id);
        EXPECT_TRUE(widget->toolTip().contains(QRegularExpression("[0-9]"))) << controlName(id);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr);
        EXPECT_TRUE(accessible->text(QAccessible::Description).endsWith(widget->toolTip()))
            << controlName(id);
    }
    EXPECT_EQ(control<QWidget>(IDC_DIGIPATH)->toolTip(),
              "Fixed weather stations: WIDE2-1, or WIDE2-2 where no digipeater is near. WIDE3-3 "
              "is refused by most digipeaters.");
}

TEST_F(WindowTest, PortListFollowsTheSystemEachTimeItOpensAndKeepsTheChoice) {
    auto* box = control<QComboBox>(IDC_COMPORT);
    const auto reopen = [box] {
        box->showPopup();
        box->hidePopup();
    };
    const auto items = [box] {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    };
    const QStringList numbered{"COM1", "COM2", "COM3", "COM4"};

    box->setCurrentIndex(2);
    systemPorts = {"/dev/ttyUSB0"};
    reopen();
    EXPECT_EQ(items(), numbered + QStringList{"/dev/ttyUSB0"});
    EXPECT_EQ(box->currentIndex(), 2);

    choosePort("/dev/pts/77");
    systemPorts = {"/dev/ttyACM0"};
    reopen();
    EXPECT_EQ(items(), numbered + QStringList{"/dev/ttyACM0"});
    EXPECT_EQ(box->currentText(), "/dev/pts/77");
}

TEST_F(WindowTest, TabWalksTheControlsInOrderWithoutTheModeButtons) {
    field(IDC_CALLSIGN)->setFocus();
    QStringList visited;
    for (int i = 0; i < 17; ++i) {
        QWidget* focus = QApplication::focusWidget();
        while (focus != nullptr && !focus->objectName().startsWith("IDC_")) {
            focus = focus->parentWidget();
        }
        visited << (focus != nullptr ? focus->objectName() : QStringLiteral("?"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited,
              QStringList({"IDC_CALLSIGN", "IDC_DIGIPATH", "IDC_STATUS_TEXT", "IDC_STATUS_EVERY",
                           "IDC_TXD", "IDC_TX_INTERVAL", "IDC_QUIET_TIME", "IDC_CALIBRATION",
                           "IDC_COMPORT", "IDC_READ_VERSION", "IDC_READ_CONFIG", "IDC_WRITE_CONFIG",
                           "IDC_TONE_1200", "IDC_TONE_2200", "IDC_TONE_BOTH", "IDC_TONE_STOP",
                           "IDC_EXIT"}));
}

TEST_F(WindowTest, EnterInAFieldOrThePortBoxClosesTheWindowAndEscapeToo) {
    const struct {
        ControlId id;
        Qt::Key key;
    } cases[] = {
        {IDC_CALLSIGN, Qt::Key_Return},    {IDC_TXD, Qt::Key_Enter},
        {IDC_COMPORT, Qt::Key_Return},     {IDC_EXIT, Qt::Key_Return},
        {IDC_STATUS_TEXT, Qt::Key_Escape},
    };
    for (const auto& c : cases) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QWidget* target = control<QWidget>(c.id);
        target->setFocus();
        QTest::keyClick(QApplication::focusWidget(), c.key);
        EXPECT_FALSE(window.isVisible()) << controlName(c.id);
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(WindowTest, EnterOnAnotherButtonPressesThatButton) {
    choosePort("");
    control<QWidget>(IDC_READ_VERSION)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{kInvalidPort, kInvalidPort, kNotFound}));
}

TEST_F(WindowTest, WithNoPortEachCommandShowsExactlyItsBoxes) {
    choosePort("");
    for (ControlId command : {IDC_READ_VERSION, IDC_READ_CONFIG, IDC_WRITE_CONFIG}) {
        boxes.clear();
        click(command);
        EXPECT_EQ(boxes.boxes, (std::vector<RecordedBox>{BoxRecorder::error(kInvalidPort),
                                                         BoxRecorder::error(kInvalidPort),
                                                         BoxRecorder::error(kNotFound)}))
            << controlName(command);
    }
    for (ControlId tone : {IDC_TONE_1200, IDC_TONE_2200, IDC_TONE_BOTH, IDC_TONE_STOP}) {
        boxes.clear();
        click(tone);
        EXPECT_EQ(boxes.boxes, std::vector<RecordedBox>{BoxRecorder::error(kInvalidPort)})
            << controlName(tone);
    }
}

TEST_F(WindowTest, FieldsReachTheRecordAsLatin1AndSaturatedNumbers) {
    choosePort("");
    setText(IDC_CALLSIGN, QString::fromUtf8("\u00c4B1CD"));
    setText(IDC_STATUS_TEXT, QString::fromUtf8("Gr\u00fc\u00dfe \u20ac"));
    setText(IDC_CALIBRATION, "99999999999");
    setText(IDC_TXD, "");
    setText(IDC_TX_INTERVAL, "2147483648");
    click(IDC_TONE_STOP);  // copies the fields into the record before it tries the port

    const CTrackerConfig& record = window.config();
    EXPECT_EQ(record.callsign(),
              "\xc4"
              "B1CD");
    EXPECT_EQ(record.statusText(),
              "Gr\xfc\xdf"
              "e ?");
    EXPECT_EQ(record.calibration, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(record.keyupDelayMs, 0);
    EXPECT_EQ(record.txIntervalSec, std::numeric_limits<std::int32_t>::max());
    EXPECT_TRUE(record.calibrationChanged);
    EXPECT_EQ(boxes.boxes,
              (std::vector<RecordedBox>{
                  BoxRecorder::info("New Calibration value should be written before Testing Tones",
                                    "Calibration not written"),
                  BoxRecorder::error(kInvalidPort)}));
}

TEST_F(WindowTest, OnlyTheFirstLineOfAFieldCounts) {
    choosePort("");
    const auto paste = [this](ControlId id, const QString& clip) {
        QApplication::clipboard()->setText(clip);
        field(id)->clear();
        field(id)->setFocus();
        QTest::keySequence(field(id), QKeySequence::Paste);
    };
    paste(IDC_CALLSIGN, "N0\nCALL");
    paste(IDC_STATUS_TEXT, "Hello\r\nWorld");
    setText(IDC_TX_INTERVAL, "90\n15");  // the digits-only rule holds typing back, not code
    click(IDC_TONE_STOP);
    EXPECT_EQ(window.config().callsign(), "N0");
    EXPECT_EQ(window.config().statusText(), "Hello");
    EXPECT_EQ(window.config().txIntervalSec, 90);
}

TEST_F(WindowTest, FieldsLongerThanTheRecordAreCutNotOverrun) {
    choosePort("");
    setText(IDC_CALLSIGN, QString(300, 'A'));
    setText(IDC_DIGIPATH, QString(300, 'B'));
    setText(IDC_STATUS_TEXT, QString(1000, 'c'));
    click(IDC_TONE_1200);
    EXPECT_EQ(window.config().callsign(), std::string(19, 'A'));
    EXPECT_EQ(window.config().digiPath(), std::string(99, 'B'));
    EXPECT_EQ(window.config().statusText(), std::string(199, 'c'));
}

// Closes whatever modal dialog comes up next, after handing it to inspect.
void closeNextModal(const std::function<void(QWidget*)>& inspect) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, inspect] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            inspect(modal);
            modal->close();
        }
    });
    timer->start();
}

void expectAboutBox(QWidget* modal) {
    ASSERT_NE(qobject_cast<CAboutDlg*>(modal), nullptr);
    EXPECT_EQ(modal->windowTitle(), "About PelmoxConfig");
    QStringList texts;
    for (const QLabel* label : modal->findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("PelmoxConfig Version 1.00"));
    const auto* ok = modal->findChild<QPushButton*>();
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(modal->windowIcon().isNull());
}

TEST_F(WindowTest, F1OpensTheAboutBox) {
    bool seen = false;
    closeNextModal([&](QWidget* modal) {
        seen = true;
        expectAboutBox(modal);
    });
    QTest::keyClick(field(IDC_CALLSIGN), Qt::Key_F1);
    EXPECT_TRUE(seen);
}

TEST_F(WindowTest, ContextMenuOfTheWindowOffersTheAboutEntry) {
    QStringList entries;
    bool aboutSeen = false;
    // Runs while the menu is up: note its entries and choose the first with the keyboard.
    QTimer::singleShot(50, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (const QAction* action : menu->actions())
            entries << action->text();
        closeNextModal([&](QWidget* modal) {
            aboutSeen = true;
            expectAboutBox(modal);
        });
        menu->setActiveAction(menu->actions().value(0));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    const QPoint background = control<QWidget>(IDC_EXIT)->geometry().topLeft() - QPoint(40, 0);
    QContextMenuEvent event(QContextMenuEvent::Mouse, background, window.mapToGlobal(background));
    QApplication::sendEvent(&window, &event);
    EXPECT_EQ(entries, QStringList{"&About PelmoxConfig..."});
    EXPECT_TRUE(aboutSeen);
}

#ifdef Q_OS_WIN
TEST_F(WindowTest, SystemMenuEndsWithTheAboutEntryWhoseCommandOpensTheAboutBox) {
    const auto hwnd = reinterpret_cast<HWND>(window.winId());
    const HMENU menu = GetSystemMenu(hwnd, FALSE);
    ASSERT_NE(menu, nullptr);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    MENUITEMINFOW separator{};
    separator.cbSize = sizeof separator;
    separator.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoW(menu, count - 2, TRUE, &separator));
    EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), 0x10u);
    std::array<wchar_t, 64> entry{};
    GetMenuStringW(menu, 0x10, entry.data(), static_cast<int>(entry.size()), MF_BYCOMMAND);
    EXPECT_EQ(QString::fromWCharArray(entry.data()), "&About PelmoxConfig...");

    // Windows keeps the low four bits of a system command for itself.
    bool seen = false;
    closeNextModal([&](QWidget* modal) {
        seen = true;
        expectAboutBox(modal);
    });
    SendMessageW(hwnd, WM_SYSCOMMAND, 0x10 | 0x3, 0);
    EXPECT_TRUE(seen);
}
#endif

TEST_F(WindowTest, LayoutKeepsEveryControlWholeAndApartAtAnyFontSize) {
    QList<QWidget*> controls;
    for (const ControlName& entry : kControlNames)
        controls << control<QWidget>(entry.id);
    const double basePointSize = window.font().pointSizeF();

    for (const double scale : {1.0, 2.0}) {
        SCOPED_TRACE(scale);
        QFont font = window.font();
        font.setPointSizeF(basePointSize * scale);
        window.setFont(font);
        QApplication::processEvents();                          // lets the layout take the new size
        EXPECT_EQ(window.minimumSize(), window.maximumSize());  // fixed size, from the layout

        for (QWidget* a : controls) {
            const std::string name = a->objectName().toStdString();
            const QRect ra(a->mapTo(&window, QPoint(0, 0)), a->size());
            EXPECT_TRUE(window.rect().contains(ra)) << name;
            for (QWidget* b : controls) {
                const QRect rb(b->mapTo(&window, QPoint(0, 0)), b->size());
                EXPECT_TRUE(a == b || !ra.intersects(rb))
                    << name << " / " << b->objectName().toStdString();
            }
            if (auto* button = qobject_cast<QAbstractButton*>(a)) {
                EXPECT_GE(button->width(), button->sizeHint().width()) << name;
            }
            // A number field shows five digits, more than any value the tracker keeps.
            if (auto* field = qobject_cast<QLineEdit*>(a); field && field->maximumWidth() < 1000) {
                EXPECT_GE(field->width(), field->fontMetrics().horizontalAdvance("99999") + 8)
                    << name;
            }
        }
    }
}

}  // namespace
