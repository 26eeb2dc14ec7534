// vorns-daq-card: a simulated cosmic-ray DAQ card (daq_card/card.h), for the
// tests and for people without a card. On a pseudo-terminal it plays the
// card on its serial port: it prints the terminal's name, answers the
// commands (each echoed; XON/XOFF honoured) and streams the raw event lines
// between CE and CD, --speed times faster than real time. With --output it
// writes the lines of a whole run to a file at once, as if CE had been sent.
//
// Plain C++ and POSIX (posix_openpt).

#include "daq_card/card.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <string_view>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr const char* kProgram = "vorns-daq-card";

constexpr const char* kHelp =
    "Usage: vorns-daq-card (--pty | --output FILE) [OPTION]...\n"
    "A simulated cosmic-ray DAQ card (6000 series): muons through four stacked\n"
    "counters (channel 0 on top), a fraction stopping in channel 2 and decaying\n"
    "there, as the card's raw event lines (16 words), with the 1PPS latch, GPS\n"
    "time and status of each second.\n"
    "\n"
    "  --pty                play the card on a pseudo-terminal: its name is printed\n"
    "                       on the first line of the output; the card answers the\n"
    "                       commands (echoed) and streams between CE and CD\n"
    "  --output FILE        write the lines of the whole run to FILE at once\n"
    "  --duration S         seconds of run streamed (default 3600)\n"
    "  --speed X            --pty: X seconds of run a second (default 1)\n"
    "  --rate R             muons a second (default 5)\n"
    "  --stop-fraction F    of the muons stopping in channel 2 (default 0.1)\n"
    "  --lifetime NS        mean decay time, ns (default 2197)\n"
    "  --clock-hz F         the counter's clock (default 25000000)\n"
    "  --start TIME         UTC start, 'YYYY-MM-DD HH:MM:SS' (default\n"
    "                       '2024-03-14 10:00:00')\n"
    "  --seed S             seed of the random draws (default 1)\n"
    "  --faults             spells of GPS status V, 1PPS latches far off, DS\n"
    "                       lines, lines cut short, lines of garbage\n"
    "  --gps-lag-ms MS      the GPS words change MS ms after the 1PPS latch\n"
    "  --link PATH          --pty: a symbolic link PATH to the terminal\n"
    "  --truth FILE         at the end, each decay the stream held whole:\n"
    "                       UTC seconds, fraction, delay drawn and delay its\n"
    "                       edges give (ns)\n"
    "  --sent FILE          --pty: a copy of every byte written to the terminal\n"
    "  --pull-at S          --pty: after S seconds of run, half a line, then the\n"
    "                       terminal is closed (a pulled cable) and the program ends\n"
    "  -h, --help           show this help and exit\n"
    "      --version        show the version and exit\n"
    "\n"
    "With --pty the program prints \"streamed\" once the run is written, and runs\n"
    "until SIGINT or SIGTERM (or --pull-at). Exit\n"
    "status: 0 done, 1 system error, 2 bad option.\n";

volatile std::sig_atomic_t g_stop = 0;
void on_signal(int) { g_stop = 1; }

struct Options {
    card::Settings card;
    bool pty = false;
    std::string output;
    double duration = 3600;
    double speed = 1;
    std::string link;
    std::string truth;
    std::string sent;
    double pull_at = -1;
};

[[noreturn]] void usage(const std::string& message) {
    std::fprintf(stderr, "%s: %s (see --help)\n", kProgram, message.c_str());
    std::exit(2);
}

