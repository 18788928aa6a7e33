// The end of a Windows session as a window hears it, sent here as Windows sends it. The whole
// path, a log-off during a write and during a tone, is tried by scripts/windows-session-end.
#include <gtest/gtest.h>

#include <QWidget>

#include "session_end.h"
#include "stop_request.h"

#include "windows_api.h"

namespace {

TEST(SessionEndTest, AWriteHoldsTheSessionOffAndOtherwiseTheWindowEndsWithIt) {
    QWidget window;
    StopRequest stop;
    SessionEnd session(&window, stop);
    int endings = 0;
    QObject::connect(&session, &SessionEnd::ending, [&] { ++endings; });
    const auto hwnd = reinterpret_cast<HWND>(window.winId());
    const auto query = [&] { return SendMessageW(hwnd, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF); };
    const auto end = [&](bool ends) { SendMessageW(hwnd, WM_ENDSESSION, ends, ENDSESSION_LOGOFF); };

    // During a write the session is refused, and the stop is noted for the write's end.
    session.setWriting(true);
    EXPECT_EQ(query(), FALSE);
    end(false);
    EXPECT_TRUE(stop.requested());
    EXPECT_EQ(endings, 0);

    session.setWriting(false);
    EXPECT_EQ(query(), TRUE);
    end(false);  // refused by another program: the window goes on
    EXPECT_EQ(endings, 0);
    end(true);
    EXPECT_EQ(endings, 1);
}

}  // namespace
