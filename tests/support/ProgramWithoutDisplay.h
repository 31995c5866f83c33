#pragma once
// The real program (CORVEX_PROGRAM, set by the test entry) started as a machine without
// a desktop starts it: no display variables, no platform chosen.

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

inline void StartWithoutDisplay(QProcess &program, const QString &argument)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    program.setProcessEnvironment(env);
    program.setProgram(qEnvironmentVariable("CORVEX_PROGRAM"));
    program.setArguments({argument});
    program.start();
    ASSERT_TRUE(program.waitForStarted(10000)) << "CORVEX_PROGRAM cannot be started";
}
