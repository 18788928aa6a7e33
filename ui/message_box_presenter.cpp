#include "message_box_presenter.h"

#include <QMessageBox>
#include <QPushButton>

#include "busy_cursor.h"
#include "translated_text.h"
#include "window_texts.h"

namespace {

// A box's text in the user's language.
QString shown(std::string_view text) {
    return translatedBoxText(text, WindowText::kBoxFormats);
}

}  // namespace

void showMessageBox(BoxKind kind, std::string_view text, std::string_view caption) {
    const bool error = kind == BoxKind::Error;
    QMessageBox box(error ? QMessageBox::Critical : QMessageBox::Information,
                    shown(error ? WindowText::kErrorCaption : caption), shown(text),
                    QMessageBox::Ok);
    // The version box shows whatever the tracker replied: never let that be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(QMessageBox::Ok);
    const NormalCursorWhileShown normalCursor;
    box.exec();
}

BoxAnswer showChoiceBox(std::string_view text, std::string_view caption, std::string_view first,
                        std::string_view second) {
    QMessageBox box(QMessageBox::Warning, shown(caption), shown(text));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton* firstButton = box.addButton(shown(first), QMessageBox::AcceptRole);
    QPushButton* secondButton = box.addButton(shown(second), QMessageBox::RejectRole);
    box.setDefaultButton(firstButton);
    box.setEscapeButton(secondButton);
    const NormalCursorWhileShown normalCursor;
    box.exec();
    return box.clickedButton() == firstButton ? BoxAnswer::First : BoxAnswer::Second;
}

void installMessageBoxPresenter() {
    setBoxPresenter(showMessageBox);
    setChoicePresenter(showChoiceBox);
}
