// vorns-acquisition: writes a decay-time data file the way a lab's acquisition
// program does, so that vorns can be tried and tested without a detector.
//
// With --format acquisition (the default), the file layout (Windows-1252
// bytes, every line ends with CR LF):
//   line 0   title
//   line 1   date and settings of the run
//   line 2   column header "Heure<TAB>Durée"
//   then     one line per event: time of day "H:MM:SS", a TAB, the duration
//            (the first event line is the reader's time origin)
//   optional comment lines starting with "'" and a final "SAUVEGARDE" line.
// The formats of other apparatus (ASCII, lines end with LF; times are the
// computer's local time on the --date given as YYYY-MM-DD, else today):
//   two-integers  "VALUE UNIXSECONDS": a decay of VALUE ns (a multiple of
//                 20 ns below the apparatus' 20 us gate; longer ones are not
//                 written), and one
//                 count record "40000+n UNIXSECONDS" for each second before
//                 an event: n muons through the detector (--muons a second);
//   decay-lines   "Decay 'Thu_Dec_10_11:49:22_2015' 2.4375" (microseconds),
//                 after a comment line; --comment-every writes comment lines.
//
// Only the C++ standard library is used (with --device, Qt's serial port:
// device.h). The random numbers come from common/portable_random.h, so a seed
// gives the same bytes everywhere.

#include "acquisition/device.h"
#include "common/portable_random.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

