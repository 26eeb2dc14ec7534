// The parameter file of 20 numbered lines and the one-line files, in the
// program folder, or in the user's configuration folder when the program
// folder cannot be written.
#include "platform/files.h"
#include "settings/settings_files.h"
#include "support/config_folder.h"
#include "support/recorder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray lines_bytes(const QStringList& lines) {
    QByteArray out;
    for (const QString& l : lines) out += l.toLatin1() + "\r\n";
    return out;
}

// The 20 lines of a parameter file where only the given lines are filled.
QByteArray twenty(std::initializer_list<std::pair<int, const char*>> filled) {
    QStringList lines(20);
    for (const auto& [n, text] : filled) lines[n - 1] = QString::fromLatin1(text);
    return lines_bytes(lines);
}

const QString kName = QStringLiteral("qrt_vorn.col");

}  // namespace

TEST(LitParametre, LineNOrTheLastLineOfAShorterFileOrEmpty) {
    TemporaryProgramFolder folder;
    EXPECT_EQ(lit_parametre(kName, 1), QString()) << "missing file";
    write_bytes(folder.file(kName), "201\r\n202\r\n");
    struct Case {
        int n;
        const char* text;
    };
    const Case cases[] = {{1, "201"}, {2, "202"}, {3, "202"}, {20, "202"}, {0, ""}, {-1, ""}};
    for (const Case& c : cases) EXPECT_EQ(lit_parametre(kName, c.n), QString::fromLatin1(c.text)) << c.n;

    write_bytes(folder.file(kName), "");
    EXPECT_EQ(lit_parametre(kName, 1), QString()) << "empty file";
}

TEST(LitParametre, ReadsAnyLineEndAndLinesPastTwenty) {
    TemporaryProgramFolder folder;
    QStringList lines;
    for (int i = 1; i <= 25; ++i) lines.append(QString::number(i * 10));
    write_bytes(folder.file(kName), lines.join(QLatin1Char('\r')).toLatin1());
    EXPECT_EQ(lit_parametre(kName, 3), QStringLiteral("30"));
    EXPECT_EQ(lit_parametre(kName, 22), QStringLiteral("220"));
    write_bytes(folder.file(kName), "1\n2\n3");
    EXPECT_EQ(lit_parametre(kName, 3), QStringLiteral("3"));
}

TEST(LitParametreDefaut, TheDefaultReplacesAnEmptyResult) {
    TemporaryProgramFolder folder;
    EXPECT_EQ(lit_parametre_defaut(kName, 2, QStringLiteral("202")), QStringLiteral("202"));
    write_bytes(folder.file(kName), "\r\n17\r\n");
    EXPECT_EQ(lit_parametre_defaut(kName, 1, QStringLiteral("201")), QStringLiteral("201"));
    EXPECT_EQ(lit_parametre_defaut(kName, 2, QStringLiteral("202")), QStringLiteral("17"));
    EXPECT_EQ(lit_parametre_defaut(kName, 3, QStringLiteral("203")), QStringLiteral("17"));
    // A line of blanks is not empty.
    write_bytes(folder.file(kName), " \r\n");
    EXPECT_EQ(lit_parametre_defaut(kName, 1, QStringLiteral("201")), QStringLiteral(" "));
}

TEST(LitParametre, LooksInTheProgramFolderNotTheWorkingDirectory) {
    WriteFailures echecs;
    TemporaryProgramFolder folder;
    QTemporaryDir elsewhere;
    write_bytes(elsewhere.filePath(kName), "9\r\n");
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    EXPECT_EQ(lit_parametre(kName, 1), QString());
    ecrit_parametre(QStringLiteral("5"), kName, 1, echecs);
    QDir::setCurrent(cwd);
    EXPECT_EQ(read_bytes(folder.file(kName)), twenty({{1, "5"}}));
    EXPECT_EQ(read_bytes(elsewhere.filePath(kName)), QByteArray("9\r\n"));
}

