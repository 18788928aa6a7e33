// Cursor guards: the busy cursor while a command talks to the tracker, and the normal cursor
// back for as long as a message box is up in the middle of such a command.
#pragma once

#include <QGuiApplication>

class BusyCursor {
  public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

class NormalCursorWhileShown {
  public:
    NormalCursorWhileShown() : pushed_(QGuiApplication::overrideCursor() != nullptr) {
        if (pushed_)
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalCursorWhileShown() {
        if (pushed_)
            QGuiApplication::restoreOverrideCursor();
    }
    NormalCursorWhileShown(const NormalCursorWhileShown&) = delete;
    NormalCursorWhileShown& operator=(const NormalCursorWhileShown&) = delete;

  private:
    bool pushed_;
};
