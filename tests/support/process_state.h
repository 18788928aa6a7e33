// Whether a child process is stopped (Ctrl+Z, SIGSTOP), as /proc tells it. Linux only.
#pragma once

#include <QFile>
#include <QString>

// The state letter of the process ('T' while stopped, '?' when it cannot be read).
inline char processState(qint64 pid) {
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return '?';
    const QByteArray text = stat.readAll();
    // The command name in parentheses may hold blanks; the state follows the last one.
    const qsizetype close = text.lastIndexOf(')');
    return close >= 0 && close + 2 < text.size() ? text[close + 2] : '?';
}
