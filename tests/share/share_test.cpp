// The shared page's secret, its kept address and the bytes it serves.
#include "share/run_page.h"
#include "share/token.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

TEST(ShareToken, ComesFromTheSystemAndIsComparedWhole) {
    const QByteArray a = share::new_token();
    const QByteArray b = share::new_token();
    EXPECT_TRUE(share::token_form(a)) << a.constData();
    EXPECT_NE(a, b);
    QByteArray first = a, last = a;
    first[0] = first[0] == '0' ? '1' : '0';
    last[31] = last[31] == '0' ? '1' : '0';
    const struct {
        QByteArray given;
        bool same;
    } cases[] = {{a, true}, {first, false}, {last, false}, {a.left(31), false}, {a + "0", false}, {{}, false},
                 {a.toUpper() == a ? b : a.toUpper(), false}};
    for (const auto& c : cases) EXPECT_EQ(share::same_token(c.given, a), c.same) << c.given.constData();
    EXPECT_FALSE(share::token_form(a.toUpper() == a ? "0123456789ABCDEF0123456789ABCDEF" : a.toUpper()));
}

TEST(ShareKeptAddress, WrittenWholeForItsOwnerAloneAndReadBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(share::kKeptAddressFile);
    EXPECT_FALSE(share::read_kept_address(path));
    const share::KeptAddress kept{share::new_token(), 8765, true};
    ASSERT_FALSE(share::keep_address(path, kept));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "token=" + kept.token + "\nport=8765\nnetwork=1\n");
    EXPECT_EQ(share::read_kept_address(path), kept);

    // A file others may read is not trusted; one kept again is made the owner's.
    ::chmod(QFile::encodeName(path).constData(), 0644);
    QString why;
    EXPECT_FALSE(share::read_kept_address(path, &why));
    EXPECT_FALSE(why.isEmpty());
    ASSERT_FALSE(share::keep_address(path, kept));
    EXPECT_EQ(share::read_kept_address(path), kept);

    // What is no regular file is neither read nor replaced.
    const QString folder = dir.filePath(QStringLiteral("folder"));
    QDir().mkdir(folder);
    EXPECT_TRUE(share::keep_address(folder, kept));
    const QString link = dir.filePath(QStringLiteral("link"));
    QFile::link(path, link);
    EXPECT_FALSE(share::read_kept_address(link));
    EXPECT_FALSE(share::forget_address(path));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(SharePage, EscapesTheRunAndAllowsItsOwnStyleAndScriptAlone) {
    share::PageRun page;
    page.run.file = QStringLiteral("/data/<img src=x onerror=alert(1)>&.txt");
    page.run.records = 12;
    page.run.alarm = QStringLiteral("acquisition arrêtée ? <b>");
    page.updated = QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7), Qt::OffsetFromUTC, 3600);
    page.period_s = 2.5;
    const share::Pages pages = share::make_pages(page);
    const QString html = QString::fromUtf8(pages.html);
    EXPECT_TRUE(html.contains(QStringLiteral("<h1 id=\"name\">&lt;img src=x onerror=alert(1)&gt;&amp;.txt</h1>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<p id=\"alarm\" class=\"alarm\" role=\"alert\">acquisition arrêtée ? &lt;b&gt;</p>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<dd id=\"records\">12</dd>")));
    EXPECT_TRUE(html.contains(QStringLiteral("content=\"3\"")));  // the refresh without script, whole seconds
    EXPECT_EQ(html.count(QStringLiteral("<script")), 1);
    // The policy names the hashes of the style and the script the page holds.
    const QString policy = QString::fromLatin1(share::page_policy());
    for (const char* element : {"style", "script"}) {
        const QRegularExpression inline_text(QStringLiteral("<%1>(.*?)</%1>").arg(QLatin1String(element)),
                                             QRegularExpression::DotMatchesEverythingOption);
        const QByteArray text = inline_text.match(html).captured(1).toUtf8();
        const QString hash = QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Sha256).toBase64());
        EXPECT_TRUE(policy.contains(QStringLiteral("%1-src 'sha256-%2'").arg(QLatin1String(element), hash))) << element;
    }
    EXPECT_TRUE(policy.startsWith(QStringLiteral("default-src 'none'")));
    // run.json: the followed run's keys, then when it was reloaded.
    EXPECT_TRUE(pages.json.endsWith(",\"alarm\":\"acquisition arrêtée ? <b>\",\"updated\":\"2026-03-04T05:06:07+01:00\"}\n"))
        << pages.json.constData();
    EXPECT_TRUE(pages.histogram_svg.isEmpty());
}

}  // namespace
