#pragma once
// What gives away a text left in another language than the one vorns speaks:
// a few common words of each of its languages, none of them a word of the
// others, a symbol or a name; and the numbers of a text, which are the same in
// every language.
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>

inline const QStringList& tell_tale_words(const QString& language) {
    static const QStringList french =
        QStringLiteral(
            "aucun aucune fichier ligne lignes ajusté ajustement durée durées événements évènements "
            "enregistrement enregistrements fenêtre taux trou trous tranche tranches fond moyenne commentaire "
            "commentaires enregistrer quitter échelle largeur classe début jour précision prévision stabilité "
            "bande écart rapport exclure retirer ajouter données unité unités seul avec sans dans pour les "
            "une est pas sur ou et du la le langue système imprimer exclu histogramme")
            .split(QLatin1Char(' '));
    static const QStringList english =
        QStringLiteral(
            "the of and with without file files line lines record records event events fit fitted window gap "
            "gaps background mean save quit cancel width class classes day stability deviation report remove "
            "add data unit units alone not for number time scale sound target comment comments close setup "
            "about exit refresh thickness colour color language print left out histogram")
            .split(QLatin1Char(' '));
    static const QStringList german =
        QStringLiteral(
            "der die das und nicht keine kein Datei Zeile Zeilen Ereignis Ereignisse Anpassung Untergrund "
            "Fenster Lücke Klasse Klassen Dauer Messreihe Speichern Beenden Abbrechen mit ohne für über "
            "Einheit Kommentar Bericht Sprache Histogramm")
            .split(QLatin1Char(' '));
    static const QStringList none;
    if (language == QLatin1String("fr")) return french;
    if (language == QLatin1String("en")) return english;
    if (language == QLatin1String("de")) return german;
    return none;
}

// The tell-tale words of the languages other than `spoken` ("en" or "de") in
// `text`, as whole words in any case, not the extension or folder of a path
// (".comment").
inline QStringList foreign_words(const QString& spoken, const QString& text) {
    QStringList found;
    for (const char* other : {"fr", "en", "de"}) {
        if (spoken == QLatin1String(other)) continue;
        for (const QString& word : tell_tale_words(QString::fromLatin1(other))) {
            const QRegularExpression whole(
                QStringLiteral("(?<![\\w'./-])") + QRegularExpression::escape(word) + QStringLiteral("(?![\\w'-])"),
                QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
            if (text.contains(whole)) found << word;
        }
    }
    return found;
}

// The numbers of a text, with a decimal point and "-" as their sign, sorted:
// a translation keeps them all, in whatever order its sentences take them.
inline QStringList numbers_of(const QString& text) {
    static const QRegularExpression number(QStringLiteral("(?<![\\w.,])[-\\x{2212}+]?\\d+(?:[.,]\\d+)?(?!\\w)"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    QStringList numbers;
    for (auto it = number.globalMatch(text); it.hasNext();) {
        QString n = it.next().captured();
        n.replace(QLatin1Char(','), QLatin1Char('.')).replace(QChar(0x2212), QLatin1Char('-'));
        numbers << n;
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}
