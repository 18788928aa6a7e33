// The window in another language: German from a German locale, Qt's own texts included, and the
// pseudo-language (every text 40% longer, between markers) in which no text of ours may show
// untranslated, and none may be cut short, at 1.75 times the desktop's font.
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTimer>

#include "about_dialog.h"
#include "announcer.h"
#include "command_bytes.h"
#include "message_box_presenter.h"
#include "translated_text.h"
#include "user_language.h"
#include "window_fixture.h"
#include "window_texts.h"

namespace {

// Installed before the window is made (a base constructed before WindowTest's window), and
// English again after.
struct Language {
    explicit Language(const char* language) {
        installed = user_language::install({language}, {PELMOX_TRANSLATIONS_DIR});
    }
    ~Language() { user_language::install({}, {}); }
    QString installed;
};

QMessageBox* visibleBox() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(top); box != nullptr && box->isVisible())
            return box;
    }
    return nullptr;
}
// The first real message box that the action puts up; each one it puts up is closed at once.
struct ShownBox {
    QString title;
    QString text;
};
ShownBox boxShownBy(const std::function<void()>& action) {
    ShownBox shown;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QMessageBox* box = visibleBox()) {
            if (shown.text.isEmpty())
                shown = {box->windowTitle(), box->text()};
            box->done(QMessageBox::Ok);
        }
    });
    closer.start();
    const BoxPresenter previous = setBoxPresenter(showMessageBox);
    action();
    setBoxPresenter(previous);
    return shown;
}

class GermanWindow : protected Language, public WindowTest {
  protected:
    GermanWindow() : Language("de_DE.UTF-8") {}
};

TEST_F(GermanWindow, ShowsTheWindowItsBoxesAndTheAboutBoxInGerman) {
    ASSERT_EQ(installed, "de");
    EXPECT_EQ(control<QAbstractButton>(IDC_READ_CONFIG)->text(), "Konfiguration &lesen");
    // Qt's own texts, as in the boxes' buttons and the fields' menus, where this Qt has them
    // (Debian's qt6-translations-l10n; a Windows build carries them only in its packages).
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm")) {
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    }

    choosePort("");
    const ShownBox box = boxShownBy([&] { click(IDC_READ_VERSION); });
    EXPECT_EQ(box.title, "Fehler");
    EXPECT_EQ(box.text, "Ungültige COM-Port-Nummer");

    const CAboutDlg about(&window);
    EXPECT_EQ(about.windowTitle(), "Über PelmoxConfig");
}

// Box texts are finished before a presenter sees them: those made from a format are told by it,
// and their numbers and names put into its translation; anything else stays as it came.
TEST_F(GermanWindow, BoxTextsMadeFromAFormatAreTranslatedWithTheirValues) {
    const struct {
        std::string shown;
        QString german;
    } cases[] = {
        {"Write Failed (code 128 5)", "Schreiben fehlgeschlagen (Code 128 5)"},
        {"The test tone on COM1 was stopped after 3 minutes, as a transmitter should not stay "
         "keyed longer. Press the tone button again for another 3 minutes.",
         "Der Testton an COM1 wurde nach 3 Minuten abgeschaltet, denn ein Sender sollte nicht "
         "länger getastet bleiben. Drücken Sie die Tontaste erneut für weitere 3 Minuten."},
        {"The Digi Path stored in the tracker is longer than 99 characters and cannot be shown in "
         "full. These digipeaters at its end were left out: WIDE1-1,WIDE2-2",
         "Der im Tracker gespeicherte Digi-Pfad ist länger als 99 Zeichen und kann nicht "
         "vollständig angezeigt werden. Diese Digipeater an seinem Ende wurden weggelassen: "
         "WIDE1-1,WIDE2-2"},
        // A tracker's reply, and a text whose %2 would have to be two numbers at once.
        {"Pelmox II v1.23 WX", "Pelmox II v1.23 WX"},
        {"The test tone on COM1 was stopped after 3 minutes, as a transmitter should not stay "
         "keyed longer. Press the tone button again for another 4 minutes.",
         "The test tone on COM1 was stopped after 3 minutes, as a transmitter should not stay "
         "keyed longer. Press the tone button again for another 4 minutes."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(translatedBoxText(c.shown, WindowText::kBoxFormats), c.german) << c.shown;
}

// What only a screen reader is told: an announcement, one with a number of seconds in its plural
// form, and a field's unit before its advice.
TEST_F(GermanWindow, TellsScreenReadersInGerman) {
    EXPECT_EQ(toneOnText(command_bytes::kToneBoth, "COM1").toStdString(),
              "Ton an: 1200 und 2200 Hz an COM1, der Sender ist getastet.");
    EXPECT_EQ(writeBeginsText("COM1").toStdString(),
              "Die Konfiguration wird an COM1 geschrieben, das dauert etwa " +
                  std::to_string(writeSeconds().count()) + " Sekunden.");
    EXPECT_EQ(field(IDC_TXD)->accessibleDescription().toStdString(),
              "Millisekunden. " + field(IDC_TXD)->toolTip().toStdString());
}

constexpr double kLargeFont = 1.75;

// At the larger font, set before the window is made.
struct LargeFont {
    LargeFont() : normal(QApplication::font()) {
        QFont large = normal;
        large.setPointSizeF(normal.pointSizeF() * kLargeFont);
        QApplication::setFont(large);
    }
    ~LargeFont() { QApplication::setFont(normal); }
    QFont normal;
};

class PseudoWindow : private LargeFont, protected Language, public WindowTest {
  protected:
    PseudoWindow() : Language("pseudo") {}

    // Every text of ours that the window shows: a caption, a title or a name for screen readers
    // must be a translation, and each control at least as large as it asks to be.
    static void expectTranslatedAndWhole(QWidget* top) {
        const auto translated = [](const QString& text) {
            return text.startsWith(QChar(0x27E6)) && text.endsWith(QChar(0x27E7));
        };
        EXPECT_TRUE(translated(top->windowTitle())) << top->windowTitle().toStdString();
        for (QWidget* w : top->findChildren<QWidget*>()) {
            if (!w->isVisible())
                continue;
            QString text;
            if (const auto* label = qobject_cast<QLabel*>(w))
                text = label->text();
            else if (const auto* button = qobject_cast<QAbstractButton*>(w))
                text = button->text();
            else if (const auto* group = qobject_cast<QGroupBox*>(w))
                text = group->title();
            const std::string name = w->objectName().toStdString();
            if (!text.isEmpty()) {
                EXPECT_TRUE(translated(text)) << name << ": " << text.toStdString();
                EXPECT_GE(w->width(), w->minimumSizeHint().width()) << name;
                EXPECT_GE(w->height(), w->minimumSizeHint().height()) << name;
            }
            if (!w->accessibleName().isEmpty()) {
                EXPECT_TRUE(translated(w->accessibleName())) << name;
            }
        }
    }
};

TEST_F(PseudoWindow, ShowsNoTextUntranslatedAndNoneCutShortAtALargeFont) {
    ASSERT_EQ(installed, "pseudo");
    expectTranslatedAndWhole(&window);

    CAboutDlg about(&window);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    expectTranslatedAndWhole(&about);
    about.close();

    const ShownBox box = boxShownBy([] { errorBox("Write Failed (code 128 5)"); });
    EXPECT_TRUE(box.title.startsWith(QChar(0x27E6))) << box.title.toStdString();
    EXPECT_TRUE(box.text.startsWith(QChar(0x27E6)) && box.text.contains("128 5"))
        << box.text.toStdString();
}

}  // namespace
