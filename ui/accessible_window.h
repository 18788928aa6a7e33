// What the configuration window says to a screen reader beyond what Qt gives it: the units of the
// number fields, and answers to the accessibility bus while a command talks to the tracker.
#pragma once

class QWidget;

void setUpAccessibility(QWidget* window);
