// Puts the error, information and choice boxes of every layer on the screen as Qt message boxes.
// Each box is modal to the whole application: while one is up no window takes commands, so a
// second command can never start inside the first one on the same port.
#pragma once

#include <string_view>

#include "message_box.h"

// Shows one box and returns when the user has closed it.
void showMessageBox(BoxKind kind, std::string_view text, std::string_view caption);

// Shows a choice box and returns the answer once the user has given it; Escape and the close
// box answer with the second button.
BoxAnswer showChoiceBox(std::string_view text, std::string_view caption, std::string_view first,
                        std::string_view second);

// Makes showMessageBox the presenter of errorBox and informationBox, showChoiceBox that of
// choiceBox.
void installMessageBoxPresenter();
