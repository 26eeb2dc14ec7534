#pragma once
// The raw stream of a cosmic-ray DAQ card (6000 series, read over a USB
// serial link): its lines, its clock and the decays its events hold. Plain
// C++ (no Qt): lines in, numbers out; the texts are made in analysis/.
//
// An event line holds 16 words separated by blanks:
//   687C4047 80 00 2B 00 00 00 00 00 67037CB8 000322.027 180516 A 03 0 +0053
//   1: the trigger counter (8 hex digits, the free-running clock, rolls over);
//   2-9: a rising and a falling edge byte for channels 0 to 3 (bits 0-4 the
//        fine time in 1/32 of a clock tick, bit 5 the edge is valid; bit 7 of
//        word 2: a new event starts at this line);
//   10: the counter latched at the last GPS second (1PPS, 8 hex digits);
//   11: the GPS time of day, UTC, hhmmss.sss; 12: the date ddmmyy;
//   13: A (GPS data valid) or V; 14: satellites; 15: status flags (hex: 4
//        GPS data possibly corrupt, 8 the 1PPS period out of range);
//   16: the delay in ms between the 1PPS and the GPS message (signed).
// The card's other lines (command echoes, "DS S0=...", "ST ...", replies,
// GPS blocks: a first word that starts with two letters) are no event lines
// and no fault. Any other line (one cut short, garbage) is a bad line.
#include <cstdint>

namespace daq {

inline constexpr int kChannels = 4;
// The counter's clock of the 6000 series, taken only for a stream that never
// lets it be measured (no two GPS seconds): see Clock.
inline constexpr double kNominalFrequencyHz = 25e6;

// ---------------------------------------------------------------------------
// Lines

enum class LineKind : std::uint8_t {
    blank,  // empty, or blanks only
    card,   // another line of the card: an echo, a reply, a status line
    event,  // an event line, read whole
    bad,    // neither: cut short, garbage, a word that cannot be read
};

// Why a line is bad.
enum class Fault : std::uint8_t {
    none,
    garbage,     // starts as no line of the card does
    words,       // an event line without its 16 words
    counter,     // word 1 is not 8 hexadecimal digits
    edge,        // words 2-9: not 2 hexadecimal digits
    latch,       // word 10 is not 8 hexadecimal digits
    gps_time,    // word 11 is not hhmmss.sss
    gps_date,    // word 12 is not ddmmyy
    gps_status,  // word 13 is neither A nor V
    satellites,  // word 14 is not 1 or 2 digits
    flags,       // word 15 is not 1 or 2 hexadecimal digits
    delay,       // word 16 is not a signed number of at most 5 digits
};

struct EventLine {
    std::uint32_t counter = 0;
    std::uint8_t edges[2 * kChannels] = {};  // rising, falling of channel 0, then 1, 2, 3
    std::uint32_t latch = 0;                 // word 10
    std::int32_t gps_ms = 0;                 // word 11 in ms since midnight (up to 99:99:99.999 as written)
    std::int32_t gps_date = 0;               // word 12 as written, ddmmyy
    bool gps_valid = false;                  // word 13 is A
    std::uint8_t satellites = 0;
    std::uint8_t flags = 0;
    std::int32_t delay_ms = 0;
    // Lines read by one LineReader with the same words 10 to 16, as written,
    // have the same number here (never 0); 0 for a line read otherwise.
    std::uint32_t words_id = 0;

