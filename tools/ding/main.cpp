// vorns-ding: writes the tick sound "ding1.wav" that vorns plays at every refresh
// when "sound" is ticked: a short bell-like ding, 16-bit PCM mono at 44.1 kHz;
// with --alarm, the sound played instead while a followed run is said stopped.
//
//   vorns-ding [FILE]             (default FILE: ding1.wav)
//   vorns-ding --alarm [FILE]     (default FILE: alarme.wav)
//
// The alarm: three short beeps of 880 Hz with a faint third harmonic, 110 ms
// each with 70 ms between them, soft edges, 470 ms in all.
//
// The sound: a 1760 Hz tone with its octave and a faint third harmonic, a soft
// 4 ms attack, exponential decays (the harmonics die out first) and a short
// fade to silence at the end, 170 ms in all, peaking at about -7 dBFS.

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 44100;
constexpr double kLengthSeconds = 0.170;
constexpr double kAttackSeconds = 0.004;
constexpr double kFadeSeconds = 0.015;
constexpr double kPeak = 0.45;  // of full scale
constexpr double kPi = 3.14159265358979323846;

struct Partial {
    double frequency;
    double amplitude;
    double decay_seconds;  // time constant of the exponential decay
};

constexpr Partial kPartials[] = {
    {1760.0, 1.00, 0.045},
    {3520.0, 0.30, 0.022},
    {5280.0, 0.08, 0.012},
};

std::vector<std::int16_t> make_ding() {
    const auto count = static_cast<std::size_t>(std::lround(kLengthSeconds * kSampleRate));
    std::vector<double> wave(count);
    double loudest = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double value = 0.0;
        for (const Partial& p : kPartials) {
            value += p.amplitude * std::exp(-t / p.decay_seconds) * std::sin(2.0 * kPi * p.frequency * t);
        }
        if (t < kAttackSeconds) value *= 0.5 - 0.5 * std::cos(kPi * t / kAttackSeconds);
        const double left = kLengthSeconds - t;
        if (left < kFadeSeconds) value *= 0.5 - 0.5 * std::cos(kPi * left / kFadeSeconds);
        wave[i] = value;
        loudest = std::fmax(loudest, std::fabs(value));
    }
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        samples[i] = static_cast<std::int16_t>(std::lround(wave[i] / loudest * kPeak * 32767.0));
    }
    return samples;
}

std::vector<std::int16_t> make_alarm() {
    constexpr double kBeep = 0.110;
    constexpr double kPause = 0.070;
    constexpr double kEdge = 0.005;
    constexpr int kBeeps = 3;
    const double length = kBeeps * kBeep + (kBeeps - 1) * kPause;
    const auto count = static_cast<std::size_t>(std::lround(length * kSampleRate));
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double in_beep = std::fmod(t, kBeep + kPause);
        if (in_beep >= kBeep) continue;
        double value = (std::sin(2.0 * kPi * 880.0 * t) + 0.2 * std::sin(2.0 * kPi * 2640.0 * t)) / 1.2;
        const double edge = std::fmin(in_beep, kBeep - in_beep);
        if (edge < kEdge) value *= 0.5 - 0.5 * std::cos(kPi * edge / kEdge);
        samples[i] = static_cast<std::int16_t>(std::lround(value * kPeak * 32767.0));
    }
    return samples;
}

void put_u16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFFu);
    out += static_cast<char>((v >> 8) & 0xFFu);
}

void put_u32(std::string& out, std::uint32_t v) {
    put_u16(out, v & 0xFFFFu);
    put_u16(out, v >> 16);
}

// A canonical 44-byte RIFF/WAVE header followed by the little-endian samples.
std::string wave_file(const std::vector<std::int16_t>& samples) {
    const auto data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out;
    out += "RIFF";
    put_u32(out, 36 + data_bytes);
    out += "WAVE";
    out += "fmt ";
    put_u32(out, 16);  // size of the format chunk
    put_u16(out, 1);   // PCM
    put_u16(out, 1);   // mono
    put_u32(out, kSampleRate);
    put_u32(out, kSampleRate * 2);  // bytes per second
    put_u16(out, 2);                // bytes per frame
    put_u16(out, 16);               // bits per sample
    out += "data";
    put_u32(out, data_bytes);
    for (const std::int16_t s : samples) put_u16(out, static_cast<std::uint16_t>(s));
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    const bool alarm = argc > 1 && std::strcmp(argv[1], "--alarm") == 0;
    if (alarm) {
        --argc;
        ++argv;
    }
    std::string path = alarm ? "alarme.wav" : "ding1.wav";
    if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        const bool help = argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0);
        std::fputs(
            "Usage: vorns-ding [--alarm] [FILE]\n"
            "Write the tick sound (16-bit PCM mono, 44.1 kHz, 170 ms) to FILE\n"
            "(default ding1.wav); with --alarm, the sound of a stopped run (470 ms,\n"
            "default alarme.wav).\n",
            help ? stdout : stderr);
        return help ? 0 : 2;
    }
    if (argc == 2) path = argv[1];

    const std::string bytes = wave_file(alarm ? make_alarm() : make_ding());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "vorns-ding: cannot create '%s': %s\n", path.c_str(), std::strerror(errno));
        return 1;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        std::fprintf(stderr, "vorns-ding: cannot write '%s'\n", path.c_str());
        return 1;
    }
    return 0;
}
