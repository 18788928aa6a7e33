#include "message_box.h"

#include <cstdio>
#include <utility>

namespace {

BoxPresenter& presenter() {
    static BoxPresenter current;
    return current;
}

bool show(BoxKind kind, std::string_view text, std::string_view caption) {
    if (const BoxPresenter& p = presenter()) {
        p(kind, text, caption);
    } else if (kind == BoxKind::Error) {
        std::fprintf(stderr, "Error: %.*s\n", static_cast<int>(text.size()), text.data());
    } else {
        std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                     static_cast<int>(text.size()), text.data());
    }
    return true;
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
