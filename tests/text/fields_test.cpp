// Cutting lines into fields, decimal marks, blank trimming.
#include "platform/numbers.h"
#include "text/fields.h"

#include <QRandomGenerator>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

// The field routine as a plain, slow reading of its rules: collapse runs of
// separators, frame the text with separators, find the n-th and (n+1)-th
// separator by marking each one passed with '"' and searching again from the
// start, take what lies strictly between, drop the blanks at both ends.
QString extrait_reference(const QString& s, int n, QChar sep) {
    QString w = s;
    const QString pair = QString(sep) + sep;
    for (qsizetype p = w.indexOf(pair); p >= 0; p = w.indexOf(pair)) w.remove(p, 1);
    if (w.isEmpty()) return QStringLiteral("_extraitUTIL<>");
    if (w.front() != sep) w.prepend(sep);
    if (w.back() != sep) w.append(sep);
    qsizetype p1 = 0;
    qsizetype p2 = 0;  // 1-based, 0 when not found
    for (int i = 1; n > 0 && i <= n + 1; ++i) {
        const qsizetype p = w.indexOf(sep) + 1;
        if (p > 0) w[p - 1] = QLatin1Char('"');
        if (i == n) p1 = p;
        if (i == n + 1) p2 = p;
    }
    QString field = p2 - p1 - 1 > 0 ? w.mid(p1, p2 - p1 - 1) : QString();
    while (field.endsWith(QLatin1Char(' '))) field.chop(1);
    while (field.startsWith(QLatin1Char(' '))) field.remove(0, 1);
    return field;
}

}  // namespace

TEST(Extrait, FieldsOfTypicalLines) {
    struct Case {
        const char* line;
        int n;
        char sep;
        const char* field;
    };
    const Case cases[] = {
        {"10:01:00\t2.5", 1, '\t', "10:01:00"},
        {"10:01:00\t2.5", 2, '\t', "2.5"},
        {"10:01:00\t2.5", 3, '\t', ""},
        {"10:01:00\t2.5", 0, '\t', ""},
        {"10:01:00\t\t2.5", 2, '\t', "2.5"},  // a run of separators is one
        {"10:01:00\t\t\t2.5\t\t", 2, '\t', "2.5"},
        {"\t2.5", 1, '\t', "2.5"},  // a leading separator makes no empty field
        {"2.5\t", 1, '\t', "2.5"},
        {"2.5\t", 2, '\t', ""},
        {"\t\t\t", 1, '\t', ""},  // separators only: every field is empty
        {"\t\t\t", 2, '\t', ""},
        {"\t", 0, '\t', ""},
        {" 12 : 30 :15", 2, ':', "30"},  // blanks around a field go
        {" 12 : 30 :15", 1, ':', "12"},
        {" 12 : 30 :15", 3, ':', "15"},
        {"12:\t30 :15", 2, ':', "\t30"},  // a tab next to a field stays
        {"a\t   \tb", 2, '\t', ""},       // a field of blanks is empty
        {"a\t   \tb", 3, '\t', "b"},
        {"  12   34 ", 2, ' ', "34"},  // blank as separator
        {"a\"b\"c", 1, '"', ""},       // '"' as separator: every field is empty
        {"a\"b\"c", 2, '"', ""},
        {"a\"b\tc\"d", 1, '\t', "a\"b"},  // a '"' inside a field is kept
        {"a\"b\tc\"d", 2, '\t', "c\"d"},
        {"10:01:00\t2,5\tdurée", 3, '\t', "durée"},
    };
    for (const Case& c : cases) {
        const QString line = u(c.line);
        const QChar sep = QLatin1Char(c.sep);
        const auto n = static_cast<unsigned char>(c.n);
        EXPECT_EQ(extrait(line, n, sep), u(c.field)) << c.line << " #" << c.n;
        EXPECT_EQ(extrait_vue(line, n, sep).toString(), u(c.field)) << c.line << " #" << c.n;
    }
}

TEST(Extrait, TheEmptyLineGivesTheMarkerForEveryField) {
    EXPECT_EQ(EXTRAIT_MARQUEUR, QStringLiteral("_extraitUTIL<") + QStringLiteral(">"));
    for (int n : {0, 1, 2, 255}) {
        for (char sep : {'\t', ':', '"'}) {
            EXPECT_EQ(extrait(QString(), static_cast<unsigned char>(n), QLatin1Char(sep)), EXTRAIT_MARQUEUR);
            EXPECT_EQ(extrait_vue(QStringView(), static_cast<unsigned char>(n), QLatin1Char(sep)), EXTRAIT_MARQUEUR);
        }
    }
    // A line of blanks is not empty: its one field is empty after trimming.
    EXPECT_EQ(extrait(QStringLiteral("   "), 1, QLatin1Char('\t')), QString());
}

