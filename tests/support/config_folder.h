#pragma once
// A temporary folder in place of the user's configuration folder
// ($XDG_CONFIG_HOME) or home folder ($HOME) for the length of a test.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtGlobal>

class TemporaryEnvironmentFolder {
public:
    explicit TemporaryEnvironmentFolder(const char* variable)
        : variable_(variable), before_(qgetenv(variable)), had_(qEnvironmentVariableIsSet(variable)) {
        qputenv(variable_, dir_.path().toLocal8Bit());
    }
    ~TemporaryEnvironmentFolder() {
        if (had_) {
            qputenv(variable_, before_);
        } else {
            qunsetenv(variable_);
        }
    }
    TemporaryEnvironmentFolder(const TemporaryEnvironmentFolder&) = delete;
    TemporaryEnvironmentFolder& operator=(const TemporaryEnvironmentFolder&) = delete;
    QString path() const { return dir_.path() + QLatin1Char('/'); }

private:
    QTemporaryDir dir_;
    const char* variable_;
    QByteArray before_;
    bool had_;
};

class TemporaryConfigFolder : public TemporaryEnvironmentFolder {
public:
    TemporaryConfigFolder() : TemporaryEnvironmentFolder("XDG_CONFIG_HOME") {}
    // Where the application's own settings go in it.
    QString application_folder() const { return path() + QCoreApplication::applicationName() + QLatin1Char('/'); }
};

// With a fresh configuration folder too, so that no user-dirs.dirs moves the documents folder.
class TemporaryHome : public TemporaryEnvironmentFolder {
public:
    TemporaryHome() : TemporaryEnvironmentFolder("HOME") {}

private:
    TemporaryConfigFolder config_;
};