TEST(EcritParametre, AlwaysLeavesExactlyTwentyLines) {
    WriteFailures echecs;
    struct Case {
        const char* before;  // nullptr: no file
        int n;
        const char* value;
        QByteArray after;
    };
    QStringList twenty_five;
    for (int i = 1; i <= 25; ++i) twenty_five.append(QStringLiteral("L%1").arg(i));
    QStringList first_twenty = twenty_five.mid(0, 20);
    first_twenty[4] = QStringLiteral("new");
    const Case cases[] = {
        {nullptr, 1, "255", twenty({{1, "255"}})},
        {nullptr, 3, "7", twenty({{3, "7"}})},
        {nullptr, 20, "last", twenty({{20, "last"}})},
        {"201\r\n202\r\n203\r\n", 2, "0", twenty({{1, "201"}, {2, "0"}, {3, "203"}})},
        {"a\nb", 4, "d", twenty({{1, "a"}, {2, "b"}, {4, "d"}})},
        {"", 1, "x", twenty({{1, "x"}})},
        {"only\r\n", 1, "", twenty({})},
        {nullptr, 1,
         "dur\xC3\xA9"
         "e",
         twenty({}).replace(0, 0,
                            "dur\xE9"
                            "e")},
    };
    for (const Case& c : cases) {
        TemporaryProgramFolder folder;
        if (c.before) write_bytes(folder.file(kName), c.before);
        ecrit_parametre(QString::fromUtf8(c.value), kName, c.n, echecs);
        EXPECT_EQ(read_bytes(folder.file(kName)), c.after) << (c.before ? c.before : "(no file)") << " line " << c.n;
    }
    TemporaryProgramFolder folder;
    write_bytes(folder.file(kName), twenty_five.join(QStringLiteral("\r\n")).toLatin1());
    ecrit_parametre(QStringLiteral("new"), kName, 5, echecs);
    EXPECT_EQ(read_bytes(folder.file(kName)), lines_bytes(first_twenty)) << "a 25-line file keeps its first 20 lines";
    EXPECT_TRUE(recorder().messages.isEmpty());
}

TEST(EcritParametre, ThreeSeparateWritesMakeTheColourFile) {
    WriteFailures echecs;
    TemporaryProgramFolder folder;
    ecrit_parametre(QStringLiteral("255"), kName, 1, echecs);
    ecrit_parametre(QStringLiteral("0"), kName, 2, echecs);
    ecrit_parametre(QStringLiteral("0"), kName, 3, echecs);
    EXPECT_EQ(read_bytes(folder.file(kName)), twenty({{1, "255"}, {2, "0"}, {3, "0"}}));
    EXPECT_EQ(lit_parametre_defaut(kName, 2, QStringLiteral("202")), QStringLiteral("0"));
}

TEST(EcritParametre, AboveTwentyShowsTheLimitAndWritesNothing) {
    WriteFailures echecs;
    TemporaryProgramFolder folder;
    ecrit_parametre(QStringLiteral("x"), kName, 21, echecs);
    EXPECT_EQ(recorder().messages,
              QStringList{QStringLiteral(" max_parametre = 20\n augmenter ce nombre dans le source...")});
    EXPECT_FALSE(QFileInfo::exists(folder.file(kName)));

    write_bytes(folder.file(kName), "1\r\n2\r\n");
    ecrit_parametre(QStringLiteral("x"), kName, 99, echecs);
    EXPECT_EQ(read_bytes(folder.file(kName)), QByteArray("1\r\n2\r\n"));
    EXPECT_EQ(recorder().messages.size(), 2);
}

TEST(EcritParametre, BelowOneWritesNothing) {
    WriteFailures echecs;
    TemporaryProgramFolder folder;
    ecrit_parametre(QStringLiteral("x"), kName, 0, echecs);
    ecrit_parametre(QStringLiteral("x"), kName, -3, echecs);
    EXPECT_FALSE(QFileInfo::exists(folder.file(kName)));
    EXPECT_TRUE(recorder().messages.isEmpty());
}

TEST(EcritParametre, AFailedWriteIsReportedOnceAndWithoutTone) {
    WriteFailures echecs;
    TemporaryProgramFolder folder;
    ASSERT_TRUE(QDir().mkpath(folder.file(kName)));  // a folder where the file should be
    ecrit_parametre(QStringLiteral("1"), kName, 1, echecs);
    ecrit_parametre(QStringLiteral("2"), kName, 2, echecs);
    ASSERT_EQ(recorder().messages.size(), 1);
    EXPECT_TRUE(recorder().messages.front().startsWith(
        QStringLiteral("Cannot write file \"") + QDir::toNativeSeparators(folder.file(kName)) + QStringLiteral("\". ")))
        << recorder().messages.front().toStdString();
    EXPECT_TRUE(recorder().tones.empty());
    EXPECT_EQ(recorder().beeps, 0);
    EXPECT_TRUE(QFileInfo(folder.file(kName)).isDir());
    EXPECT_EQ(lit_parametre_defaut(kName, 1, QStringLiteral("201")), QStringLiteral("201"));
}