namespace {

using portable::portable_log;
using portable::Random;

constexpr int kExitOk = 0;
constexpr int kExitIoError = 1;
constexpr int kExitUsage = 2;
constexpr const char* kProgram = "vorns-acquisition";
constexpr long long kSecondsPerDay = 86400;

// ---------------------------------------------------------------------------
// Settings and command line

enum class Format { acquisition, two_integers, decay_lines };

struct Settings {
    std::string output;
    Format format = Format::acquisition;
    double muons = 8.0;  // two-integers: muons a second through the detector without a decay
    std::uint64_t events = 2000;
    double rate = 0.5;             // events per second
    double lifetime = 219.7;       // mean duration, in file units (10 ns)
    double background = 0.0;       // fraction of flat (uniform) durations
    double max_duration = 2000.0;  // upper end of the flat background
    int decimals = 1;
    bool comma = false;
    std::uint64_t comment_every = 0;
    bool sauvegarde = false;
    long long start_seconds = 10 * 3600;
    std::uint64_t seed = 1;
    std::string date;  // empty: today's local date
    bool realtime = false;
    double speed = 1.0;
    std::uint64_t interval_ms = 0;
    double pause_at = -1;  // seconds of run time; negative: no pause
    double pause_for = 0;  // seconds without an event
    bool help = false;
    bool version = false;
    DeviceSettings device;  // --device: a DAQ card read on its serial port
};

struct UsageError {
    std::string message;
};

constexpr const char* kHelp =
    "Usage: vorns-acquisition --output FILE [OPTION]...\n"
    "Write a simulated decay-time data file: three title/header lines, then one\n"
    "line per event \"H:MM:SS<TAB>duration\", lines ending with CR LF, text in\n"
    "Windows-1252. Arrivals are Poisson, durations exponential plus an optional\n"
    "flat background. The file is created or truncated.\n"
    "\n"
    "Options (a value may follow as --name=VALUE or --name VALUE):\n"
    "  -o, --output FILE        data file to write (required)\n"
    "  -n, --events N           number of event lines, the time origin line\n"
    "                           included (default 2000)\n"
    "      --rate R             mean arrival rate in events per second\n"
    "                           (default 0.5)\n"
    "      --lifetime T         mean of the exponential durations, in file units\n"
    "                           (default 219.7, i.e. 2.197 us in units of 10 ns)\n"
    "      --background F       fraction of durations drawn flat on\n"
    "                           [0, --max-duration], from 0 to 1 (default 0)\n"
    "      --max-duration M     upper end of the flat background (default 2000)\n"
    "      --format F           acquisition (default), two-integers or\n"
    "                           decay-lines: the file layout of another\n"
    "                           apparatus, in the computer's local time\n"
    "      --muons M            two-integers: mean muons a second through the\n"
    "                           detector without a decay (default 8)\n"
    "      --decimals D         decimals written for each duration, 0 to 9\n"
    "                           (default 1)\n"
    "      --comma              write durations with a decimal comma\n"
    "                           (default: decimal point)\n"
    "      --comment-every N    write a comment line (starting with ') after\n"
    "                           every N events; 0 writes none (default 0)\n"
    "      --sauvegarde         end the file with a SAUVEGARDE line\n"
    "                           (default: no such line)\n"
    "      --start HH:MM:SS     time of day at which the acquisition starts;\n"
    "                           times wrap at midnight (default 10:00:00)\n"
    "      --seed S             seed of the random generator, 0 to 2^64-1\n"
    "                           (default 1)\n"
    "      --date TEXT          date written on line 1 (default: today's date)\n"
    "      --realtime           write each event when it occurs, sleeping\n"
    "                           between events (default: write at once)\n"
    "      --speed X            with --realtime, run X times faster than real\n"
    "                           time (default 1)\n"
    "      --interval-ms N      sleep N milliseconds between event lines instead\n"
    "                           of following the arrival times; 0 does not sleep\n"
    "                           (default 0)\n"
    "      --pause-at T         after T seconds of run time, pause the\n"
    "                           acquisition: no event for --pause-for seconds,\n"
    "                           in the times of day too (so the data hold a gap);\n"
    "                           with --realtime the pause is waited as well\n"
    "      --pause-for S        length of the pause in seconds, above 0 (both\n"
    "                           options go together; default: no pause)\n"
    "\n"
    "Reading a DAQ card (the cosmic-ray card of the 6000 series) instead:\n"
    "      --device PORT        the card's serial port (/dev/ttyUSB0 and the like):\n"
    "                           115200 baud, 8N1, XON/XOFF; the card is set up for\n"
    "                           a lifetime run and started, and its raw stream is\n"
    "                           appended to --output, a line at a time, until\n"
    "                           SIGINT or SIGTERM stop it (CD). A port that\n"
    "                           vanishes is said and opened again until it comes\n"
    "                           back. Only --output and the options below go with\n"
    "                           it\n"
    "      --control HH         the card's register 0 in hexadecimal: channels\n"
    "                           enabled (bits 0-3), coincidence level (bits 4-5),\n"
    "                           veto (bits 6-7) (default 0F: the four channels)\n"
    "      --gate NS            the gate in ns, by 10 ns (default 10340)\n"
    "      --retry-ms N         how often a vanished port is tried (default 2000)\n"
    "\n"
    "  -h, --help               show this help and exit\n"
    "      --version            show the version and exit\n"
    "\n"
    "Every line is written whole and flushed at once, so a program following the\n"
    "file never sees half a line. Exit status: 0 done, 1 file error, 2 bad\n"
    "option.\n";

// The shortest text that reads back as the value, whatever the locale.
std::string number_text(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::uint64_t parse_unsigned(std::string_view name, std::string_view text, std::uint64_t max_value) {
    std::uint64_t value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (text.empty() || ec != std::errc{} || ptr != last || value > max_value) {
        throw UsageError{"invalid value '" + std::string(text) + "' for --" + std::string(name) +
                         " (expected a whole number from 0 to " + std::to_string(max_value) + ")"};
    }
    return value;
}

double parse_real(std::string_view name, std::string_view text, double min_value, double max_value,
                  bool min_inclusive) {
    double value = 0.0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    const bool in_range =
        std::isfinite(value) && value <= max_value && (min_inclusive ? value >= min_value : value > min_value);
    if (text.empty() || ec != std::errc{} || ptr != last || !in_range) {
        throw UsageError{"invalid value '" + std::string(text) + "' for --" + std::string(name) +
                         " (expected a number " + (min_inclusive ? "at least " : "above ") + number_text(min_value) +
                         " and at most " + number_text(max_value) + ")"};
    }
    return value;
}

// "H:MM:SS" or "HH:MM:SS", hours 0-23.
long long parse_time_of_day(std::string_view text) {
    long long parts[3] = {0, 0, 0};
    std::size_t pos = 0;
    bool ok = true;
    for (int i = 0; i < 3 && ok; ++i) {
        const std::size_t end = i < 2 ? text.find(':', pos) : text.size();
        if (end == std::string_view::npos) {
            ok = false;
            break;
        }
        const std::string_view part = text.substr(pos, end - pos);
        const std::size_t max_width = 2;
        const std::size_t min_width = i == 0 ? 1 : 2;
        ok = part.size() >= min_width && part.size() <= max_width;
        for (const char c : part) ok = ok && c >= '0' && c <= '9';
        if (ok) std::from_chars(part.data(), part.data() + part.size(), parts[i]);
        pos = end + 1;
    }
    ok = ok && parts[0] <= 23 && parts[1] <= 59 && parts[2] <= 59;
    if (!ok) {
        throw UsageError{"invalid value '" + std::string(text) +
                         "' for --start (expected HH:MM:SS, from 0:00:00 to 23:59:59)"};
    }
    return parts[0] * 3600 + parts[1] * 60 + parts[2];
}

Settings parse_command_line(int argc, char** argv) {
    Settings s;
    std::string simulation_option;  // the first option of the simulation given
    std::string device_option;      // the first option of --device given
    bool speed_given = false;
    bool interval_given = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        std::string name;
        std::string inline_value;
        bool has_inline_value = false;
        if (arg == "-o") {
            name = "output";
        } else if (arg == "-n") {
            name = "events";
        } else if (arg == "-h") {
            name = "help";
        } else if (arg.size() > 2 && arg.substr(0, 2) == "--") {
            const std::string_view body = arg.substr(2);
            const std::size_t eq = body.find('=');
            name = std::string(body.substr(0, eq));
            if (eq != std::string_view::npos) {
                inline_value = std::string(body.substr(eq + 1));
                has_inline_value = true;
            }
        } else {
            throw UsageError{"unexpected argument '" + std::string(arg) + "'"};
        }

        static constexpr std::string_view kFlags[] = {"help", "version", "comma", "sauvegarde", "realtime"};
        static constexpr std::string_view kValued[] = {
            "output",      "events",        "rate",      "lifetime", "background", "max-duration",
            "decimals",    "comment-every", "start",     "seed",     "date",       "speed",
            "interval-ms", "pause-at",      "pause-for", "format",   "muons",      "device",
            "control",     "gate",          "retry-ms"};
        const auto known = [&name](const auto& names) {
            for (const std::string_view n : names) {
                if (n == name) return true;
            }
            return false;
        };
        const bool is_flag = known(kFlags);
        static constexpr std::string_view kDevice[] = {"control", "gate", "retry-ms"};
        static constexpr std::string_view kEither[] = {"output", "device", "help", "version"};
        if (known(kDevice) && device_option.empty()) device_option = name;
        if (!known(kDevice) && !known(kEither) && simulation_option.empty()) simulation_option = name;
        if (!is_flag && !known(kValued)) {
            throw UsageError{"unknown option '" + std::string(arg) + "'"};
        }
        std::string value;
        if (is_flag) {
            if (has_inline_value) {
                throw UsageError{"option --" + name + " takes no value"};
            }
        } else if (has_inline_value) {
            value = inline_value;
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            throw UsageError{"option --" + name + " needs a value"};
        }

        if (name == "help") {
            s.help = true;
        } else if (name == "version") {
            s.version = true;
        } else if (name == "comma") {
            s.comma = true;
        } else if (name == "sauvegarde") {
            s.sauvegarde = true;
        } else if (name == "realtime") {
            s.realtime = true;
        } else if (name == "output") {
            if (value.empty()) throw UsageError{"option --output needs a file name"};
            s.output = value;
        } else if (name == "events") {
            s.events = parse_unsigned(name, value, 100'000'000);
        } else if (name == "rate") {
            s.rate = parse_real(name, value, 1e-6, 1e6, true);
        } else if (name == "lifetime") {
            s.lifetime = parse_real(name, value, 0.0, 1e9, false);
        } else if (name == "background") {
            s.background = parse_real(name, value, 0.0, 1.0, true);
        } else if (name == "max-duration") {
            s.max_duration = parse_real(name, value, 0.0, 1e9, false);
        } else if (name == "decimals") {
            s.decimals = static_cast<int>(parse_unsigned(name, value, 9));
        } else if (name == "comment-every") {
            s.comment_every = parse_unsigned(name, value, 100'000'000);
        } else if (name == "start") {
            s.start_seconds = parse_time_of_day(value);
        } else if (name == "seed") {
            s.seed = parse_unsigned(name, value, std::numeric_limits<std::uint64_t>::max());
        } else if (name == "date") {
            if (value.size() > 100 || value.find_first_of("\r\n") != std::string::npos) {
                throw UsageError{"invalid value for --date (one line of at most 100 bytes)"};
            }
            s.date = value;
        } else if (name == "format") {
            if (value == "acquisition") {
                s.format = Format::acquisition;
            } else if (value == "two-integers") {
                s.format = Format::two_integers;
            } else if (value == "decay-lines") {
                s.format = Format::decay_lines;
            } else {
                throw UsageError{"invalid value '" + value +
                                 "' for --format (expected acquisition, two-integers or decay-lines)"};
            }
        } else if (name == "device") {
            if (value.empty()) throw UsageError{"option --device needs a port"};
            s.device.port = value;
        } else if (name == "control") {
            unsigned v = 0;
            const auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), v, 16);
            if (value.size() != 2 || ec != std::errc{} || ptr != value.data() + value.size()) {
                throw UsageError{"invalid value '" + value + "' for --control (expected two hexadecimal digits)"};
            }
            s.device.control = static_cast<std::uint8_t>(v);
        } else if (name == "gate") {
            const std::uint64_t ns = parse_unsigned(name, value, 655350);
            if (ns % 10 != 0 || ns == 0) throw UsageError{"invalid value '" + value + "' for --gate (10 ns steps)"};
            s.device.gate = static_cast<std::uint16_t>(ns / 10);
        } else if (name == "retry-ms") {
            s.device.retry_ms = static_cast<int>(parse_unsigned(name, value, 3'600'000));
            if (s.device.retry_ms < 10) throw UsageError{"invalid value '" + value + "' for --retry-ms (10 or more)"};
        } else if (name == "muons") {
            s.muons = parse_real(name, value, 0.0, 1e6, true);
        } else if (name == "pause-at") {
            s.pause_at = parse_real(name, value, 0.0, 1e9, true);
        } else if (name == "pause-for") {
            s.pause_for = parse_real(name, value, 0.0, 1e9, false);
        } else if (name == "speed") {
            s.speed = parse_real(name, value, 0.0, 1e6, false);
            speed_given = true;
        } else {  // interval-ms
            s.interval_ms = parse_unsigned(name, value, 3'600'000);
            interval_given = true;
        }
    }
    if (s.help || s.version) return s;
    if (s.output.empty()) throw UsageError{"missing --output FILE"};
    if (!s.device.port.empty() && !simulation_option.empty()) {
        throw UsageError{"--device reads a card: --" + simulation_option + " does not go with it"};
    }
    if (s.device.port.empty() && !device_option.empty()) throw UsageError{"--" + device_option + " goes with --device"};
    if (!s.device.port.empty()) return s;
    if (s.realtime && interval_given) {
        throw UsageError{"--realtime and --interval-ms cannot be used together"};
    }
    if (speed_given && !s.realtime) throw UsageError{"--speed needs --realtime"};
    if ((s.pause_at >= 0) != (s.pause_for > 0)) throw UsageError{"--pause-at and --pause-for go together"};
    return s;
}

