#include "app/command_line.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QFileInfo>

namespace {

// Qt's own options, hidden from the help: with a value, then without one.
const char* const kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin", "display",    "geometry",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "style",  "stylesheet", "session"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QCommandLineOption hidden(const QString& name, const QString& value_name = {}) {
    QCommandLineOption option(name, QString(), value_name);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

}  // namespace

CommandLine analyse_la_ligne_de_commande(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);  // Qt's "-style NAME"
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : kQtOptionsWithValue)
        parser.addOption(hidden(QString::fromLatin1(name), QStringLiteral("value")));
    for (const char* name : kQtFlags) parser.addOption(hidden(QString::fromLatin1(name)));

    CommandLine ligne;
    if (!parser.parse(arguments)) {
        ligne.action = CommandLine::Action::error;
        ligne.error = parser.errorText();
        return ligne;
    }
    if (parser.isSet(help)) {
        ligne.action = CommandLine::Action::help;
        return ligne;
    }
    if (parser.isSet(version)) {
        ligne.action = CommandLine::Action::version;
        return ligne;
    }
    const QStringList fichiers = parser.positionalArguments();
    if (fichiers.size() > 1) {
        ligne.action = CommandLine::Action::error;
        ligne.error = QCoreApplication::translate("app", "Only one data file can be given; got %1.").arg(fichiers.size());
    } else if (fichiers.size() == 1 && fichiers.first().isEmpty()) {
        ligne.action = CommandLine::Action::error;
        ligne.error = QCoreApplication::translate("app", "The data file name is empty.");
    } else if (fichiers.size() == 1) {
        ligne.data_file = QFileInfo(fichiers.first()).absoluteFilePath();
    }
    return ligne;
}

QString version_du_programme() { return QStringLiteral(VORNS_VERSION); }

QString texte_d_aide() {
    return QCoreApplication::translate("app", 
        "Usage: vorns [FILE]\n"
        "Follows the data file of a decay-time experiment while the acquisition\n"
        "writes it, and shows its histogram and lifetime figures.\n"
        "\n"
        "  FILE           the data file to load at start, as if chosen with \"Target File\"\n"
        "  -h, --help     show this help and exit\n"
        "  -v, --version  show the version and exit\n"
        "\n"
        "Qt's own options (-style NAME, -platform NAME, -reverse, ...) are accepted too.\n");
}

QString indication_d_aide() { return QCoreApplication::translate("app", "Try 'vorns --help' for more information."); }
