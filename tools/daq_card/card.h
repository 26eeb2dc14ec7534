#pragma once
// A simulated cosmic-ray DAQ card (6000 series): it answers the card's
// commands as the card does (each echoed) and, between CE and CD, streams
// the raw event lines of muons crossing a stack of four counters, channel 0
// on top:
//   - muons arrive at a rate (Poisson; one within the gate of the event
//     before is lost, as on the card); most cross the whole stack (a pulse
//     in each channel), a fraction stops in channel 2, and its decay electron
//     gives a second pulse in channel 2 after an exponential delay: a decay
//     for the channels single 1, double 2, veto 3, when it falls in the gate;
//   - the counter runs at the clock's frequency from a value that rolls over
//     soon; each edge is written on the line of its clock tick with its fine
//     time in 1/32 of a tick, a line holding one rising and one falling edge
//     a channel, so that an event spans several lines;
//   - the 1PPS latch at each UTC second, GPS time, date, status A;
//   - with faults: spells of status V with the GPS time frozen, 1PPS latches
//     far off (flagged 8 and V, or not flagged), "DS" scaler lines, lines cut
//     short and lines of garbage. A cut line is never one that holds an edge
//     of a decay nor the first line of an event: every decay planted is in
//     the stream whole.
// Every decay planted is kept (planted()) with its event's UTC time, the
// delay drawn and the delay its edges give, to be compared with what a
// reader finds. Plain C++; deterministic for a seed.
#include "common/portable_random.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace card {

struct Settings {
    double clock_hz = 25e6;
    double rate_hz = 5;            // muons through the stack a second
    double stop_fraction = 0.1;    // of them stopping in channel 2
    double lifetime_ns = 2197;     // of the decay
    double width_ns = 60;          // of a pulse
    std::int64_t start_utc = 1710410400;  // 2024-03-14 10:00:00 UTC
    std::uint32_t first_counter = 0xFF000000;  // rolls over within the first second at 25 MHz
    std::uint64_t seed = 1;
    double gps_lag_ms = 0;  // the GPS words change this long after the 1PPS latch
    bool faults = false;
};

struct Planted {
    std::int64_t second = 0;  // the event's UTC time: its first line's tick
    double fraction = 0;
    double drawn_ns = 0;  // the delay drawn
    double sent_ns = 0;   // the delay its edges give (whole fine ticks)
};

class Card {
public:
    explicit Card(const Settings& settings);

    // The card's answer to one command line (without its CR): the echo, then
    // what it replies, each line ending in CR LF. CE and CD start and stop
    // the stream; WC 00/02/03 set the channels, the coincidence level and
    // the gate; RB sets the counter to 0; RE resets the registers and stops.
    std::string command(std::string_view line);
    bool streaming() const { return streaming_; }
    // Starts the stream at once, as after CE.
    void start() { streaming_ = true; }

    // Appends the lines of the run until `run_seconds` since the start (the
    // events whose muon arrives before then), each ending in CR LF.
    void run_until(double run_seconds, std::string& out);
    // The decays the lines given so far hold, in their order.
    const std::vector<Planted>& planted() const { return planted_; }
    std::uint64_t events() const { return events_; }
    double gate_ns() const;

private:
    struct Edge {
        double ticks;  // since the start of the run
        int channel;
        bool rising;
    };
    void event(double arrival_s, std::string& out);
    void write_lines(std::vector<Edge>& edges, bool decay, double drawn_ns, std::string& out);
    std::string tail(std::int64_t tick);  // words 10 to 16 of a line at that tick

    Settings s_;
    portable::Random muons_;
    portable::Random faults_;
    bool streaming_ = false;
    std::uint8_t control_ = 0x0F;
    std::uint16_t gate_ = 0x040A;  // 10 ns steps
    std::int64_t counter_offset_ = 0;  // ticks added by RB
    double next_muon_s_ = 0;
    double busy_until_s_ = 0;  // the end of the last event's gate and dead time
    std::int64_t last_second_ = -1;
    std::vector<Planted> planted_;
    std::uint64_t events_ = 0;
    std::uint64_t scalers_[5] = {};
};

// "YYYY-MM-DD HH:MM:SS" (UTC) as Unix seconds; false when it is no such time.
bool parse_utc(std::string_view text, std::int64_t& seconds);

}  // namespace card