// ---------------------------------------------------------------------------
// Line texts

// Windows-1252 bytes of the accented letters used in the file.
#define E_ACUTE "\xE9"
#define E_GRAVE "\xE8"
#define E_AGRAVE "\xE0"

std::string duration_text(double value, int decimals, bool comma) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ec == std::errc{} ? result.ptr : buffer);
    if (comma) {
        for (char& c : text) {
            if (c == '.') c = ',';
        }
    }
    return text;
}

std::string time_text(long long seconds) {
    const long long s = seconds % kSecondsPerDay;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
    return buffer;
}

std::string today_text() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (local == nullptr) return "?";
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d", local);
    return buffer;
}

std::string settings_line(const Settings& s) {
    std::string line = "Date : " + (s.date.empty() ? today_text() : s.date);
    line += "   d" E_ACUTE "part " + time_text(s.start_seconds);
    line += "   taux " + number_text(s.rate) + " /s";
    line += "   dur" E_ACUTE "e de vie " + number_text(s.lifetime) + " (x 10 ns)";
    line += "   fond " + number_text(s.background);
    if (s.background > 0.0) line += " sur [0, " + number_text(s.max_duration) + "]";
    line += "   graine " + std::to_string(s.seed);
    if (s.pause_at >= 0)
        line += "   pause de " + number_text(s.pause_for) + " s " + E_AGRAVE " " + number_text(s.pause_at) + " s";
    return line;
}

