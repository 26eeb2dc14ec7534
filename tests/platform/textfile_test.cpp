// Text files: decoding (UTF-8 or Windows-1252), line breaks, encoding on
// writing, and the writes that must leave the old file whole when they fail.
#include "platform/errors.h"
#include "platform/textfile.h"
#include "support/child_process.h"
#include "support/file_size_limit.h"
#include "support/recorder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {
QByteArray b(const char* bytes) { return QByteArray(bytes); }
QString u(const char* utf8) { return QString::fromUtf8(utf8); }
}  // namespace

TEST(DecodeText, Utf8WhenValidElseWindows1252) {
    struct Case {
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {b(""), u("")},
        {b("abc"), u("abc")},
        {b("caf\xC3\xA9"), u("café")},
        {b("\xEF\xBB\xBF"
           "abc"),
         u("abc")},
        {b("\xEF\xBB\xBF"
           "caf\xC3\xA9"),
         u("café")},
        {b("\xEF\xBB\xBF"), u("")},
        {b("\xEF\xBB\xBF"
           "dur\xE9"
           "e"),
         u("durée")},  // a byte-order mark, then Windows-1252: the mark goes
        {b("caf\xE9"), u("café")},
        {b("\x80 \x93x\x94 \x9C"), u("€ “x” œ")},
        {b("dur\xE9"
           "e \xB5s"),
         u("durée µs")},
        {b("abc\xC3"), u("abcÃ")},                            // a UTF-8 sequence cut at the end
        {b("\xC3\xA9\xE9"), u("Ã©é")},                        // valid UTF-8 followed by a stray byte
        {b("\xC0\xAF"), u("À¯")},                             // an overlong form is not UTF-8
        {b("\x81\x8D"), QString(QChar(0x81)) + QChar(0x8D)},  // bytes without a character
    };
    for (const Case& c : cases) EXPECT_EQ(platform::decode_text(c.bytes), c.text) << c.bytes.toHex().constData();
}

TEST(EncodingCheck, GivesTheEncodingOfTheWholeFromPartsCutAnywhere) {
    // The whole text's answer: UTF-8 when valid and decoded without error.
    const auto du_tout = [](const QByteArray& t) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        (void)decoder.decode(t);
        return QByteArrayView(t).isValidUtf8() && !decoder.hasError() ? platform::TextEncoding::utf8
                                                                      : platform::TextEncoding::cp1252;
    };
    const char* const textes[] = {
        "Heure\tDuree\r\n",
        "Heure\tDur\xC3\xA9"
        "e\r\n\xE2\x82\xAC \xF0\x9F\x98\x80 x",  // two, three and four bytes
        "Heure\tDur\xE9"
        "e\r\n",                          // Windows-1252
        "ok \xC3\xA9 then cut \xE2\x82",  // a sequence cut at the end
        "\x80 a continuation byte first",
        "\xC3\xA9\x80 one continuation byte too many",
        "\xC0\xAF overlong, \xED\xA0\x80 a surrogate, \xF4\x90\x80\x80 past U+10FFFF",
        "\xF0\x9F\x98\x80\x80\x80 five after a lead",
        "\xEF\xBB\xBF a mark inside \xC3\xA9",
    };
    for (const char* texte : textes) {
        const QByteArray t(texte);
        for (qsizetype morceau = 1; morceau <= 6; ++morceau) {
            platform::EncodingCheck verification;
            for (qsizetype i = 0; i < t.size(); i += morceau)
                verification.add(QByteArrayView(t).sliced(i, std::min(morceau, t.size() - i)));
            EXPECT_EQ(verification.result(), du_tout(t)) << texte << " in parts of " << morceau;
        }
        EXPECT_EQ(platform::text_encoding(t), du_tout(t)) << texte;
    }
}

