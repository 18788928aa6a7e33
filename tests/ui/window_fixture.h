// A shown configuration window with its boxes recorded, and helpers to reach its controls by
// their ids as a user would: fill fields, click buttons, read fields back.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "box_recorder.h"
#include "config_dialog.h"
#include "control_ids.h"
#include "eventually.h"

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <class Widget>
    Widget* control(ControlId id) {
        auto* widget = window.findChild<Widget*>(QString::fromLatin1(controlName(id)));
        EXPECT_NE(widget, nullptr) << controlName(id);
        return widget;
    }
    QLineEdit* field(ControlId id) { return control<QLineEdit>(id); }
    QString text(ControlId id) { return field(id)->text(); }
    void setText(ControlId id, const QString& value) { field(id)->setText(value); }
    bool checked(ControlId id) { return control<QAbstractButton>(id)->isChecked(); }
    void click(ControlId id) { QTest::mouseClick(control<QAbstractButton>(id), Qt::LeftButton); }
    void choosePort(const std::string& name) {
        control<QComboBox>(IDC_COMPORT)->setEditText(QString::fromStdString(name));
    }

    BoxRecorder boxes;
    // What the system reports as its serial ports, asked whenever the port list opens.
    std::vector<std::string> systemPorts;
    CConfigDlg window{[this] { return systemPorts; }};
};
