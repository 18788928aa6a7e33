#include "about_dialog.h"

#include <QStyle>

#include "app_icon.h"
#include "translated_text.h"
#include "ui_about_dialog.h"
#include "window_texts.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::AboutDialog>()) {
    ui_->setupUi(this);
    setWindowTitle(translatedText(WindowText::kAboutCaption));
    ui_->versionLabel->setText(translatedText(WindowText::kVersionLine));
    const QIcon icon = applicationIcon();
    setWindowIcon(icon);
    const int side = style()->pixelMetric(QStyle::PM_LargeIconSize) * 3 / 2;
    ui_->iconLabel->setPixmap(icon.pixmap(QSize(side, side), devicePixelRatioF()));
    ui_->iconLabel->setAccessibleName(tr("PelmoxConfig icon"));
    ui_->okButton->setFocus();
}

CAboutDlg::~CAboutDlg() = default;
