// The values a fixed weather station uses, one short sentence for each field of the
// configuration window, shown as its tooltip (and so spoken by screen readers as its
// description). What the fields do is not changed.
#pragma once

class QWidget;

// Gives every field of the window its tooltip.
void applyFieldAdvice(QWidget* window);
