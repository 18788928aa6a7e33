#include "field_widths.h"

#include <QComboBox>
#include <QLineEdit>
#include <array>

#include "control_ids.h"

namespace {

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

template <class Widget>
Widget* control(const QWidget& window, ControlId id) {
    return window.findChild<Widget*>(QString::fromLatin1(controlName(id)));
}

}  // namespace

void sizeFieldsToFont(QWidget& window) {
    for (const FieldWidth& width : kFieldWidths) {
        auto* field = control<QLineEdit>(window, width.id);
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
    auto* portBox = control<QComboBox>(window, IDC_COMPORT);
    portBox->setMinimumWidth(portBox->fontMetrics().averageCharWidth() * kPortBoxCharacters);
}
