#include "daq_card/card.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace card {

namespace {

// A hash of the seed and a number: what a second is (a fault or not, its
// GPS words) whatever the events drawn before it.
std::uint64_t mix(std::uint64_t seed, std::int64_t n) {
    std::uint64_t z = seed * 0x9E3779B97F4A7C15ULL + static_cast<std::uint64_t>(n) + 0x632BE59BD9B4E019ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::string upper(std::string_view text) {
    std::string u(text);
    for (char& c : u) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return u;
}

bool hex_byte(std::string_view text, std::uint8_t& value) {
    if (text.size() != 2) return false;
    unsigned v = 0;
    for (const char c : text) {
        v <<= 4;
        if (c >= '0' && c <= '9') {
            v |= static_cast<unsigned>(c - '0');
        } else if (c >= 'A' && c <= 'F') {
            v |= static_cast<unsigned>(c - 'A' + 10);
        } else {
            return false;
        }
    }
    value = static_cast<std::uint8_t>(v);
    return true;
}

std::string hex8(std::uint64_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%08X", static_cast<unsigned>(value & 0xFFFFFFFFu));
    return buffer;
}

}  // namespace

Card::Card(const Settings& settings) : s_(settings), muons_(settings.seed), faults_(settings.seed ^ 0xFA017ULL) {
    next_muon_s_ = muons_.exponential(1 / s_.rate_hz);
}

double Card::gate_ns() const { return gate_ * 10.0; }

std::string Card::command(std::string_view line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    const std::string c = upper(line);
    std::string answer = std::string(line) + "\r\n";
    const auto reply = [&answer](const std::string& text) { answer += text + "\r\n"; };
    char buffer[128];
    if (c == "CE") {
        streaming_ = true;
    } else if (c == "CD") {
        streaming_ = false;
    } else if (c == "RE") {
        streaming_ = false;
        control_ = 0x0F;
        gate_ = 0x040A;
    } else if (c == "DC") {
        std::snprintf(buffer, sizeof buffer, "DC C0=%02X C1=00 C2=%02X C3=%02X", control_, gate_ & 0xFF, gate_ >> 8);
        reply(buffer);
    } else if (c == "DS") {
        std::snprintf(buffer, sizeof buffer, "DS S0=%s S1=%s S2=%s S3=%s S4=%s", hex8(scalers_[0]).c_str(),
                      hex8(scalers_[1]).c_str(), hex8(scalers_[2]).c_str(), hex8(scalers_[3]).c_str(),
                      hex8(scalers_[4]).c_str());
        reply(buffer);
    } else if (c == "ST") {
        reply("ST 1000 " + tail(0));
    } else if (c == "TL") {
        reply("TL L0=300 L1=300 L2=300 L3=300");
    } else if (c.rfind("WC ", 0) == 0 && c.size() == 8) {
        std::uint8_t reg = 0;
        std::uint8_t value = 0;
        if (hex_byte(std::string_view(c).substr(3, 2), reg) && c[5] == ' ' &&
            hex_byte(std::string_view(c).substr(6, 2), value)) {
            if (reg == 0) control_ = value;
            if (reg == 2) gate_ = static_cast<std::uint16_t>((gate_ & 0xFF00) | value);
            if (reg == 3) gate_ = static_cast<std::uint16_t>((gate_ & 0x00FF) | value << 8);
        }
    }
    return answer;
}

void Card::run_until(double run_seconds, std::string& out) {
    while (next_muon_s_ < run_seconds) {
        // A muon within the gate of the event before is lost: the card is busy.
        if (streaming_ && next_muon_s_ >= busy_until_s_) event(next_muon_s_, out);
        next_muon_s_ += muons_.exponential(1 / s_.rate_hz);
    }
}

void Card::event(double arrival_s, std::string& out) {
    const double f = s_.clock_hz;
    const auto second = static_cast<std::int64_t>(std::floor(arrival_s));
    if (second != last_second_) {
        if (s_.faults && last_second_ >= 0 && second / 60 != last_second_ / 60) {
            out += command("DS").substr(4);  // the scalers, as a program asks for them every minute
        }
        last_second_ = second;
    }
    if (s_.faults && faults_.uniform() < 0.002) {
        // A line of garbage: printable and 8-bit bytes, never a flow control byte.
        std::string garbage;
        const int n = 3 + static_cast<int>(faults_.uniform() * 50);
        for (int k = 0; k < n; ++k) {
            auto b = static_cast<unsigned char>(0x21 + faults_.uniform() * (0xFF - 0x21));
            if (b == 0x7F) b = '#';
            garbage += static_cast<char>(b);
        }
        if (garbage[0] >= 'A') garbage[0] = '%';  // never a line of the card's own words
        out += garbage + "\r\n";
    }
    const bool stops = muons_.uniform() < s_.stop_fraction;
    const double decay_ns = muons_.exponential(s_.lifetime_ns);
    const double t0 = arrival_s * f;
    std::vector<Edge> edges;
    const int channels = stops ? 3 : 4;
    const int level = (control_ >> 4 & 3) + 1;
    int enabled_hits = 0;
    double stop_rising = 0;
    const auto pulse = [&](double at_ticks, int channel) {
        if ((control_ >> channel & 1) == 0) return;
        edges.push_back({at_ticks, channel, true});
        if (muons_.uniform() >= 0.03) {
            const double width = s_.width_ns * (0.7 + 0.6 * muons_.uniform());
            edges.push_back({at_ticks + width * 1e-9 * f, channel, false});
        }
    };
    for (int c = 0; c < channels; ++c) {
        const double at = t0 + (0.3 * c + 2 * muons_.uniform()) * 1e-9 * f;
        if (c == 2) stop_rising = at;
        if (control_ >> c & 1) ++enabled_hits;
        pulse(at, c);
    }
    if (enabled_hits < level) return;  // no coincidence: no event
    const double start = std::floor(std::min_element(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) {
                                        return a.ticks < b.ticks;
                                    })->ticks);
    const double gate_end = start + gate_ns() * 1e-9 * f;
    busy_until_s_ = (gate_end + 1e-6 * f) / f;
    const double electron = stop_rising + decay_ns * 1e-9 * f;
    const bool decay = stops && electron < gate_end && (control_ & 0x6) == 0x6;
    if (stops && electron < gate_end) pulse(electron, 2);
    // Edges after the gate are not in the event.
    edges.erase(std::remove_if(edges.begin(), edges.end(), [gate_end](const Edge& e) { return e.ticks >= gate_end; }),
                edges.end());
    write_lines(edges, decay, decay_ns, out);
}

