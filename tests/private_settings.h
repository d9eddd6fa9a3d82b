#pragma once
// Settings of the test program's own, set up before QApplication starts:
// neither the user's settings nor a school's presets reach the tests, and
// nothing the tests remember reaches the user.
#include <QTemporaryDir>

class PrivateSettings {
public:
    PrivateSettings()
    {
        qputenv("XDG_CONFIG_HOME", user().toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", system().toLocal8Bit());
    }
    QString user() const { return dir_.path() + QStringLiteral("/user"); }
    QString system() const { return dir_.path() + QStringLiteral("/system"); }

private:
    QTemporaryDir dir_;
};
