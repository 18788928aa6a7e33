// Records every box shown while it lives, instead of putting it on the screen,
// so tests can assert each box's exact text and caption and their order; choice boxes are
// answered from the answers the test gives.
#pragma once

#include <deque>
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
        previousChoice_ = setChoicePresenter([this](std::string_view text, std::string_view caption,
                                                    std::string_view, std::string_view) {
            boxes.push_back({BoxKind::Choice, std::string(text), std::string(caption)});
            if (onBox)
                onBox(boxes.back());
            if (answers.empty())
                return BoxAnswer::Second;
            const BoxAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    ~BoxRecorder() {
        setBoxPresenter(std::move(previous_));
        setChoicePresenter(std::move(previousChoice_));
    }
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
    static RecordedBox choice(std::string text, std::string caption) {
        return {BoxKind::Choice, std::move(text), std::move(caption)};
    }

    std::vector<RecordedBox> boxes;
    // Called while a box is "up", for tests that act before it is dismissed.
    std::function<void(const RecordedBox&)> onBox;
    // The answers to the choice boxes to come, in order; once they run out, the second.
    std::deque<BoxAnswer> answers;

  private:
    BoxPresenter previous_;
    ChoicePresenter previousChoice_;
};

// Lets GoogleTest print recorded boxes in failure messages.
inline void PrintTo(const RecordedBox& b, std::ostream* os) {
    const char* kinds[] = {"error", "info", "choice"};
    *os << kinds[static_cast<int>(b.kind)] << "{\"" << b.text << "\", \"" << b.caption << "\"}";
}
