// Records every box shown while it lives, instead of putting it on the screen,
// so tests can assert each box's exact text and caption and their order.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "message_box.h"

struct RecordedBox {
    BoxKind kind;
    std::string text;
    std::string caption;  // empty for error boxes

    friend bool operator==(const RecordedBox&, const RecordedBox&) = default;
};

class BoxRecorder {
  public:
    BoxRecorder() {
        previous_ =
            setBoxPresenter([this](BoxKind kind, std::string_view text, std::string_view caption) {
                boxes.push_back({kind, std::string(text), std::string(caption)});
                if (onBox)
                    onBox(boxes.back());
            });
    }
    ~BoxRecorder() { setBoxPresenter(std::move(previous_)); }
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;

    // The texts alone, in order: the usual thing to compare against.
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& b : boxes)
            out.push_back(b.text);
        return out;
    }
    void clear() { boxes.clear(); }

    static RecordedBox error(std::string text) { return {BoxKind::Error, std::move(text), {}}; }
    static RecordedBox info(std::string text, std::string caption) {
        return {BoxKind::Information, std::move(text), std::move(caption)};
    }

    std::vector<RecordedBox> boxes;
    // Called while a box is "up", for tests that act before it is dismissed.
    std::function<void(const RecordedBox&)> onBox;

  private:
    BoxPresenter previous_;
};

// Lets GoogleTest print recorded boxes in failure messages.
inline void PrintTo(const RecordedBox& b, std::ostream* os) {
    *os << (b.kind == BoxKind::Error ? "error" : "info") << "{\"" << b.text << "\", \"" << b.caption
        << "\"}";
}
