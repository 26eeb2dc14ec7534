// The parameter file of 20 numbered lines and the one-line files, in the
// program folder, or in the user's configuration folder when the program
// folder cannot be written.
#include "platform/files.h"
#include "platform/textfile.h"
#include "settings/key_values.h"
#include "settings/language_choice.h"
#include "settings/settings_files.h"
#include "support/config_folder.h"
#include "support/recorder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <utility>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

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

// The failures handed to the reporter, with whether each was to be told.
struct Signales {
    std::vector<std::pair<EchecDuReglage, bool>> recus;
    WriteFailures echecs;
    Signales() {
        echecs.signale = [this](const EchecDuReglage& e, bool a_dire) { recus.emplace_back(e, a_dire); };
    }
};

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
    TemporaryProgramFolder folder;
    QTemporaryDir elsewhere;
    write_bytes(elsewhere.filePath(kName), "9\r\n");
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    EXPECT_EQ(lit_parametre(kName, 1), QString());
    EXPECT_EQ(ecrit_parametre(QStringLiteral("5"), kName, 1), std::nullopt);
    QDir::setCurrent(cwd);
    EXPECT_EQ(read_bytes(folder.file(kName)), twenty({{1, "5"}}));
    EXPECT_EQ(read_bytes(elsewhere.filePath(kName)), QByteArray("9\r\n"));
}

TEST(EcritParametre, AlwaysLeavesExactlyTwentyLines) {
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
        EXPECT_EQ(ecrit_parametre(QString::fromUtf8(c.value), kName, c.n), std::nullopt);
        EXPECT_EQ(read_bytes(folder.file(kName)), c.after) << (c.before ? c.before : "(no file)") << " line " << c.n;
    }
    TemporaryProgramFolder folder;
    write_bytes(folder.file(kName), twenty_five.join(QStringLiteral("\r\n")).toLatin1());
    EXPECT_EQ(ecrit_parametre(QStringLiteral("new"), kName, 5), std::nullopt);
    EXPECT_EQ(read_bytes(folder.file(kName)), lines_bytes(first_twenty)) << "a 25-line file keeps its first 20 lines";
}

// The window colour: lines 1 to 3 read as the low eight bits of whole numbers.
// A line that is no whole number (garbage, binary junk) takes its default,
// and the file and the line are told once, as a read: nothing stops the
// start-up. A pipe in the file's place is not read.
TEST(CouleurFenetre, TheColourFileGivesTheLowEightBitsOfEachLine) {
    struct Case {
        const char* file;  // nullptr: no file
        std::array<int, 3> rvb;
        const char* told = nullptr;  // what the message says after the file's name
    };
    const Case cases[] = {
        {nullptr, {201, 202, 203}},
        {"255\r\n0\r\n0\r\n", {255, 0, 0}},
        {"300\r\n-1\r\n0\r\n", {44, 255, 0}},
        {"256\r\n512\r\n-256\r\n", {0, 0, 0}},
        {"10\r\n", {10, 10, 10}},           // a one-line file gives its line for all three
        {"\r\n\r\n\r\n", {201, 202, 203}},  // empty lines take the defaults
        {"", {201, 202, 203}},
        {"  7\n8\r9", {7, 8, 9}},  // leading blanks, any line end
        {"2147483647\r\n-2147483648\r\n65\r\n", {255, 0, 65}},
        {"hello world\r\n", {201, 202, 203},
         ", line 1: 'hello world' is not a valid integer value, line 2: 'hello world' is not a valid integer value, "
         "line 3: 'hello world' is not a valid integer value. The window colour takes its default there."},
        {"10\r\n\x01\x02\r\n30\r\n", {10, 202, 30},
         ", line 2: '\xEF\xBF\xBD\xEF\xBF\xBD' is not a valid integer value. The window colour takes its default there."},
    };
    for (const Case& c : cases) {
        TemporaryProgramFolder folder;
        if (c.file) write_bytes(folder.file(kName), c.file);
        Signales s;
        EXPECT_EQ(lit_couleur_fenetre(s.echecs), c.rvb) << (c.file ? c.file : "(no file)");
        if (!c.told) {
            EXPECT_TRUE(s.recus.empty()) << c.file;
            continue;
        }
        ASSERT_EQ(s.recus.size(), 1u) << c.file;
        const EchecDuReglage& e = s.recus[0].first;
        EXPECT_EQ(e.message, QStringLiteral("File \"") + QDir::toNativeSeparators(folder.file(kName)) +
                                 QLatin1Char('"') + QString::fromUtf8(c.told));
        EXPECT_TRUE(e.lecture);
        EXPECT_FALSE(e.tonalite);
    }
#ifdef Q_OS_UNIX
    TemporaryProgramFolder folder;
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.file(kName)).constData(), 0644), 0);
    Signales s;
    EXPECT_EQ(lit_couleur_fenetre(s.echecs), (std::array<int, 3>{201, 202, 203}));
    ASSERT_EQ(s.recus.size(), 1u) << "the pipe is told once, not at each of its three lines";
    EXPECT_EQ(s.recus[0].first.message, QStringLiteral("Cannot read file \"") +
                                            QDir::toNativeSeparators(folder.file(kName)) +
                                            QStringLiteral("\". Not a regular file. Its settings keep their defaults."));
    EXPECT_TRUE(s.recus[0].second);
    EXPECT_TRUE(s.recus[0].first.lecture);