    bool new_event() const { return (edges[0] & 0x80) != 0; }
};

inline constexpr std::uint8_t kEdgeValid = 0x20;
inline constexpr std::uint8_t kFineMask = 0x1F;
inline constexpr std::uint8_t kFlagGpsCorrupt = 0x4;
inline constexpr std::uint8_t kFlagPpsOutOfRange = 0x8;

// One line without its line end, as bytes (char) or as text (char16_t): the
// same kind and fault either way. `line` is written for an event line only.
LineKind read_line(const char* p, std::int64_t n, EventLine& line, Fault& fault);
LineKind read_line(const char16_t* p, std::int64_t n, EventLine& line, Fault& fault);

// The lines of one stream read one after the other: what read_line gives,
// quicker for a line of the card's usual layout, 72 characters with single
// blanks ("687C4047 80 00 2B 00 00 00 00 00 67037CB8 000322.027 180516 A 03 0
// +0053"), whose words 10 to 16 are most often those of the line before.
class LineReader {
public:
    LineKind read(const char* p, std::int64_t n, EventLine& line, Fault& fault);
    LineKind read(const char16_t* p, std::int64_t n, EventLine& line, Fault& fault);
    // The 72 characters at `p` as a line of the usual layout: false when
    // they are not one (`line` then holds nothing to read). The caller knows
    // that the line ends there.
    static constexpr std::int64_t kUsualSize = 72;
    bool usual(const char* p, EventLine& line);
    bool usual(const char16_t* p, EventLine& line);

private:
    template <typename Char>
    bool read_usual(const Char* p, EventLine& line);
    // Words 10 to 16 of the last usual line as written, and as read (the
    // rest of last_ is of the line whose words were read).
    bool has_tail8_ = false;
    bool has_tail16_ = false;
    char tail8_[kUsualSize - 33] = {};
    char16_t tail16_[kUsualSize - 33] = {};
    EventLine last_;
    std::uint32_t words_ids_ = 0;
};

// The UTC second of a line's last 1PPS from its GPS words (the time plus the
// delay, to the nearest second), in seconds since 1970-01-01; false when the
// GPS data are not to be trusted: status V, flag 4 or 8, or a time or date
// that does not exist.
bool gps_second(const EventLine& line, std::int64_t& second);

// ---------------------------------------------------------------------------
// The clock

// The counter's frequency is measured from successive 1PPS latches: each
// change of word 10 gives the ticks of the seconds between them (their number
// from the GPS seconds, or from the frequency once known; an hour at most). The first three
// such values that agree within kAgreement give the frequency; then a value
// within kAgreement of the median of the last kMedianOf is taken in, and the
// frequency is their median; a value farther off (a GPS glitch) is left out,
// as are the latches of lines with flag 8.
//
// A line's time is the UTC second of a reference 1PPS plus the ticks since it
// over the frequency. The reference moves to each line whose GPS words can be
// trusted (gps_second) and agree with it: its latch a whole number n of
// seconds after the reference's (within kAgreement of a second), the second
// counted on (the reference's plus n) its GPS second or the one after (a GPS
// message that comes after the first lines of its second); a GPS second one
// after the one counted moves the reference on (its own message was late).
// Lines that disagree are timed from the reference; kNewReference successive
// seconds that agree among themselves and not with it (the counters were
// reset, the GPS time was wrong) become the new reference.
inline constexpr double kAgreement = 1e-3;
// The longest span of seconds between two latches that gives a value.
inline constexpr std::int64_t kLongestSpan = 3600;
inline constexpr int kMedianOf = 15;
inline constexpr int kNewReference = 3;

// Where a pass over a stream starts its clock: what a first look at the
// stream found (Clock::start), so that the events before the clock was
// measured are timed as the later ones.
struct ClockStart {
    double frequency_hz = kNominalFrequencyHz;
    bool measured = false;       // else the nominal frequency
    bool has_reference = false;  // else no line's GPS time could be trusted
    std::int64_t reference_latch = 0;
    std::int64_t reference_second = 0;
};

class Clock {
public:
    Clock() = default;
    // A clock that knows the frequency and the reference of a first look
    // over the same stream from its first event line.
    explicit Clock(const ClockStart& start);

    // Each event line, in the order of the stream.
    inline void line(const EventLine& line);
    // Both the frequency and a reference are known.
    bool ready() const { return measured_ && has_reference_; }
    ClockStart start() const;

    // The current line's counter, unwrapped: ticks since the stream's first
    // event line's counter value, counting the roll-overs: the counter's step
    // from one line to the next taken within half of its turn, forward or
    // back; a line with a new latch and a GPS second that can be trusted
    // counts the turns that passed (each 172 s at 25 MHz) from the GPS
    // seconds since the last such line, so that events minutes apart are
    // timed right.
    std::int64_t ticks() const { return ticks_; }
    double frequency_hz() const { return measured_ || seeded_ ? frequency_ : kNominalFrequencyHz; }
    // The time at `ticks`: seconds since 1970 with the reference, else since
    // the stream's first event line. `second` + `fraction` (0 <= fraction < 1).
    void time_at(std::int64_t ticks, std::int64_t& second, double& fraction) const;
    bool gps_time() const { return has_reference_; }
    bool measured() const { return measured_; }

private:
    void latch_changed(std::int64_t latch, bool gps, std::int64_t second, bool glitch_flag);
    void take_candidate(double hz);
    void reference(std::int64_t latch, std::int64_t second);
    void gps_line(std::int64_t latch, std::int64_t second);
    // The GPS second of the last line's words, kept while they do not change.
    bool same_gps_words(const EventLine& l) const {
        if (l.words_id != 0) return l.words_id == words_.words_id;
        return l.gps_ms == words_.gps_ms && l.gps_date == words_.gps_date && l.delay_ms == words_.delay_ms &&
               l.gps_valid == words_.gps_valid && l.flags == words_.flags;
    }
    void new_gps_words(const EventLine& line);
    // A latch that changed, or got its GPS second; the latch, moved by the
    // counter's turns the GPS seconds count since the last such line.
    std::int64_t latch_line(std::int64_t latch, std::uint8_t flags);
    // The ticks and the GPS second of the last line whose latch changed
    // with a GPS second that could be trusted.
    bool has_mark_ = false;
    std::int64_t mark_ticks_ = 0;
    std::int64_t mark_second_ = 0;
    // `ticks` is a whole number n != 0 of seconds, within kAgreement of one.
    bool whole_seconds(std::int64_t ticks, std::int64_t& n) const;

    bool started_ = false;
    std::uint32_t counter_ = 0;  // of the last line
    EventLine words_;            // its GPS words
    bool gps_ = false;           // their second, if trusted
    std::int64_t gps_second_ = 0;
    std::int64_t ticks_ = 0;

