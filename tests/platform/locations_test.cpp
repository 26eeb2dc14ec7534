// Where the settings are kept and where the files shipped with the program are found.
#include "platform/files.h"
#include "platform/locations.h"
#include "platform/translations.h"
#include "support/config_folder.h"
#include "support/recorder.h"

#include <QCoreApplication>

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

TEST(SettingsFolder, BesideACopyThatCanWriteItsFolderElseInTheUsersConfigurationFolder) {
    TemporaryConfigFolder config;
    QTemporaryDir dir;
    const QString copy = dir.path() + QStringLiteral("/copy/");  // a build folder, a USB stick
    QDir().mkpath(copy + QStringLiteral("fichiers"));
    const QString bin = dir.path() + QStringLiteral("/usr/bin/");  // writable, as /usr/bin is for root
    QDir().mkpath(bin);
    QDir().mkpath(dir.path() + QStringLiteral("/usr/share/vorns/fichiers"));
    write_bytes(dir.filePath(QStringLiteral("a_file")), "x");
    struct Case {
        const char* what;
        QString program;
        bool beside;
    };
    const Case cases[] = {
        {"a copy with its samples, in a folder that can be written", copy, true},
        {"an installed program, in a folder that can be written", bin, false},
        {"a folder that does not exist", dir.path() + QStringLiteral("/missing/bin/"), false},
        {"a file, not a folder", dir.filePath(QStringLiteral("a_file/")), false},
    };
    for (const Case& c : cases) {
        platform::set_program_folder_for_tests(c.program);
        const QString expected = c.beside ? c.program : config.application_folder();
        EXPECT_EQ(platform::settings_folder(), expected) << c.what;
        EXPECT_TRUE(QFileInfo(expected).isDir()) << c.what << ": made when missing";
    }
    EXPECT_EQ(QDir(bin).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    platform::set_program_folder_for_tests(QString());
}

TEST(ExportFolder, TheDataFilesFolderWhenItCanBeWrittenAndIsNotShippedElseTheDocumentsFolder) {
    TemporaryHome home;
    QTemporaryDir dir;  // an installed program: usr/bin and its samples in usr/share/vorns/fichiers
    const QString samples = dir.path() + QStringLiteral("/usr/share/vorns/fichiers/");
    const QString own = dir.path() + QStringLiteral("/runs/");
    QDir().mkpath(samples);
    QDir().mkpath(own);
    platform::set_program_folder_for_tests(dir.path() + QStringLiteral("/usr/bin/"));
    const QString documents = home.path() + QStringLiteral("Documents/");
    struct Case {
        const char* what;
        QString data_file;
        QString expected;
    };
    const Case cases[] = {
        {"a run in a folder of one's own", own + QStringLiteral("run.txt"), own},
        {"a shipped sample, even where it could be written", samples + QStringLiteral("muon_run.txt"), documents},
        {"a run on a stick that was taken out", dir.path() + QStringLiteral("/gone/run.txt"), documents},
        {"no file chosen yet", QString(), documents},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::export_folder(c.data_file), c.expected) << c.what;
    EXPECT_TRUE(QFileInfo(documents).isDir()) << "made when missing";

    QDir(documents).removeRecursively();
    write_bytes(home.path() + QStringLiteral("Documents"), "a file in the way");
    EXPECT_EQ(platform::export_folder(QString()), home.path()) << "no documents folder can be made";
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

// The catalogues of texts: beside a copy that carries them, else in the data
// folder of bin/ or of the private programs' lib/vorns/; the language spoken is
// the first of the desktop's that vorns speaks, French when none is.
TEST(Translations, TheFolderBesideOrInstalledAndTheFirstLanguageSpoken) {
    QTemporaryDir dir;
    const QString shipped = dir.path() + QStringLiteral("/share/vorns/translations/");
    QDir().mkpath(shipped);
    QDir().mkpath(dir.path() + QStringLiteral("/copy/translations"));
    QDir().mkpath(dir.path() + QStringLiteral("/bin"));
    QDir().mkpath(dir.path() + QStringLiteral("/lib/vorns"));
    const std::pair<const char*, QString> folders[] = {
        {"/bin/", shipped},
        {"/lib/vorns/", shipped},
        {"/copy/", dir.path() + QStringLiteral("/copy/translations/")},
    };
    for (const auto& [program, expected] : folders) {
        platform::set_program_folder_for_tests(dir.path() + QString::fromLatin1(program));
        EXPECT_EQ(platform::translations_folder(), expected) << program;
    }
    QTemporaryDir none;
    platform::set_program_folder_for_tests(none.path() + QStringLiteral("/bin/"));
    EXPECT_EQ(platform::translations_folder(), QString());
    // No catalogue found: the French source texts, nothing broken.
    EXPECT_EQ(platform::install_translations(QStringLiteral("de")), QStringLiteral("fr"));
    EXPECT_EQ(platform::current_language(), QStringLiteral("fr"));
    EXPECT_EQ(QCoreApplication::translate("platform", "Unknown error"), QStringLiteral("Unknown error"));
    platform::set_program_folder_for_tests(QString());
    EXPECT_FALSE(platform::translations_folder().isEmpty()) << "the build folder's share/vorns/translations";
    EXPECT_EQ(platform::install_translations(QStringLiteral("de")), QStringLiteral("de"));
    EXPECT_EQ(QCoreApplication::translate("platform", "Unknown error"), QStringLiteral("Unbekannter Fehler"));
    platform::install_translations();

    const std::pair<QStringList, const char*> languages[] = {
        {{"de-DE", "de-Latn-DE", "de"}, "de"},
        {{"en-GB", "en-Latn-GB"}, "en"},
        {{"de-AT"}, "de"},
        {{"it-IT", "it"}, "fr"},
        {{"it", "en", "de"}, "en"},
        {{"fr-CA", "de"}, "fr"},
        {{"C"}, "fr"},
        {{}, "fr"},
    };
    for (const auto& [ui, expected] : languages) {
        EXPECT_EQ(platform::language_among(ui), QString::fromLatin1(expected)) << ui.join(u',').toStdString();
    }
}