// The Unix seconds of the run's start: --start on the --date given as
// YYYY-MM-DD (else today), in the computer's local time.
long long unix_start(const Settings& s) {
    const std::time_t now = std::time(nullptr);
    std::tm day = *std::localtime(&now);
    int y = 0, m = 0, d = 0;
    char rest = 0;
    if (std::sscanf(s.date.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &rest) == 3) {
        day.tm_year = y - 1900;
        day.tm_mon = m - 1;
        day.tm_mday = d;
    }
    day.tm_hour = static_cast<int>(s.start_seconds / 3600);
    day.tm_min = static_cast<int>(s.start_seconds / 60 % 60);
    day.tm_sec = static_cast<int>(s.start_seconds % 60);
    day.tm_isdst = -1;
    return static_cast<long long>(std::mktime(&day));
}

// "Thu_Dec_10_11:49:22_2015": the local time in the C asctime form, '_' for its blanks.
std::string asctime_text(long long unix_time) {
    const auto t = static_cast<std::time_t>(unix_time);
    const std::tm* local = std::localtime(&t);
    char buffer[64] = "?";
    if (local != nullptr) std::strftime(buffer, sizeof buffer, "%a_%b_%e_%H:%M:%S_%Y", local);
    std::string text(buffer);
    for (char& c : text) {
        if (c == ' ') c = '_';
    }
    return text;
}