    // The last latch that changed, and its GPS second if any.
    bool has_latch_ = false;
    std::int64_t latch_ = 0;
    bool latch_gps_ = false;
    std::int64_t latch_second_ = 0;

    // The frequency: the first values that agree, then the last kMedianOf.
    double first_[kNewReference] = {};
    int firsts_ = 0;
    double values_[kMedianOf] = {};
    int count_ = 0;
    int next_ = 0;
    double frequency_ = kNominalFrequencyHz;
    double period_ = 1 / kNominalFrequencyHz;  // 1 / frequency_
    bool measured_ = false;
    bool seeded_ = false;

    bool has_reference_ = false;
    std::int64_t ref_latch_ = 0;
    std::int64_t ref_second_ = 0;
    // Seconds that agree among themselves and not with the reference.
    int candidates_ = 0;
    std::int64_t cand_latch_ = 0;
    std::int64_t cand_second_ = 0;
};

// ---------------------------------------------------------------------------
// Events and decays

// Which channels (0 to 3) make a decay, and the durations kept. A decay: the
// veto channel has no pulse, the single channel exactly one and the double
// channel at least two (at least two when single and double are the same
// channel); its duration is the last minus the first rising edge in the
// double channel, kept from min_ns to max_ns (both included).
struct DecayChoices {
    int single_channel = 1;
    int double_channel = 2;
    int veto_channel = 3;  // kNoVeto: none
    double min_ns = 400;
    double max_ns = 9000;
    bool operator==(const DecayChoices&) const = default;
};
inline constexpr int kNoVeto = -1;

// Whether the choices can be taken: channels 0 to 3, the veto neither of the
// others, 0 <= min_ns <= max_ns, both finite.
bool usable(const DecayChoices& choices);

struct Event {
    std::int64_t first_line = 0;  // the index of its first line
    std::int64_t second = 0;      // its time (Clock::time_at)
    double fraction = 0;
    bool decay = false;
    double decay_ns = 0;
};

// The events of a stream, one after the other: an event spans the lines from
// one with the new-event bit to the next one; the lines before the first
// such line belong to an event whose start the stream missed, and are left
// out. The pulses of a channel are its valid rising edges (a missing or
// earlier falling edge leaves a pulse all the same); an edge's time is the
// ticks since the event's first line plus its fine time.
class Events {
public:
    Events(const DecayChoices& choices, const ClockStart& start);

    // Each event line with its index: true when it ended an event, which
    // `ended()` then holds.
    inline bool line(const EventLine& line, std::int64_t index);
    // The end of the stream ends the event in progress: true when there was one.
    bool end();
    const Event& ended() const { return ended_; }
    const Clock& clock() const { return clock_; }

private:
    bool start(std::int64_t index);  // a line with the new-event bit: true when it ended one
    void close();

    DecayChoices choices_;
    Clock clock_;
    bool open_ = false;
    std::int64_t first_line_ = 0;
    std::int64_t start_ticks_ = 0;  // of the event's first line
    std::uint32_t start_counter_ = 0;
    int double_ = 0;  // choices_.double_channel
    int rising_[kChannels] = {};
    std::int64_t first_rising_ = 0;  // of the double channel, in 1/32 of a tick since the event's start
    std::int64_t last_rising_ = 0;
    Event ended_;
};

// The work of every line, inline; what changes now and then out of line.

void Clock::line(const EventLine& l) {
    // Lines come in the counter's order: a step back is no roll-over.
    ticks_ += started_ ? static_cast<std::int32_t>(l.counter - counter_) : 0;
    counter_ = l.counter;
    // The latch comes before the line: the ticks since it, less than a roll-over.
    std::int64_t latch = ticks_ - static_cast<std::uint32_t>(l.counter - l.latch);
    if (!started_ || !same_gps_words(l)) [[unlikely]] {
        new_gps_words(l);
    }
    started_ = true;
    if (!has_latch_ || latch != latch_ || (gps_ && !latch_gps_)) [[unlikely]] {
        latch = latch_line(latch, l.flags);
    }
    if (gps_ && (!has_reference_ || latch != ref_latch_ || gps_second_ != ref_second_)) [[unlikely]] {
        gps_line(latch, gps_second_);
    }
}

bool Events::line(const EventLine& l, std::int64_t index) {
    clock_.line(l);
    const bool ended = l.new_event() && start(index);
    if (!open_) [[unlikely]] {
        return ended;
    }
    // Without a branch: whether an edge is valid is not foreseeable. The
    // pulses of every channel are counted; the times, of the double channel's
    // alone (a decay's duration).
    for (int c = 0; c < kChannels; ++c) rising_[c] += (l.edges[2 * c] & kEdgeValid) != 0;
    const std::uint8_t r = l.edges[2 * double_];
    const bool valid = (r & kEdgeValid) != 0;
    const std::int64_t t = (clock_.ticks() - start_ticks_) * 32 + (r & kFineMask);
    first_rising_ = valid && t < first_rising_ ? t : first_rising_;
    last_rising_ = valid && t > last_rising_ ? t : last_rising_;
    return ended;
}

}  // namespace daq
