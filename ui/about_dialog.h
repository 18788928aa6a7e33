// The about box: the icon, the program's name and version, and where to read more.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class AboutDialog;
}

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

  private:
    std::unique_ptr<Ui::AboutDialog> ui_;
};