// A Poisson count of the given mean: the arrivals of an exponential clock within one unit.
long long poisson(Random& random, double mean) {
    long long n = 0;
    if (mean <= 0) return 0;
    for (double t = random.exponential(1.0 / mean); t < 1.0; t += random.exponential(1.0 / mean)) ++n;
    return n;
}

// ---------------------------------------------------------------------------
// Output: every line goes out whole, with its CR LF, in one write, then flushed.

class LineWriter {
public:
    LineWriter() : buffer_(1 << 16) {}
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;
    ~LineWriter() {
        if (file_ != nullptr) std::fclose(file_);
    }

    bool open(const std::string& path) {
        file_ = std::fopen(path.c_str(), "wb");
        if (file_ == nullptr) return false;
        // A buffer larger than any line: the line is copied whole into the empty
        // buffer and reaches the file in one piece at the flush.
        return std::setvbuf(file_, buffer_.data(), _IOFBF, buffer_.size()) == 0;
    }

    void lf_only() { end_ = "\n"; }

    bool write_line(std::string line) {
        line += end_;
        if (line.size() >= buffer_.size()) return false;
        return std::fwrite(line.data(), 1, line.size(), file_) == line.size() && std::fflush(file_) == 0;
    }

    bool close() {
        const bool ok = std::fclose(file_) == 0;
        file_ = nullptr;
        return ok;
    }

private:
    std::vector<char> buffer_;
    std::FILE* file_ = nullptr;
    const char* end_ = "\r\n";
};

int fail_io(const std::string& what, const std::string& path, int error) {
    std::fprintf(stderr, "%s: cannot %s '%s': %s\n", kProgram, what.c_str(), path.c_str(), std::strerror(error));
    return kExitIoError;
}