TEST(Extrait, TheViewPointsIntoTheLineWithoutCopying) {
    const QString line = QStringLiteral("10:01:00\t  2.5  \t7");
    const QStringView field = extrait_vue(line, 2, QLatin1Char('\t'));
    EXPECT_EQ(field, QStringLiteral("2.5"));
    EXPECT_EQ(field.data(), line.constData() + 11);
}

TEST(Extrait, AgreesWithTheRulesOnRandomLines) {
    QRandomGenerator random(20240315);
    const char16_t alphabet[] = {u'a', u'7', u' ', u' ', u'\t', u'\t', u':', u'"', u'.', u','};
    const char16_t separators[] = {u'\t', u':', u' ', u'"', u','};
    for (int trial = 0; trial < 20000; ++trial) {
        QString line;
        const int length = random.bounded(12);
        for (int i = 0; i < length; ++i) line += QChar(alphabet[random.bounded(static_cast<int>(std::size(alphabet)))]);
        const QChar sep(separators[random.bounded(static_cast<int>(std::size(separators)))]);
        const int n = random.bounded(7);
        ASSERT_EQ(extrait(line, static_cast<unsigned char>(n), sep), extrait_reference(line, n, sep))
            << "line [" << line.toStdString() << "] field " << n << " sep [" << QString(sep).toStdString() << "]";
    }
}

TEST(Extrait, FieldNumbersUpTo255OnALongLine) {
    QStringList parts;
    for (int i = 1; i <= 300; ++i) parts.append(QString::number(i));
    const QString line = parts.join(QLatin1Char('\t'));
    EXPECT_EQ(extrait(line, 1, QLatin1Char('\t')), QStringLiteral("1"));
    EXPECT_EQ(extrait(line, 255, QLatin1Char('\t')), QStringLiteral("255"));
}

TEST(AdapteDecimales, BothMarksFollowTheLocaleSeparator) {
    struct Case {
        char16_t separator;
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {u'.', "1,5", "1.5"},
        {u'.', "1.5", "1.5"},
        {u',', "1.5", "1,5"},
        {u',', "1,5", "1,5"},
        {u'.', "10:01:00", "10:01:00"},
        {u',', "1.234,5", "1,234,5"},
        {u'.', "", ""},
        {u'\u066B', "1.5",
         "1\u066B"
         "5"},
        {u'\u066B', "2,5",
         "2\u066B"
         "5"},
    };
    for (const Case& c : cases) {
        platform::set_decimal_separator(QChar(c.separator));
        QString text = u(c.before);
        const QString copy = text;
        adapte_decimales(text);
        EXPECT_EQ(text, u(c.after)) << c.before;
        EXPECT_EQ(copy, u(c.before)) << "another copy of the text changed";
    }
}

TEST(AdapteCarDecimal, OnlyDotAndCommaChange) {
    platform::set_decimal_separator(QLatin1Char(','));
    for (char16_t c : {u'.', u',', u':', u'a', u' '}) {
        QChar ch(c);
        adapte_car_decimal(ch);
        EXPECT_EQ(ch, (c == u'.' || c == u',') ? QChar(u',') : QChar(c));
    }
}

TEST(SupprimeBlancs, SpacesOnlyAtTheChosenEnds) {
    struct Case {
        const char* text;
        const char* fin;
        const char* debut;
        const char* both;
    };
    const Case cases[] = {
        {"", "", "", ""},
        {"    ", "", "", ""},
        {"  a b  ", "  a b", "a b  ", "a b"},
        {" \tx\t ", " \tx\t", "\tx\t ", "\tx\t"},
        {"x", "x", "x", "x"},
        {"\u00A0x\u00A0", "\u00A0x\u00A0", "\u00A0x\u00A0", "\u00A0x\u00A0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(supprime_blancs_fin(u(c.text)), u(c.fin)) << c.text;
        EXPECT_EQ(supprime_blancs_debut(u(c.text)), u(c.debut)) << c.text;
        EXPECT_EQ(supprime_blancs(u(c.text)), u(c.both)) << c.text;
        EXPECT_EQ(supprime_blancs_vue(u(c.text)).toString(), u(c.both)) << c.text;
    }
}