TEST(SplitLines, CrLfLfAndLoneCrEndLinesAndATrailingBreakOpensNoLine) {
    struct Case {
        const char* text;
        QStringList lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"  x\t1 \n", {"  x\t1 "}},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::split_lines(u(c.text)), c.lines) << c.text;
}

TEST(EncodeLines, Windows1252WhenEveryCharacterFitsElseUtf8AndCrLfAfterEachLine) {
    struct Case {
        QStringList lines;
        QByteArray bytes;
    };
    const Case cases[] = {
        {{}, b("")},
        {{""}, b("\r\n")},
        {{"a", "b"}, b("a\r\nb\r\n")},
        {{u("café €"), u("“œ”")}, b("caf\xE9 \x80\r\n\x93\x9C\x94\r\n")},
        {{QString(QChar(0x81))}, b("\x81\r\n")},
        {{u("café"), u("日本")}, b("caf\xC3\xA9\r\n\xE6\x97\xA5\xE6\x9C\xAC\r\n")},
        {{u("Ω")}, b("\xCE\xA9\r\n")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::encode_lines(c.lines), c.bytes) << c.lines.join(QLatin1Char('|')).toStdString();
        // What is written reads back as the same lines.
        EXPECT_EQ(platform::split_lines(platform::decode_text(c.bytes)), c.lines);
    }
}

TEST(TextFiles, WriteThenReadGivesTheLinesBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    const QStringList lines{u("durée"), QString(), u("10:01:00\t2.5")};
    EXPECT_FALSE(platform::save_text_lines(path, lines).has_value());
    EXPECT_EQ(read_bytes(path), b("dur\xE9"
                                  "e\r\n\r\n10:01:00\t2.5\r\n"));
    EXPECT_EQ(platform::read_text_lines(path), lines);
    EXPECT_EQ(platform::try_read_text_lines(path), lines);
    EXPECT_EQ(platform::try_read_text_lines(path, 2), (QStringList{u("durée"), QString()}));

    // A second write replaces the first whole.
    EXPECT_FALSE(platform::save_text_lines(path, {QStringLiteral("x")}).has_value());
    EXPECT_EQ(read_bytes(path), b("x\r\n"));
}

TEST(TextFiles, AnEmptyFileHasNoLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empty.txt"));
    write_bytes(path, {});
    EXPECT_TRUE(platform::read_text_lines(path).isEmpty());
    EXPECT_EQ(platform::try_read_text_lines(path), QStringList());
}

TEST(TextFiles, AMissingFileRaisesCannotOpenWithThePathAndTheReason) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing.txt"));
    const QString prefix =
        QStringLiteral("Cannot open file \"") + QDir::toNativeSeparators(path) + QStringLiteral("\". ");
    for (auto read : {+[](const QString& p) { platform::read_text_lines(p); },
                      +[](const QString& p) { platform::read_file_bytes(p); },
                      +[](const QString& p) { platform::FileBlocks blocks(p); }}) {
        try {
            read(path);
            ADD_FAILURE() << "no error";
        } catch (const platform::Error& e) {
            EXPECT_TRUE(e.text().startsWith(prefix)) << e.text().toStdString();
            EXPECT_GT(e.text().size(), prefix.size()) << "the system's reason is missing";
        }
    }
    EXPECT_FALSE(platform::try_read_text_lines(path).has_value());
}

TEST(SaveTextLines, ReplacesTheFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.comment"));
    write_bytes(path, b("old line 1\r\nold line 2\r\nold line 3\r\n"));
    EXPECT_FALSE(platform::save_text_lines(path, {u("nouveau é")}).has_value());
    EXPECT_EQ(read_bytes(path), b("nouveau \xE9\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("c.comment")});
}

TEST(SaveTextLines, AFolderInTheFilesPlaceOrAMissingFolderFailsAndChangesNothing) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("taken"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/inside")));
    auto reason = platform::save_text_lines(folder, {"a"});
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->isEmpty());
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/inside")).isDir());

    reason = platform::save_text_lines(dir.filePath(QStringLiteral("missing/x.comment")), {"a"});
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->isEmpty());
}

