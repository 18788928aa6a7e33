// The error box and the information box: the one way every layer tells the user something.
// They reach the screen through a presenter the application installs (a Qt message box);
// tests install a recorder; with none installed they write to standard error.
#pragma once

#include <functional>
#include <string_view>

enum class BoxKind {
    Error,        // the platform's default error caption, no caption of its own
    Information,  // results and warnings, with a caption of their own
};

// Shows one box and returns once the user has dismissed it.
using BoxPresenter =
    std::function<void(BoxKind kind, std::string_view text, std::string_view caption)>;

// Installs the presenter for all later boxes and returns the one it replaces.
// An empty presenter restores the standard-error fallback.
BoxPresenter setBoxPresenter(BoxPresenter presenter);

// Both return the failure mark (true), so that "return errorBox(...)" reports and fails at once.
bool errorBox(std::string_view text);
bool informationBox(std::string_view text, std::string_view caption);
