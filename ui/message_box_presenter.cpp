#include "message_box_presenter.h"

#include <QMessageBox>
#include <QPushButton>

#include "busy_cursor.h"
#include "form_text.h"
#include "window_texts.h"

void showMessageBox(BoxKind kind, std::string_view text, std::string_view caption) {
    const bool error = kind == BoxKind::Error;
    QMessageBox box(error ? QMessageBox::Critical : QMessageBox::Information,
                    latin1ToField(error ? WindowText::kErrorCaption : caption), latin1ToField(text),
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
    QMessageBox box(QMessageBox::Warning, latin1ToField(caption), latin1ToField(text));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton* firstButton = box.addButton(latin1ToField(first), QMessageBox::AcceptRole);
    QPushButton* secondButton = box.addButton(latin1ToField(second), QMessageBox::RejectRole);
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
