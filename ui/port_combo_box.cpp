#include "port_combo_box.h"

#include <utility>

#include "port_choice.h"

PortComboBox::PortComboBox(QWidget* parent) : QComboBox(parent), source_(systemSerialPorts) {}

void PortComboBox::setPortSource(PortSource source) {
    source_ = std::move(source);
    refresh();
}

void PortComboBox::refresh() {
    const QString text = currentText();
    const bool chosen = currentIndex() >= 0 && itemText(currentIndex()) == text;

    clear();
    for (const std::string& entry : portListEntries(source_()))
        addItem(QString::fromStdString(entry));

    // An entry chosen before stays chosen, even if it moved; anything else stays as typed.
    const int index = chosen ? findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) : -1;
    setCurrentIndex(index);
    if (index < 0)
        setEditText(text);
}

std::vector<std::string> PortComboBox::entries() const {
    std::vector<std::string> out;
    for (int i = 0; i < count(); ++i)
        out.push_back(itemText(i).toStdString());
    return out;
}

void PortComboBox::showPopup() {
    refresh();
    QComboBox::showPopup();
}
