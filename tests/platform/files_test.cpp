// The program folder, file size, modification stamp and the split of a path.
#include "platform/files.h"
#include "support/recorder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgramFolder, IsTheExecutablesFolderWithASlash) {
    EXPECT_EQ(platform::program_folder(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    {
        TemporaryProgramFolder folder;
        EXPECT_EQ(platform::program_folder(), folder.path());
        EXPECT_TRUE(platform::program_folder().endsWith(QLatin1Char('/')));
    }
    EXPECT_EQ(platform::program_folder(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    platform::set_program_folder_for_tests(QStringLiteral("/some/folder"));
    EXPECT_EQ(platform::program_folder(), QStringLiteral("/some/folder/"));
    platform::set_program_folder_for_tests(QString());
}

TEST(ProgramFolder, DoesNotDependOnTheWorkingDirectory) {
    const QString before = platform::program_folder();
    const QString cwd = QDir::currentPath();
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    EXPECT_EQ(platform::program_folder(), before);
    QDir::setCurrent(cwd);
}

TEST(FileSize, BytesOrMinusOneAndReadAfreshEachTime) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.txt"));
    EXPECT_EQ(platform::file_size(path), -1);
    EXPECT_FALSE(platform::file_exists(path));
    write_bytes(path, "12345");
    EXPECT_TRUE(platform::file_exists(path));
    EXPECT_EQ(platform::file_size(path), 5);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("678\r\n");
    }
    EXPECT_EQ(platform::file_size(path), 10);
    write_bytes(path, "");
    EXPECT_EQ(platform::file_size(path), 0);
    EXPECT_FALSE(platform::file_exists(dir.path())) << "a folder is not a file";
}

TEST(FileStamp, PacksTheLocalLastWriteTimeIntoThirtyTwoBits) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.txt"));
    EXPECT_EQ(platform::file_stamp(path), -1);
    write_bytes(path, "x");

    struct Case {
        QDateTime when;
        std::int32_t packed;
    };
    const Case cases[] = {
        {QDateTime(QDate(2024, 3, 15), QTime(13, 47, 31)),
         (44 << 25) | (3 << 21) | (15 << 16) | (13 << 11) | (47 << 5) | 15},
        {QDateTime(QDate(1999, 12, 31), QTime(23, 59, 58)),
         (19 << 25) | (12 << 21) | (31 << 16) | (23 << 11) | (59 << 5) | 29},
        {QDateTime(QDate(1980, 1, 1), QTime(0, 0, 1)), (0 << 25) | (1 << 21) | (1 << 16)},
    };
    for (const Case& c : cases) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(c.when, QFileDevice::FileModificationTime));
        f.close();
        // Read afresh: each new time shows at once.
        EXPECT_EQ(platform::file_stamp(path), c.packed) << c.when.toString().toStdString();
    }
    // Years from 2044 on set the sign bit: the stamp is a signed 32-bit value.
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2050, 6, 1), QTime(12, 0, 0)), QFileDevice::FileModificationTime));
    }
    EXPECT_LT(platform::file_stamp(path), 0);
    EXPECT_NE(platform::file_stamp(path), -1);
}

TEST(PathParts, SplitAtTheLastSlash) {
    struct Case {
        const char* path;
        const char* folder;
        const char* name;
    };
    const Case cases[] = {
        {"/data/run/muon.txt", "/data/run/", "muon.txt"},
        {"muon.txt", "", "muon.txt"},
        {"/data/run/", "/data/run/", ""},
        {"/muon.txt", "/", "muon.txt"},
        {"", "", ""},
        {"/a.b/c", "/a.b/", "c"},
    };
    for (const Case& c : cases) {
        const QString path = QString::fromUtf8(c.path);
        EXPECT_EQ(platform::folder_part(path), QString::fromUtf8(c.folder)) << c.path;
        EXPECT_EQ(platform::name_part(path), QString::fromUtf8(c.name)) << c.path;
        EXPECT_EQ(platform::folder_part(path) + platform::name_part(path), path);
    }
    EXPECT_EQ(platform::native_path(QStringLiteral("/a/b.txt")), QDir::toNativeSeparators(QStringLiteral("/a/b.txt")));
}
