#include "cli/report_program.h"

#include "platform/translations.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

const char* const kReportProgram = VORNS_REPORT_PROGRAM;

bool asks_for_report(int argc, char** argv) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--report") == 0) return true;
    }
    return false;
}

namespace {

// Says why the report cannot be written, in the program's language (no
// application exists before the report program would have started): `text`
// with %1 the program that cannot be started, %2 the system's reason.
int cannot_write(int argc, char** argv, const char* text, const QString& program, int error) {
    const QString reason = QString::fromLocal8Bit(std::strerror(error));
    QCoreApplication application(argc, argv);
    platform::install_translations();
    QString said = QCoreApplication::translate("vorns_fit", text);
    said = program.isEmpty() ? said.arg(reason) : said.arg(program, reason);
    std::fputs((said + QLatin1Char('\n')).toUtf8().constData(), stderr);
    return 1;
}

}  // namespace

int become_report_program(int argc, char** argv) {
    // The folder of this program as the system started it, wherever it was called from.
    std::string program(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", program.data(), program.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= program.size()) {
        return cannot_write(argc, argv,
                            QT_TRANSLATE_NOOP("vorns_fit",
                                              "vorns-fit: the run report cannot be written: vorns-fit "
                                              "cannot find its own folder (%1)"),
                            QString(), length < 0 ? errno : ENAMETOOLONG);
    }
    program.resize(static_cast<std::size_t>(length));
    program = program.substr(0, program.rfind('/') + 1) + kReportProgram;
    execv(program.c_str(), argv);
    return cannot_write(
        argc, argv,
        QT_TRANSLATE_NOOP("vorns_fit", "vorns-fit: the run report cannot be written: %1 cannot be started (%2)"),
        QString::fromLocal8Bit(program.c_str()), errno);
}
