// The command line, read before any window exists.
#include "app/command_line.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(CommandLine, ActionsFilesAndErrors) {
    using A = CommandLine::Action;
    struct Case {
        QStringList arguments;  // after the program's name
        A action;
        QString data_file;
        const char* in_error;  // Qt words its own errors in the user's language
    };
    const QString here = QDir::currentPath() + QLatin1Char('/');
    const Case cases[] = {
        {{}, A::start, {}, ""},
        {{"run.txt"}, A::start, here + "run.txt", ""},
        {{"/data/run.txt"}, A::start, "/data/run.txt", ""},
        {{"--", "-odd.txt"}, A::start, here + "-odd.txt", ""},
        {{"-style", "fusion", "-reverse", "run.txt"}, A::start, here + "run.txt", ""},  // Qt's own options
        {{"--help"}, A::help, {}, ""},
        {{"-h", "run.txt"}, A::help, {}, ""},
        {{"--version"}, A::version, {}, ""},
        {{"-v"}, A::version, {}, ""},
        {{"--bogus"}, A::error, {}, "bogus"},
        {{"-zz", "run.txt"}, A::error, {}, "zz"},
        {{"-style"}, A::error, {}, "-style"},
        {{"a.txt", "b.txt"}, A::error, {}, "Only one data file"},
        {{""}, A::error, {}, "The data file name is empty"},
    };
    for (const Case& c : cases) {
        const CommandLine ligne = analyse_la_ligne_de_commande(QStringList{QStringLiteral("vorns")} + c.arguments);
        const std::string what = c.arguments.join(u' ').toStdString();
        EXPECT_EQ(ligne.action, c.action) << what;
        EXPECT_EQ(ligne.data_file, c.data_file) << what;
        EXPECT_TRUE(ligne.error.contains(QString::fromLatin1(c.in_error))) << what << ": " << ligne.error.toStdString();
        EXPECT_EQ(ligne.error.isEmpty(), c.action != A::error) << what;
        EXPECT_FALSE(ligne.error.contains(u'\n')) << what;
    }
}

TEST(CommandLine, TheHelpNamesEveryOptionAndTheVersionIsTheProjects) {
    for (const char* option : {"--help", "--version", "FILE"})
        EXPECT_TRUE(texte_d_aide().contains(QString::fromLatin1(option))) << option;
    EXPECT_EQ(version_du_programme(), QStringLiteral(VORNS_PROJECT_VERSION));
}
