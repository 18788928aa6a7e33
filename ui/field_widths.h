// The window's fields sized in characters of the desktop's font, so that the window grows with it.
#pragma once

class QWidget;

// Sizes the fields and the port box of the window, found by their control names.
void sizeFieldsToFont(QWidget& window);
