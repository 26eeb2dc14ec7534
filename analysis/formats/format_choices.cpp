#include "analysis/formats/format_choices.h"

#include "platform/textfile.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// The texts of the choices in the program's language.
struct ChoiceText {
    Q_DECLARE_TR_FUNCTIONS(formats)
};

FormatChoices& choices_of_the_process() {
    static FormatChoices choices;
    return choices;
}

bool channel(const QString& value, int& k, bool veto) {
    if (veto && value == QLatin1String("none")) {
        k = daq::kNoVeto;
        return true;
    }
    bool ok = false;
    const int v = value.toInt(&ok);
    if (!ok || v < 0 || v >= daq::kChannels) return false;
    k = v;
    return true;
}

bool nanoseconds(const QString& value, double& ns) {
    bool ok = false;
    const double v = value.toDouble(&ok);  // C locale: '.' as the decimal mark
    if (!ok || !std::isfinite(v) || v < 0) return false;
    ns = v;
    return true;
}

}  // namespace

const FormatChoices& format_choices() { return choices_of_the_process(); }

void set_format_choices(const FormatChoices& choices) { choices_of_the_process() = choices; }

bool take_format_choice(const QString& key, const QString& value, FormatChoices& choices, QString& problem) {
    FormatChoices c = choices;
    bool ok = true;
    QString expected;
    if (key == QLatin1String("single_channel")) {
        ok = channel(value, c.decays.single_channel, false);
        expected = ChoiceText::tr("une voie de 0 à 3");
    } else if (key == QLatin1String("double_channel")) {
        ok = channel(value, c.decays.double_channel, false);
        expected = ChoiceText::tr("une voie de 0 à 3");
    } else if (key == QLatin1String("veto_channel")) {
        ok = channel(value, c.decays.veto_channel, true);
        expected = ChoiceText::tr("une voie de 0 à 3, ou none");
    } else if (key == QLatin1String("min_decay_ns")) {
        ok = nanoseconds(value, c.decays.min_ns);
        expected = ChoiceText::tr("des ns, 0 ou plus");
    } else if (key == QLatin1String("max_decay_ns")) {
        ok = nanoseconds(value, c.decays.max_ns);
        expected = ChoiceText::tr("des ns, 0 ou plus");
    } else if (key == QLatin1String("dated_decay_lines")) {
        ok = value == QLatin1String("utc") || value == QLatin1String("local");
        c.dated_decay_lines_utc = value == QLatin1String("utc");
        expected = ChoiceText::tr("utc ou local");
    } else {
        problem = ChoiceText::tr("%1 : clé inconnue").arg(key);
        return false;
    }
    if (!ok) {
        problem = ChoiceText::tr("%1=%2 : attendu %3").arg(key, value, expected);
        return false;
    }
    choices = c;
    return true;
}

bool check_format_choices(const FormatChoices& choices, QString& problem) {
    if (daq::usable(choices.decays)) return true;
    problem = ChoiceText::tr("la voie de veto doit différer des deux autres, et min_decay_ns ne pas dépasser "
                             "max_decay_ns");
    return false;
}

FormatChoices read_format_choices(const QStringList& lines, const FormatChoices& defaults, QStringList& problems) {
    FormatChoices choices = defaults;
    for (const QString& line : lines) {
        const QString text = line.trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1Char('#'))) continue;
        const qsizetype equal = text.indexOf(QLatin1Char('='));
        QString problem;
        if (equal < 0) {
            problems << ChoiceText::tr("%1 : %2 n'est pas de la forme clé=valeur").arg(kFormatChoicesFile, text);
        } else if (!take_format_choice(text.first(equal).trimmed(), text.sliced(equal + 1).trimmed(), choices,
                                       problem)) {
            problems << ChoiceText::tr("%1 : %2", "the file, then what is wrong in it").arg(kFormatChoicesFile, problem);
        }
    }
    QString problem;
    if (!check_format_choices(choices, problem)) {
        problems << ChoiceText::tr("%1 : %2 (voies et durées par défaut)").arg(kFormatChoicesFile, problem);
        choices.decays = defaults.decays;
    }
    return choices;
}

FormatChoices read_format_choices_file(const QString& path, QStringList& problems) {
    return read_format_choices(platform::try_read_text_lines(path, 100).value_or(QStringList()), FormatChoices{},
                               problems);
}
