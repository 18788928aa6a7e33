#include "field_advice.h"

#include <QWidget>
#include <array>
#include <string_view>

#include "control_ids.h"
#include "translatable.h"
#include "translated_text.h"

namespace {

// The APRS network's rules behind these are named with the rules themselves
// (config/aprs_advice.cpp).
struct FieldAdvice {
    ControlId id;
    std::string_view text;
};
constexpr std::array kFieldAdvice{
    FieldAdvice{
        IDC_CALLSIGN,
        PELMOX_TR("FieldAdvice",
                  "Your own call sign, for a weather station with -13 (such as DL1ABC-13); NOCALL "
                  "must not go on the air.")},
    FieldAdvice{
        IDC_DIGIPATH,
        PELMOX_TR(
            "FieldAdvice",
            "Fixed weather stations: WIDE2-1, or WIDE2-2 where no digipeater is near. WIDE3-3 "
            "is refused by most digipeaters.")},
    FieldAdvice{
        IDC_STATUS_TEXT,
        PELMOX_TR("FieldAdvice", "At most 62 characters: APRS status reports hold no more.")},
    FieldAdvice{
        IDC_STATUS_EVERY,
        PELMOX_TR("FieldAdvice",
                  "A status every 30 minutes is usual: 3 at a transmit interval of 600 seconds.")},
    FieldAdvice{
        IDC_TXD,
        PELMOX_TR("FieldAdvice",
                  "Most radios key up within 150 to 300 ms; 300 ms is the usual VHF default.")},
    FieldAdvice{
        IDC_TX_INTERVAL,
        PELMOX_TR(
            "FieldAdvice",
            "Weather stations: 600 seconds (1200 through two digipeaters), never under 300.")},
    FieldAdvice{IDC_QUIET_TIME,
                PELMOX_TR("FieldAdvice", "1500 ms as the tracker comes suits most channels.")},
    FieldAdvice{
        IDC_CALIBRATION,
        PELMOX_TR("FieldAdvice",
                  "128 as the tracker comes; change it with the test tones, and write it before "
                  "testing them again.")},
};

}  // namespace

void applyFieldAdvice(QWidget* window) {
    for (const FieldAdvice& advice : kFieldAdvice) {
        if (auto* field = window->findChild<QWidget*>(QString::fromLatin1(controlName(advice.id))))
            field->setToolTip(translatedText(advice.text));
    }
}
