// Where the settings are kept and where the files shipped with the program are found.
#include "platform/files.h"
#include "platform/locations.h"
#include "support/config_folder.h"
#include "support/recorder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

TEST(SettingsFolder, TheProgramFolderWhenItCanBeWrittenElseTheUsersConfigurationFolder) {
    TemporaryConfigFolder config;
    QTemporaryDir dir;
    write_bytes(dir.filePath(QStringLiteral("a_file")), "x");
    struct Case {
        const char* what;
        QString program;
        bool beside;
    };
    const Case cases[] = {
        {"a folder that can be written", dir.path() + QStringLiteral("/"), true},
        {"a folder that does not exist", dir.path() + QStringLiteral("/missing/bin/"), false},
        {"a file, not a folder", dir.filePath(QStringLiteral("a_file/")), false},
    };
    for (const Case& c : cases) {
        platform::set_program_folder_for_tests(c.program);
        const QString expected = c.beside ? c.program : config.application_folder();
        EXPECT_EQ(platform::settings_folder(), expected) << c.what;
        EXPECT_TRUE(QFileInfo(expected).isDir()) << c.what << ": made when missing";
    }
    platform::set_program_folder_for_tests(QString());
}

TEST(ShippedPath, TheProgramFolderFirstThenTheInstalledDataFolder) {
    QTemporaryDir dir;  // bin/ holds the program, share/vorns/ the installed data
    const QString bin = dir.path() + QStringLiteral("/bin/");
    const QString data = dir.path() + QStringLiteral("/share/vorns/");
    for (const QString& f : {bin + "both.wav", data + "both.wav", bin + "beside.wav", data + "installed.wav"}) {
        write_bytes(f, "RIFF");
    }
    QDir().mkpath(data + QStringLiteral("fichiers"));
    platform::set_program_folder_for_tests(bin);
    const std::pair<const char*, QString> cases[] = {
        {"both.wav", bin + "both.wav"},
        {"beside.wav", bin + "beside.wav"},
        {"installed.wav", data + "installed.wav"},
        {"fichiers", data + "fichiers"},
        {"nowhere.wav", bin + "nowhere.wav"},  // looked for beside the program
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(platform::shipped_path(QString::fromLatin1(name)), expected) << name;
    platform::set_program_folder_for_tests(QString());
}
