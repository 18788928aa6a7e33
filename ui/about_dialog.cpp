#include "about_dialog.h"

#include <QStyle>

#include "app_icon.h"
#include "form_text.h"
#include "ui_about_dialog.h"
#include "window_texts.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::AboutDialog>()) {
    ui_->setupUi(this);
    setWindowTitle(latin1ToField(WindowText::kAboutCaption));
    ui_->versionLabel->setText(latin1ToField(WindowText::kVersionLine));
    const QIcon icon = applicationIcon();
    setWindowIcon(icon);
    const int side = style()->pixelMetric(QStyle::PM_LargeIconSize) * 3 / 2;
    ui_->iconLabel->setPixmap(icon.pixmap(QSize(side, side), devicePixelRatioF()));
    ui_->iconLabel->setAccessibleName(QStringLiteral("PelmoxConfig icon"));
    ui_->okButton->setFocus();
}

CAboutDlg::~CAboutDlg() = default;
