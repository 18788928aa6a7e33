// The window's About entry in the system menu, which Windows has for every window.
#include <string>

#include "config_dialog.h"
#include "control_ids.h"
#include "translated_text.h"
#include "window_texts.h"
#include "windows_api.h"

void CConfigDlg::addAboutToSystemMenu() {
    HMENU systemMenu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE);
    const std::wstring entry = translatedText(WindowText::kAboutEntry).toStdWString();
    if (systemMenu == nullptr || entry.empty())
        return;
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, kIdmAboutBox, entry.c_str());
}

bool CConfigDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    const auto* msg = static_cast<const MSG*>(message);
    if (eventType == "windows_generic_MSG" && msg->message == WM_SYSCOMMAND &&
        (msg->wParam & kSystemCommandMask) == kIdmAboutBox) {
        showAbout();
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
