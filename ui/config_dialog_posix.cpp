// Other desktops offer the About entry through the window's context menu and F1.
#include "config_dialog.h"

void CConfigDlg::addAboutToSystemMenu() {}