TEST(LigneUnique, FirstLineOnlyOrEmpty) {
    TemporaryProgramFolder folder;
    const QString name = QStringLiteral("~qrt_vorn_rep.~r");
    EXPECT_EQ(lit_ligne_unique(name), QString());
    struct Case {
        const char* bytes;
        const char* line;
    };
    const Case cases[] = {{"/data/runs/\r\n", "/data/runs/"},
                          {"first\r\nsecond\r\nthird\r\n", "first"},
                          {"first\rsecond", "first"},
                          {"", ""},
                          {"\r\nsecond\r\n", ""},
                          {"no line end", "no line end"},
                          {"/home/s\xE9verine/\r\n", "/home/séverine/"}};
    for (const Case& c : cases) {
        write_bytes(folder.file(name), c.bytes);
        EXPECT_EQ(lit_ligne_unique(name), QString::fromUtf8(c.line)) << c.bytes;
    }
}

TEST(LigneUnique, WritingReplacesTheWholeFile) {
    WriteFailures echecs;
    TemporaryProgramFolder folder;
    const QString name = QStringLiteral("~qrt_vorn_rep.~f");
    write_bytes(folder.file(name), "old\r\nlines\r\n");
    ecrit_ligne_unique(name, QStringLiteral("muon_run.txt"), echecs);
    EXPECT_EQ(read_bytes(folder.file(name)), QByteArray("muon_run.txt\r\n"));
    ecrit_ligne_unique(name, QStringLiteral("/home/séverine/données/"), echecs);
    EXPECT_EQ(lit_ligne_unique(name), QStringLiteral("/home/séverine/données/"));
    ecrit_ligne_unique(name, QStringLiteral("/tmp/日本/"), echecs);
    EXPECT_EQ(lit_ligne_unique(name), QStringLiteral("/tmp/日本/"));
    EXPECT_TRUE(recorder().tones.empty());
    EXPECT_TRUE(recorder().messages.isEmpty());
}

TEST(LigneUnique, AFailedWriteSoundsTheToneEachTimeAndIsReportedOnce) {
    WriteFailures echecs;
    TemporaryProgramFolder folder;
    const QString name = QStringLiteral("~qrt_vorn_rep.~r");
    ASSERT_TRUE(QDir().mkpath(folder.file(name)));  // a folder where the file should be
    ecrit_ligne_unique(name, QStringLiteral("/data/"), echecs);
    ecrit_ligne_unique(name, QStringLiteral("/data/"), echecs);
    EXPECT_EQ(recorder().tones, (std::vector<std::pair<int, int>>{{1250, 100}, {1250, 100}}));
    ASSERT_EQ(recorder().messages.size(), 1);
    EXPECT_TRUE(recorder().messages.front().startsWith(QStringLiteral("Cannot write file \"") +
                                                       QDir::toNativeSeparators(folder.file(name))))
        << recorder().messages.front().toStdString();
    EXPECT_EQ(recorder().beeps, 0);
}

TEST(SettingsFiles, AProgramFolderThatCannotBeWrittenKeepsThemInTheUsersConfigurationFolder) {
    WriteFailures echecs;
    TemporaryConfigFolder config;
    QTemporaryDir dir;
    platform::set_program_folder_for_tests(dir.path() + QStringLiteral("/missing/"));
    ecrit_parametre(QStringLiteral("255"), kName, 1, echecs);
    ecrit_ligne_unique(FICHIER_DERNIER_NOM, QStringLiteral("run.txt"), echecs);
    EXPECT_EQ(read_bytes(config.application_folder() + kName), twenty({{1, "255"}}));
    EXPECT_EQ(lit_parametre(kName, 1), QStringLiteral("255"));
    EXPECT_EQ(lit_ligne_unique(FICHIER_DERNIER_NOM), QStringLiteral("run.txt"));
    EXPECT_EQ(chemin_du_reglage(FICHIER_DERNIER_NOM), config.application_folder() + FICHIER_DERNIER_NOM);
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|').toStdString();
    EXPECT_TRUE(recorder().tones.empty());
    platform::set_program_folder_for_tests(QString());
}
