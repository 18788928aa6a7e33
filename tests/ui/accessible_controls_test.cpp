// What a screen reader is told of the window's controls: values whole and with their units, the
// port box by its name, a selection that only a change of focus touched, a mode's new state.
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <tuple>

#include "window_fixture.h"

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

// Orca joins a field's text runs: runs that ended where they began made it speak "NOCAL" for
// NOCALL and nothing at all for a one-digit value.
TEST_F(WindowTest, FieldsGiveTheirValuesAsOneRunWithTheirUnits) {
    const struct {
        ControlId id;
        const char* value;
        const char* unit;
    } cases[] = {
        {IDC_CALLSIGN, "NOCALL", ""},
        {IDC_DIGIPATH, "WIDE3-3", ""},
        {IDC_STATUS_TEXT, "PelmoxII", ""},
        {IDC_STATUS_EVERY, "3", "transmissions"},
        {IDC_TXD, "250", "milliseconds"},
        {IDC_TX_INTERVAL, "60", "seconds"},
        {IDC_QUIET_TIME, "1500", "milliseconds"},
        {IDC_CALIBRATION, "128", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(controlName(c.id));
        QAccessibleInterface* iface = accessible(field(c.id));
        QAccessibleTextInterface* text = iface->textInterface();
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->text(0, text->characterCount()), c.value);
        for (int offset = 0; offset < text->characterCount(); ++offset) {
            int start = -1;
            int end = -1;
            text->attributes(offset, &start, &end);
            EXPECT_EQ(start, 0) << offset;
            EXPECT_EQ(end, text->characterCount()) << offset;
        }
        // The unit first, then the field's advice, which is its tooltip.
        const QString advice = field(c.id)->toolTip();
        const QString unit = QString::fromUtf8(c.unit);
        EXPECT_EQ(iface->text(QAccessible::Description),
                  unit.isEmpty() ? advice : unit + ". " + advice);
    }
}

// Qt clears the selection of the field the focus leaves, and Orca, hearing of it before the
// focus change, said "Text unselected" on every move.
TEST_F(WindowTest, AFieldLeftByTabStillReportsTheSelectionItHad) {
    field(IDC_DIGIPATH)->setFocus(Qt::TabFocusReason);  // selects the whole text, as Tab does
    QAccessibleTextInterface* path = accessible(field(IDC_DIGIPATH))->textInterface();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(field(IDC_STATUS_TEXT)->hasFocus());
    EXPECT_FALSE(field(IDC_DIGIPATH)->hasSelectedText());  // what the eye sees stays Qt's
    ASSERT_EQ(path->selectionCount(), 1);
    int start = -1;
    int end = -1;
    path->selection(0, &start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 7);

    // Once it has the focus again, its own selection is the one reported.
    field(IDC_DIGIPATH)->setFocus(Qt::MouseFocusReason);
    field(IDC_DIGIPATH)->setCursorPosition(2);
    EXPECT_EQ(path->selectionCount(), 0);
    EXPECT_EQ(path->cursorPosition(), 2);
}

TEST_F(WindowTest, ThePortBoxIsNamedAndGivesThePortAsItsValue) {
    choosePort("/dev/ttyUSB0");
    auto* box = control<QComboBox>(IDC_COMPORT);
    QAccessibleInterface* iface = accessible(box);
    EXPECT_EQ(iface->role(), QAccessible::ComboBox);
    EXPECT_EQ(iface->text(QAccessible::Name), "Serial port");
    EXPECT_EQ(iface->text(QAccessible::Value), "/dev/ttyUSB0");
    ASSERT_EQ(iface->childCount(), 2);
    EXPECT_EQ(iface->child(0)->object(), static_cast<QObject*>(box->view()));
    EXPECT_EQ(iface->child(1)->object(), static_cast<QObject*>(box->lineEdit()));
    EXPECT_EQ(iface->indexOfChild(iface->child(1)), 1);
    // Its edit is read as the fields are: the whole port in one run.
    int start = -1;
    int end = -1;
    iface->child(1)->textInterface()->attributes(11, &start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 12);
}

// Qt gave the focus at once and clicked a tenth of a second later, so that a screen reader
// announcing the focus could hear the state the button was leaving.
TEST_F(WindowTest, AModeButtonReachedByItsKeyIsCheckedWhenItGetsTheFocus) {
    field(IDC_CALLSIGN)->setFocus();
    for (const auto& [key, id, other] : {std::tuple{Qt::Key_P, IDC_MODE_PEET, IDC_MODE_WX200},
                                         std::tuple{Qt::Key_W, IDC_MODE_WX200, IDC_MODE_PEET}}) {
        SCOPED_TRACE(controlName(id));
        std::vector<bool> checkedOnFocus;
        const QMetaObject::Connection watch = QObject::connect(
            qApp, &QApplication::focusChanged, &window, [&, id = id](QWidget*, QWidget* now) {
                if (now == control<QWidget>(id))
                    checkedOnFocus.push_back(checked(id));
            });
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        QObject::disconnect(watch);
        EXPECT_EQ(checkedOnFocus, std::vector<bool>{true});
        EXPECT_FALSE(checked(other));
    }
}

}  // namespace