#endif
}

TEST(CouleurFenetre, WritingKeepsTheOtherLinesAndReadsBack) {
    Signales s;
    TemporaryProgramFolder folder;
    ecrit_couleur_fenetre({255, 0, 0}, s.echecs);
    EXPECT_EQ(read_bytes(folder.file(kName)), twenty({{1, "255"}, {2, "0"}, {3, "0"}}));
    write_bytes(folder.file(kName), "1\r\n2\r\n3\r\nkept\r\n");
    ecrit_couleur_fenetre({0, 128, 255}, s.echecs);
    EXPECT_EQ(read_bytes(folder.file(kName)), twenty({{1, "0"}, {2, "128"}, {3, "255"}, {4, "kept"}}));
    EXPECT_EQ(lit_couleur_fenetre(s.echecs), (std::array<int, 3>{0, 128, 255}));
    EXPECT_TRUE(s.recus.empty());
}

TEST(EcritParametre, AboveTwentyGivesTheLimitAndWritesNothing) {
    TemporaryProgramFolder folder;
    const EchecDuReglage limite{
        {}, QStringLiteral(" max_parametre = 20\n augmenter ce nombre dans le source..."), false};
    EXPECT_EQ(ecrit_parametre(QStringLiteral("x"), kName, 21), limite);
    EXPECT_FALSE(QFileInfo::exists(folder.file(kName)));

    // Told every time: no file stands behind it.
    Signales s;
    write_bytes(folder.file(kName), "1\r\n2\r\n");
    ecrit_parametre(QStringLiteral("x"), kName, 99, s.echecs);
    ecrit_parametre(QStringLiteral("x"), kName, 21, s.echecs);
    EXPECT_EQ(read_bytes(folder.file(kName)), QByteArray("1\r\n2\r\n"));
    EXPECT_EQ(s.recus, (std::vector<std::pair<EchecDuReglage, bool>>{{limite, true}, {limite, true}}));
}

TEST(EcritParametre, BelowOneWritesNothing) {
    TemporaryProgramFolder folder;
    EXPECT_EQ(ecrit_parametre(QStringLiteral("x"), kName, 0), std::nullopt);
    EXPECT_EQ(ecrit_parametre(QStringLiteral("x"), kName, -3), std::nullopt);
    EXPECT_FALSE(QFileInfo::exists(folder.file(kName)));
}

// A folder where the file should be: each write fails, the file is told once,
// and only a one-line file asks for the tone, at each failure.
TEST(SettingsFiles, AFailedWriteIsToldOnceAndOnlyAOneLineFileSoundsTheTone) {
    struct Case {
        QString name;
        std::function<void(WriteFailures&)> write;
        bool tone;
    };
    const Case cases[] = {
        {kName, [](WriteFailures& e) { ecrit_parametre(QStringLiteral("1"), kName, 1, e); }, false},
        {FICHIER_DERNIER_DOSSIER,
         [](WriteFailures& e) { ecrit_ligne_unique(FICHIER_DERNIER_DOSSIER, QStringLiteral("/data/"), e); }, true},
    };
    for (const Case& c : cases) {
        TemporaryProgramFolder folder;
        ASSERT_TRUE(QDir().mkpath(folder.file(c.name)));
        Signales s;
        c.write(s.echecs);
        c.write(s.echecs);
        ASSERT_EQ(s.recus.size(), 2u) << c.name.toStdString();
        const QString path = folder.file(c.name);
        EXPECT_EQ(s.recus[0].first.chemin, path);
        EXPECT_TRUE(s.recus[0].first.message.startsWith(QStringLiteral("Cannot write file \"") +
                                                        QDir::toNativeSeparators(path) + QStringLiteral("\". ")))
            << s.recus[0].first.message.toStdString();
        EXPECT_EQ(s.recus[0].first.tonalite, c.tone);
        EXPECT_EQ(s.recus[0].first, s.recus[1].first);
        EXPECT_TRUE(s.recus[0].second);
        EXPECT_FALSE(s.recus[1].second) << "told once";
        EXPECT_TRUE(QFileInfo(path).isDir());
        EXPECT_TRUE(recorder().messages.isEmpty());
        EXPECT_TRUE(recorder().tones.empty());
    }
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
    TemporaryProgramFolder folder;
    const QString name = QStringLiteral("~qrt_vorn_rep.~f");
    write_bytes(folder.file(name), "old\r\nlines\r\n");
    EXPECT_EQ(ecrit_ligne_unique(name, QStringLiteral("muon_run.txt")), std::nullopt);
    EXPECT_EQ(read_bytes(folder.file(name)), QByteArray("muon_run.txt\r\n"));
    EXPECT_EQ(ecrit_ligne_unique(name, QStringLiteral("/home/séverine/données/")), std::nullopt);
    EXPECT_EQ(lit_ligne_unique(name), QStringLiteral("/home/séverine/données/"));
    EXPECT_EQ(ecrit_ligne_unique(name, QStringLiteral("/tmp/日本/")), std::nullopt);
    EXPECT_EQ(lit_ligne_unique(name), QStringLiteral("/tmp/日本/"));
}