int run(const Settings& s) {
    LineWriter out;
    errno = 0;
    if (!out.open(s.output)) return fail_io("create", s.output, errno);

    const auto write = [&](const std::string& line) { return out.write_line(line); };
    const bool acquisition = s.format == Format::acquisition;
    if (!acquisition) out.lf_only();
    if (acquisition &&
        (!write("Acquisition vorns-acquisition") || !write(settings_line(s)) || !write("Heure\tDur" E_ACUTE "e"))) {
        return fail_io("write to", s.output, errno);
    }
    if (s.format == Format::decay_lines && !write("# vorns-acquisition: decay lines, rate " + number_text(s.rate) +
                                                  " /s, seed " + std::to_string(s.seed))) {
        return fail_io("write to", s.output, errno);
    }
    const long long start_unix = unix_start(s);
    Random muons(s.seed + 1);  // the count records' own draws: the events stay those of the seed
    long long next_count = 0;  // the next second of the run that has no count record yet

    Random random(s.seed);
    using Clock = std::chrono::steady_clock;
    const Clock::time_point wall_start = Clock::now();
    double elapsed = 0.0;  // seconds since the start of the acquisition
    long long last_time = s.start_seconds;

    for (std::uint64_t event = 1; event <= s.events; ++event) {
        // Draw in a fixed order, whatever the settings, so that a seed always
        // gives the same arrival times.
        elapsed += random.exponential(1.0 / s.rate);
        // The pause moves every later event by its length: the same draws, a hole in the times.
        const double at = s.pause_at >= 0 && elapsed >= s.pause_at ? elapsed + s.pause_for : elapsed;
        const bool flat = random.uniform() < s.background;
        const double u = random.uniform();
        const double duration = flat ? u * s.max_duration : -s.lifetime * portable_log(1.0 - u);

        if (s.realtime) {
            const auto due = std::chrono::duration<double>(at / s.speed);
            std::this_thread::sleep_until(wall_start + std::chrono::duration_cast<Clock::duration>(due));
        } else if (s.interval_ms > 0 && event > 1) {
            std::this_thread::sleep_for(std::chrono::milliseconds(s.interval_ms));
        }

        last_time = s.start_seconds + static_cast<long long>(at);  // truncated
        const long long unix_time = start_unix + static_cast<long long>(at);
        bool ok = true;
        if (s.format == Format::two_integers) {
            for (; ok && next_count < static_cast<long long>(at); ++next_count) {
                ok = write(std::to_string(40000 + poisson(muons, s.muons)) + " " +
                           std::to_string(start_unix + next_count));
            }
            // Durations in ns, on the apparatus' 20 ns clock, within its 20 us gate.
            const long long ns = std::llround(duration * 10 / 20) * 20;
            if (ok && ns < 20000) ok = write(std::to_string(ns) + " " + std::to_string(unix_time));
        } else if (s.format == Format::decay_lines) {
            ok = write("Decay '" + asctime_text(unix_time) + "' " + duration_text(duration / 100, 4, false));
        } else {
            ok = write(time_text(last_time) + "\t" + duration_text(duration, s.decimals, s.comma));
        }
        if (!ok) return fail_io("write to", s.output, errno);
        if (s.comment_every > 0 && event % s.comment_every == 0) {
            const std::string n = std::to_string(event);
            if (s.format == Format::decay_lines) {
                ok = write("# " + n + " decays");
            } else if (acquisition) {
                ok = write("' rep" E_GRAVE "re : " + n + " " E_ACUTE "v" E_ACUTE "nements");
            }
            if (!ok) return fail_io("write to", s.output, errno);
        }
    }
    if (acquisition && s.sauvegarde && !write("SAUVEGARDE\t" + time_text(last_time))) {
        return fail_io("write to", s.output, errno);
    }
    if (!out.close()) return fail_io("write to", s.output, errno);
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    Settings settings;
    try {
        settings = parse_command_line(argc, argv);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "%s: %s (see --help)\n", kProgram, error.message.c_str());
        return kExitUsage;
    }
    if (settings.help) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    if (settings.version) {
        std::printf("%s %s\n", kProgram, VORNS_VERSION);
        return kExitOk;
    }
    if (!settings.device.port.empty()) {
#if defined(VORNS_SERIAL)
        settings.device.output = settings.output;
        return run_device(settings.device, argc, argv);
#else
        std::fprintf(stderr, "%s: --device: this build reads no serial port (Qt's serial port was not found)\n",
                     kProgram);
        return kExitUsage;
#endif
    }
    try {
        return run(settings);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", kProgram, error.what());
        return kExitIoError;
    }
}
