// Tells a screen reader what the window does that shows nowhere in it: a tone keyed and stopped,
// a write under way. With Qt 6.4 Orca 43 speaks neither a changed description (Qt's event then
// carries no text) nor an announcement (Qt has none yet), but it speaks a notification as it
// appears: the window holds one that shows nothing, and NVDA hears it as an alert.
#pragma once

#include <QString>
#include <chrono>
#include <string>

class QWidget;
class TonesOn;

void announce(QWidget* window, const QString& text);

// The texts, with the port as the port box names it.
QString toneOnText(char code, const std::string& port);
QString toneOffText(const std::string& port);
// After a stop that did not get through: where the tones the window knows of may still be on.
QString tonesMayBeOnText(const TonesOn& tones);
QString writeBeginsText(const std::string& port);

// What a write of the whole configuration takes at least, as the user is told it, in whole seconds.
std::chrono::seconds writeSeconds();