TEST(SettingsFiles, AProgramFolderThatCannotBeWrittenKeepsThemInTheUsersConfigurationFolder) {
    TemporaryConfigFolder config;
    QTemporaryDir dir;
    platform::set_program_folder_for_tests(dir.path() + QStringLiteral("/missing/"));
    EXPECT_EQ(ecrit_parametre(QStringLiteral("255"), kName, 1), std::nullopt);
    EXPECT_EQ(ecrit_ligne_unique(FICHIER_DERNIER_NOM, QStringLiteral("run.txt")), std::nullopt);
    EXPECT_EQ(read_bytes(config.application_folder() + kName), twenty({{1, "255"}}));
    EXPECT_EQ(lit_parametre(kName, 1), QStringLiteral("255"));
    EXPECT_EQ(lit_ligne_unique(FICHIER_DERNIER_NOM), QStringLiteral("run.txt"));
    EXPECT_EQ(chemin_du_reglage(FICHIER_DERNIER_NOM), config.application_folder() + FICHIER_DERNIER_NOM);
    platform::set_program_folder_for_tests(QString());
}

// A key=value file of ours: values of several lines, with backslashes, an
// '=' or blanks at their ends come back as written; a line without '=' and
// the blanks around a key are left out; a write that fails is told.
TEST(KeyValues, ValuesComeBackAsWrittenAndAFailedWriteIsTold) {
    TemporaryProgramFolder folder;
    const QString name = QStringLiteral("qrt_vorn.rap");
    EXPECT_TRUE(read_key_values(name).isEmpty());
    const KeyValues values{{QStringLiteral("names"), QStringLiteral("Ana Martin, Bo Durand")},
                           {QStringLiteral("note"), QStringLiteral("aimant posé\nseuil à −30 mV\\n = fin ")},
                           {QStringLiteral("empty"), QString()},
                           {QStringLiteral("path"), QStringLiteral("C:\\runs\\nuit\\")}};
    Signales s;
    write_key_values(name, values, s.echecs);
    EXPECT_TRUE(s.recus.empty());
    EXPECT_EQ(read_key_values(name), values);
    EXPECT_EQ(platform::read_text_lines(folder.file(name)).size(), values.size()) << "one line a key";

    write_bytes(folder.file(name), "no equals sign\r\n  group = TP 3\r\n=no key\r\n");
    EXPECT_EQ(read_key_values(name), (KeyValues{{QStringLiteral("group"), QStringLiteral(" TP 3")}}));

    const QString other = QStringLiteral("qrt_vorn.autre");
    ASSERT_TRUE(QDir().mkpath(folder.file(other)));
    write_key_values(other, values, s.echecs);
    ASSERT_EQ(s.recus.size(), 1u);
    EXPECT_EQ(s.recus.front().first.chemin, folder.file(other));
    EXPECT_TRUE(QFileInfo(folder.file(other)).isDir());
}

// The language chosen in the setup panel: written whole as "language=…", read
// back; the desktop's (empty) for no file, "system", or a language vorns does
// not speak.
TEST(LangueChoisie, IsRememberedAsOneKeyLine) {
    TemporaryProgramFolder folder;
    WriteFailures echecs;
    EXPECT_EQ(lit_langue_choisie(), QString());
    for (const char* langue : {"de", "en", "fr", ""}) {
        ecrit_langue_choisie(QString::fromLatin1(langue), echecs);
        EXPECT_EQ(lit_langue_choisie(), QString::fromLatin1(langue));
    }
    EXPECT_EQ(read_bytes(folder.file(FICHIER_LANGUE)), QByteArray("language=system\r\n"));
    for (const char* contenu : {"language=it\r\n", "langue=de\r\n", "language=\r\n"}) {
        write_bytes(folder.file(FICHIER_LANGUE), contenu);
        EXPECT_EQ(lit_langue_choisie(), QString()) << contenu;
    }
    write_bytes(folder.file(FICHIER_LANGUE), "# chosen in the setup panel\nlanguage=de\n");
    EXPECT_EQ(lit_langue_choisie(), QStringLiteral("de"));
}
