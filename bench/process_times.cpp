// vorns-process-times: vorns-fit as a whole process, from its spawn to its end,
// on a run of 50 000 records against the same run's title lines alone.
//
//     vorns-process-times PROGRAM RECORDS_FILE TITLES_FILE
//
// The two are run in turn, one of each a round, so that a machine that goes
// from a fast phase to a slow one (a virtual machine does) weighs on both
// alike: 5 rounds to warm up, then 41 timed ones; medians are printed, of the
// time from start to end and of the processor time (user and system).
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kWarmup = 5;
constexpr int kRounds = 41;
constexpr double kTarget = 1.5;

struct Time {
    double wall_ms;
    double cpu_ms;
};

double ms(const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3; }

// One run of `program file`, its output thrown away; exits on a failed start or status.
Time run(const char* program, const char* file) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::string p = program, f = file;
    std::array<char*, 3> argv{p.data(), f.data(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        std::fprintf(stderr, "vorns-process-times: %s cannot be started\n", program);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "vorns-process-times: %s %s: exit status %d\n", program, file, status);
        std::exit(1);
    }
    return {wall.count(), ms(usage.ru_utime) + ms(usage.ru_stime)};
}

double median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

void line(const std::string& what, double value, const char* unit) {
    std::printf("%-58s %9.3f %s\n", what.c_str(), value, unit);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: vorns-process-times PROGRAM RECORDS_FILE TITLES_FILE\n", stderr);
        return 2;
    }
    std::array<std::vector<double>, 2> wall, cpu;
    for (int round = 0; round < kWarmup + kRounds; ++round) {
        for (std::size_t k = 0; k < 2; ++k) {
            const Time t = run(argv[1], argv[2 + static_cast<int>(k)]);
            if (round < kWarmup) continue;
            wall[k].push_back(t.wall_ms);
            cpu[k].push_back(t.cpu_ms);
        }
    }
    const double records = median(wall[0]), titles = median(wall[1]);
    const std::string n = std::to_string(kRounds);
    line("vorns-fit process, 50000 records (median of " + n + ")", records, "ms");
    line("vorns-fit process, title lines only (median of " + n + ")", titles, "ms");
    std::printf("%-58s %9.2f     target <= %.1f  %s\n", "vorns-fit process, 50000 records / title lines only",
                records / titles, kTarget, records / titles <= kTarget ? "met" : "MISSED");
    const double cpu_records = median(cpu[0]), cpu_titles = median(cpu[1]);
    char label[96];
    std::snprintf(label, sizeof label, "  the same in processor time (medians: %.3f / %.3f ms)", cpu_records,
                  cpu_titles);
    std::printf("%-58s %9.2f\n", label, cpu_records / cpu_titles);
    return 0;
}