double number(const std::string& name, const char* text, double min, double max) {
    double v = 0;
    const char* end = text + std::strlen(text);
    const auto [ptr, ec] = std::from_chars(text, end, v);
    if (ec != std::errc{} || ptr != end || !(v >= min && v <= max)) {
        usage("invalid value '" + std::string(text) + "' for --" + name);
    }
    return v;
}

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "-h" || a == "--help") {
            std::fputs(kHelp, stdout);
            std::exit(0);
        }
        if (a == "--version") {
            std::printf("%s %s\n", kProgram, VORNS_VERSION);
            std::exit(0);
        }
        if (a == "--pty") {
            o.pty = true;
            continue;
        }
        if (a == "--faults") {
            o.card.faults = true;
            continue;
        }
        if (a.rfind("--", 0) != 0 || i + 1 >= argc) usage("unexpected argument '" + a + "'");
        const std::string name = a.substr(2);
        const char* v = argv[++i];
        if (name == "output") {
            o.output = v;
        } else if (name == "duration") {
            o.duration = number(name, v, 0, 1e7);
        } else if (name == "speed") {
            o.speed = number(name, v, 1e-3, 1e6);
        } else if (name == "rate") {
            o.card.rate_hz = number(name, v, 1e-3, 1e5);
        } else if (name == "stop-fraction") {
            o.card.stop_fraction = number(name, v, 0, 1);
        } else if (name == "lifetime") {
            o.card.lifetime_ns = number(name, v, 1, 1e6);
        } else if (name == "clock-hz") {
            o.card.clock_hz = number(name, v, 1e6, 1e9);
        } else if (name == "start") {
            if (!card::parse_utc(v, o.card.start_utc)) usage("invalid value for --start (YYYY-MM-DD HH:MM:SS)");
        } else if (name == "seed") {
            o.card.seed = static_cast<std::uint64_t>(number(name, v, 0, 9e15));
        } else if (name == "gps-lag-ms") {
            o.card.gps_lag_ms = number(name, v, 0, 900);
        } else if (name == "link") {
            o.link = v;
        } else if (name == "truth") {
            o.truth = v;
        } else if (name == "sent") {
            o.sent = v;
        } else if (name == "pull-at") {
            o.pull_at = number(name, v, 0, 1e7);
        } else {
            usage("unknown option '" + a + "'");
        }
    }
    if (o.pty == !o.output.empty()) usage("give either --pty or --output FILE");
    if (!o.pty && (!o.link.empty() || !o.sent.empty() || o.pull_at >= 0 || o.speed != 1)) {
        usage("--link, --sent, --pull-at and --speed go with --pty");
    }
    return o;
}

int system_error(const std::string& what) {
    std::fprintf(stderr, "%s: %s: %s\n", kProgram, what.c_str(), std::strerror(errno));
    return 1;
}

bool write_file(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

bool write_truth(const std::string& path, const card::Card& c, std::size_t count) {
    if (path.empty()) return true;
    std::string text;
    char line[128];
    for (std::size_t k = 0; k < count; ++k) {
        const card::Planted& p = c.planted()[k];
        std::snprintf(line, sizeof line, "%lld %.9f %.6f %.6f\n", static_cast<long long>(p.second), p.fraction,
                      p.drawn_ns, p.sent_ns);
        text += line;
    }
    return write_file(path, text);
}

int to_file(const Options& o) {
    card::Card c(o.card);
    c.start();
    std::FILE* f = std::fopen(o.output.c_str(), "wb");
    if (f == nullptr) return system_error("cannot create '" + o.output + "'");
    std::string out;
    for (double t = 0; t < o.duration;) {
        t = std::min(o.duration, t + 60);
        c.run_until(t, out);
        if (std::fwrite(out.data(), 1, out.size(), f) != out.size()) return system_error("cannot write '" + o.output + "'");
        out.clear();
    }
    if (std::fclose(f) != 0) return system_error("cannot write '" + o.output + "'");
    if (!write_truth(o.truth, c, c.planted().size())) return system_error("cannot write '" + o.truth + "'");
    return 0;
}

class Terminal {
public:
    ~Terminal() {
        if (master_ >= 0) ::close(master_);
        if (sent_ != nullptr) std::fclose(sent_);
    }

    int open(const Options& o) {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return system_error("posix_openpt");
        const char* name = ptsname(master_);
        if (name == nullptr) return system_error("ptsname");
        name_ = name;
        termios t{};
        if (tcgetattr(master_, &t) == 0) {
            cfmakeraw(&t);
            tcsetattr(master_, TCSANOW, &t);
        }
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
        if (!o.link.empty()) {
            const std::string temporary = o.link + ".new";
            ::unlink(temporary.c_str());
            if (::symlink(name_.c_str(), temporary.c_str()) != 0 || ::rename(temporary.c_str(), o.link.c_str()) != 0) {
                return system_error("cannot link '" + o.link + "'");
            }
        }
        if (!o.sent.empty() && (sent_ = std::fopen(o.sent.c_str(), "wb")) == nullptr) {
            return system_error("cannot create '" + o.sent + "'");
        }
        return 0;
    }
    const std::string& name() const { return name_; }

    // Reads what the other side sent: the command lines, each given to `command`.
    template <typename F>
    void read(F&& command) {
        char buffer[512];
        for (;;) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0) return;  // nothing (EAGAIN), or nobody has the terminal open (EIO)
            for (ssize_t k = 0; k < n; ++k) {
                const char c = buffer[k];
                if (c == 0x13) {
                    paused_ = true;
                } else if (c == 0x11) {
                    paused_ = false;
                } else if (c == '\r' || c == '\n') {
                    if (!line_.empty()) command(line_);
                    line_.clear();
                } else if (line_.size() < 256) {
                    line_ += c;
                }
            }
        }
    }

    // Writes what it can of the pending bytes.
    void flush() {
        while (!pending_.empty() && !paused_) {
            const ssize_t n = ::write(master_, pending_.data(), pending_.size());
            if (n <= 0) return;
            if (sent_ != nullptr) {
                std::fwrite(pending_.data(), 1, static_cast<std::size_t>(n), sent_);
                std::fflush(sent_);
            }
            pending_.erase(0, static_cast<std::size_t>(n));
        }
    }
    std::string& pending() { return pending_; }

    void wait(int ms) {
        pollfd p{master_, static_cast<short>(POLLIN | (pending_.empty() || paused_ ? 0 : POLLOUT)), 0};
        if (::poll(&p, 1, ms) > 0 && (p.revents & POLLHUP) != 0 && (p.revents & POLLIN) == 0) {
            // Nobody has the terminal open: poll says so at once.
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        }
    }

    void close() {
        ::close(master_);
        master_ = -1;
    }

