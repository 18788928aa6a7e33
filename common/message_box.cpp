#include "message_box.h"

#include <cstdio>
#include <utility>

namespace {

BoxPresenter& presenter() {
    static BoxPresenter current;
    return current;
}

// Where a box goes with no presenter installed.
void printBox(BoxKind kind, std::string_view text, std::string_view caption) {
    if (kind == BoxKind::Error) {
        std::fprintf(stderr, "Error: %.*s\n", static_cast<int>(text.size()), text.data());
    } else {
        std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                     static_cast<int>(text.size()), text.data());
    }
}

bool show(BoxKind kind, std::string_view text, std::string_view caption) {
    if (const BoxPresenter& p = presenter()) {
        p(kind, text, caption);
    } else {
        printBox(kind, text, caption);
    }
    return true;
}

ChoicePresenter& choicePresenter() {
    static ChoicePresenter current;
    return current;
}

}  // namespace

BoxPresenter setBoxPresenter(BoxPresenter next) {
    return std::exchange(presenter(), std::move(next));
}

bool errorBox(std::string_view text) {
    return show(BoxKind::Error, text, {});
}

bool informationBox(std::string_view text, std::string_view caption) {
    return show(BoxKind::Information, text, caption);
}

ChoicePresenter setChoicePresenter(ChoicePresenter next) {
    return std::exchange(choicePresenter(), std::move(next));
}

BoxAnswer choiceBox(std::string_view text, std::string_view caption, std::string_view first,
                    std::string_view second) {
    if (const ChoicePresenter& p = choicePresenter())
        return p(text, caption, first, second);
    printBox(BoxKind::Choice, text, caption);
    return BoxAnswer::Second;
}