#ifdef Q_OS_UNIX
// A write that stops half-way (here: the file size limit of the process,
// as a full disk would) leaves the previous file whole and no temporary file.
TEST(SaveTextLines, AWriteThatStopsHalfWayLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.comment"));
    const QByteArray old = b("the previous comment\r\nstays as it was\r\n");
    write_bytes(path, old);

    QStringList lines;
    for (int i = 0; i < 2000; ++i) lines.append(QStringLiteral("a long new comment line number %1").arg(i));

    std::optional<QString> reason;
    avec_fichiers_limites(1000, [&] { reason = platform::save_text_lines(path, lines); });

    ASSERT_TRUE(reason.has_value()) << "the short write was reported as success";
    EXPECT_FALSE(reason->isEmpty());
    EXPECT_EQ(read_bytes(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("c.comment")});
}
#endif

#ifdef Q_OS_UNIX
// A comment file the user may write, in a folder where no new file can be
// made (a shared data folder): the save writes the file in place rather than
// fail on its temporary file. Root writes anywhere, so as root the save runs
// in a child process as nobody.
TEST(SaveTextLines, AWritableFileInAFolderClosedToNewFilesIsWrittenInPlace) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.comment"));
    write_bytes(path, b("old\r\n"));
    const QByteArray folder = QFile::encodeName(dir.path());
    const QByteArray file = QFile::encodeName(path);
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(folder.constData(), 65534, 65534) | chown(file.constData(), 65534, 65534), 0);
    }
    ASSERT_EQ(chmod(folder.constData(), 0555) | chmod(file.constData(), 0644), 0);

    const auto save = [&] { return platform::save_text_lines(path, {u("nouveau é")}) ? 1 : 0; };
    const int failed =
        !root ? save() : dans_un_enfant([&] { return setgid(65534) == 0 && setuid(65534) == 0 ? save() : 2; });
    chmod(folder.constData(), 0755);
    EXPECT_EQ(failed, 0) << "1: the save failed, 2: could not run as nobody";
    EXPECT_EQ(read_bytes(path), b("nouveau \xE9\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("c.comment")});
}
#endif

#ifdef Q_OS_UNIX
// What stands where a small file should be and is no regular file of
// sensible size is not read (a pipe would hold the window until a writer
// comes, a device fill the memory), and is never replaced by a save: the
// reason is given, and it is left as it was.
TEST(SmallFiles, NoRegularFileOfSensibleSizeIsReadOrReplaced) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    const QString zero = dir.filePath(QStringLiteral("zero"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString large = dir.filePath(QStringLiteral("large"));
    write_bytes(large, QByteArray(platform::kLargestSmallFile + 1, 'x'));
    const QString folder = dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkpath(folder));
    struct Case {
        QString path;
        const char* reason;
    };
    const Case cases[] = {{pipe, "Not a regular file"},
                          {zero, "Not a regular file"},
                          {folder, "Not a regular file"},
                          {large, "Larger than 1048576 bytes"}};
    for (const Case& c : cases) {
        QString why;
        EXPECT_FALSE(platform::try_read_text_lines(c.path, 3, &why).has_value()) << c.reason;
        EXPECT_EQ(why, QString::fromLatin1(c.reason));
    }
    for (const QString& path : {pipe, zero, folder}) {
        EXPECT_EQ(platform::save_text_lines(path, {u("x")}), QStringLiteral("Not a regular file"));
    }
    EXPECT_EQ(QFileInfo(pipe).isFile() || QFileInfo(zero).symLinkTarget() != QStringLiteral("/dev/zero"), false);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden).size(), 4);
    // A file of the limit is read.
    write_bytes(large, QByteArray(platform::kLargestSmallFile, 'x'));
    EXPECT_EQ(platform::try_read_text_lines(large)->size(), 1);
}
#endif