void Card::write_lines(std::vector<Edge>& edges, bool decay, double drawn_ns, std::string& out) {
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.ticks < b.ticks; });
    struct Line {
        std::int64_t tick;
        std::uint8_t bytes[8];
        bool used[8];
    };
    std::vector<Line> lines;
    std::int64_t first_rising_2 = -1;  // in 1/32 of a tick
    std::int64_t last_rising_2 = -1;
    for (const Edge& e : edges) {
        const auto tick = static_cast<std::int64_t>(std::floor(e.ticks));
        const auto fine = std::min<std::int64_t>(31, static_cast<std::int64_t>((e.ticks - static_cast<double>(tick)) * 32));
        const int slot = 2 * e.channel + (e.rising ? 0 : 1);
        if (lines.empty() || lines.back().tick != tick || lines.back().used[slot]) lines.push_back({tick, {}, {}});
        lines.back().bytes[slot] = static_cast<std::uint8_t>(0x20 | fine);
        lines.back().used[slot] = true;
        if (e.rising) ++scalers_[e.channel];
        if (e.rising && e.channel == 2) {
            const std::int64_t t = tick * 32 + fine;
            if (first_rising_2 < 0) first_rising_2 = t;
            last_rising_2 = t;
        }
    }
    if (lines.empty()) return;
    ++events_;
    ++scalers_[4];
    lines.front().bytes[0] |= 0x80;
    const double f = s_.clock_hz;
    if (decay) {
        const double at = static_cast<double>(lines.front().tick) / f;
        const double whole = std::floor(at);
        planted_.push_back({s_.start_utc + static_cast<std::int64_t>(whole), at - whole, drawn_ns,
                            static_cast<double>(last_rising_2 - first_rising_2) / 32 / f * 1e9});
    }
    bool first = true;
    for (const Line& l : lines) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%s %02X %02X %02X %02X %02X %02X %02X %02X ",
                      hex8(s_.first_counter + static_cast<std::uint64_t>(l.tick)).c_str(), l.bytes[0], l.bytes[1],
                      l.bytes[2], l.bytes[3], l.bytes[4], l.bytes[5], l.bytes[6], l.bytes[7]);
        std::string text = buffer + tail(l.tick);
        if (s_.faults && !decay && !first && faults_.uniform() < 0.004) {
            // Cut short before its last word.
            text.resize(1 + static_cast<std::size_t>(faults_.uniform() * static_cast<double>(text.rfind(' '))));
        }
        out += text + "\r\n";
        first = false;
    }
}

