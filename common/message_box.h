// The error box and the information box: the one way every layer tells the user something; and
// the choice box, which asks the user to pick one of two answers.
// They reach the screen through presenters the application installs (Qt message boxes);
// tests install a recorder; with none installed they write to standard error.
#pragma once

#include <functional>
#include <string_view>

enum class BoxKind {
    Error,        // the platform's default error caption, no caption of its own
    Information,  // results and warnings, with a caption of their own
    Choice,       // a question with two answers; shown by a ChoicePresenter, never a BoxPresenter
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

// The choice box: a warning with a caption and two buttons, the first of them the default.
enum class BoxAnswer { First, Second };
using ChoicePresenter = std::function<BoxAnswer(std::string_view text, std::string_view caption,
                                                std::string_view first, std::string_view second)>;
ChoicePresenter setChoicePresenter(ChoicePresenter presenter);
// Shows the box and returns the answer. With no presenter installed nobody can be asked: the
// text goes to standard error and the answer is the second.
BoxAnswer choiceBox(std::string_view text, std::string_view caption, std::string_view first,
                    std::string_view second);
