#include "cli/report_program.h"

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

int become_report_program(char** argv) {
    // The folder of this program as the system started it, wherever it was called from.
    std::string program(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", program.data(), program.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= program.size()) {
        std::fprintf(stderr, "vorns-fit: the run report cannot be written: vorns-fit cannot find its own folder (%s)\n",
                     std::strerror(length < 0 ? errno : ENAMETOOLONG));
        return 1;
    }
    program.resize(static_cast<std::size_t>(length));
    program = program.substr(0, program.rfind('/') + 1) + kReportProgram;
    execv(program.c_str(), argv);
    std::fprintf(stderr, "vorns-fit: the run report cannot be written: %s cannot be started (%s)\n", program.c_str(),
                 std::strerror(errno));
    return 1;
}