private:
    int master_ = -1;
    std::string name_;
    std::string line_;
    std::string pending_;
    bool paused_ = false;
    std::FILE* sent_ = nullptr;
};

int on_pty(const Options& o) {
    Terminal terminal;
    if (const int e = terminal.open(o)) return e;
    std::printf("%s\n", terminal.name().c_str());
    std::fflush(stdout);
    std::signal(SIGINT, on_signal);
    std::signal(SIGTERM, on_signal);

    card::Card c(o.card);
    using Clock = std::chrono::steady_clock;
    bool started = false;
    Clock::time_point zero;
    std::size_t delivered = 0;  // planted decays whose lines were all written
    bool announced = false;
    constexpr std::size_t kAhead = 1 << 16;
    while (g_stop == 0) {
        terminal.read([&](const std::string& line) {
            terminal.pending() += c.command(line);
            if (c.streaming() && !started) {
                started = true;
                zero = Clock::now();
            }
        });
        double run = 0;
        if (started) {
            run = std::chrono::duration<double>(Clock::now() - zero).count() * o.speed;
            const double until = std::min(run, o.pull_at >= 0 ? std::min(o.pull_at, o.duration) : o.duration);
            if (terminal.pending().size() < kAhead) c.run_until(until, terminal.pending());
        }
        terminal.flush();
        if (terminal.pending().empty()) delivered = c.planted().size();
        if (!announced && started && run >= o.duration && terminal.pending().empty()) {
            std::printf("streamed\n");  // the whole run is written
            std::fflush(stdout);
            announced = true;
        }
        if (o.pull_at >= 0 && run >= o.pull_at && terminal.pending().empty()) {
            // Half of the next line, then the cable is pulled.
            std::string next;
            for (double t = o.pull_at; next.empty() && t < o.pull_at + 3600; t += 1) c.run_until(t, next);
            terminal.pending() = next.substr(0, next.find('\n') / 2);
            terminal.flush();
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            terminal.close();
            if (!o.link.empty()) ::unlink(o.link.c_str());
            return write_truth(o.truth, c, delivered) ? 0 : system_error("cannot write '" + o.truth + "'");
        }
        terminal.wait(terminal.pending().empty() ? 5 : 1);
    }
    if (!o.link.empty()) ::unlink(o.link.c_str());
    return write_truth(o.truth, c, delivered) ? 0 : system_error("cannot write '" + o.truth + "'");
}

}  // namespace

int main(int argc, char** argv) {
    const Options o = parse(argc, argv);
    return o.pty ? on_pty(o) : to_file(o);
}
