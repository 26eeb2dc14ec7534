#pragma once
// A temporary user configuration folder ($XDG_CONFIG_HOME) for the length of a test.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtGlobal>

class TemporaryConfigFolder {
public:
    TemporaryConfigFolder() : before_(qgetenv("XDG_CONFIG_HOME")), had_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
    }
    ~TemporaryConfigFolder() {
        if (had_) {
            qputenv("XDG_CONFIG_HOME", before_);
        } else {
            qunsetenv("XDG_CONFIG_HOME");
        }
    }
    // Where the application's own settings go in it.
    QString application_folder() const {
        return dir_.path() + QLatin1Char('/') + QCoreApplication::applicationName() + QLatin1Char('/');
    }

private:
    QTemporaryDir dir_;
    QByteArray before_;
    bool had_;
};