std::string Card::tail(std::int64_t tick) {
    const double f = s_.clock_hz;
    auto second = static_cast<std::int64_t>(std::floor(static_cast<double>(tick) / f));
    const auto latch_tick = static_cast<std::int64_t>(std::floor(static_cast<double>(second) * f));
    std::uint32_t latch = s_.first_counter + static_cast<std::uint32_t>(latch_tick);
    std::int64_t gps = second;
    if (static_cast<double>(tick - latch_tick) / f * 1000 < s_.gps_lag_ms) --gps;
    char status = 'A';
    int flags = 0;
    if (s_.faults) {
        // Spells of ten seconds with status V, the GPS time frozen at the last good one.
        const std::int64_t spell = second / 10;
        if (mix(s_.seed, -spell) % 25 == 0) {
            status = 'V';
            gps = spell * 10 - 1;
        }
        const std::uint64_t glitch = mix(s_.seed ^ 0x61, second);
        if (glitch % 150 == 0) {
            latch = static_cast<std::uint32_t>(glitch >> 32);  // a 1PPS far off
            if (glitch % 300 == 0) {
                status = 'V';
                flags = 8;
            }
        }
    }
    const std::uint64_t h = mix(s_.seed, gps);
    const int milli = static_cast<int>(h % 60);
    const int delay = static_cast<int>(h >> 8 & 0xFF) % 150 - 50;
    const auto utc = static_cast<std::time_t>(s_.start_utc + gps);
    std::tm t{};
    gmtime_r(&utc, &t);
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%s %02d%02d%02d.%03d %02d%02d%02d %c %02d %X %+05d", hex8(latch).c_str(),
                  t.tm_hour, t.tm_min, t.tm_sec, milli, t.tm_mday, t.tm_mon + 1, t.tm_year % 100, status,
                  5 + static_cast<int>(h >> 16 & 3), flags, delay);
    return buffer;
}

bool parse_utc(std::string_view text, std::int64_t& seconds) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    char rest = 0;
    const std::string copy(text);
    if (std::sscanf(copy.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &s, &rest) != 6) return false;
    if (y < 2000 || y > 2099 || mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || s > 59) return false;
    std::tm t{};
    t.tm_year = y - 1900;
    t.tm_mon = mo - 1;
    t.tm_mday = d;
    t.tm_hour = h;
    t.tm_min = mi;
    t.tm_sec = s;
    const std::time_t utc = timegm(&t);
    if (t.tm_mday != d) return false;  // no such day in that month
    seconds = utc;
    return true;
}

}  // namespace card
