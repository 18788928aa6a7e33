// Starts a program of this build (pelmoxctl, or the test program itself) as a child process.
// The tests of a cross build run under an emulator (qemu-user, CMake's
// CMAKE_CROSSCOMPILING_EMULATOR, handed in as PELMOX_EMULATOR), and this machine cannot start a
// program for the target itself: it runs under the same emulator.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#ifndef PELMOX_EMULATOR
#define PELMOX_EMULATOR ""
#endif

inline void startBuiltProgram(QProcess& process, const QString& program,
                              const QStringList& arguments) {
    QStringList command = QString(PELMOX_EMULATOR).split(' ', Qt::SkipEmptyParts);
    if (command.isEmpty()) {
        process.start(program, arguments);
        return;
    }
    const QString emulator = command.takeFirst();
    process.start(emulator, command + QStringList{program} + arguments);
}
