#pragma once
// vorns-acquisition --device PORT: a cosmic-ray DAQ card read on its serial
// port (115200 baud, 8N1, XON/XOFF), its raw stream appended to the data file.
//
// The card is set up for a lifetime run as its command sheet says (CD, DC,
// WC 03 and WC 02 the gate, WC 00 the channels, coincidence and veto), then
// started (CE). Every byte it sends goes to the file, a line at a time as
// each line ends (CR or LF), in one write: a program following the file never
// sees half a line, and the file is never truncated (a run appends to what
// the file holds; a previous run's last line cut short is ended first). A
// port that vanishes (a cable pulled) is said on the error output, the part
// of a line received before it written as a line of its own, and the port
// opened again every retry_ms until it comes back, when the card is set up
// and started again. SIGINT or SIGTERM stop the card (CD), write what it sent
// until then, and end the program.
#include <cstdint>
#include <string>

struct DeviceSettings {
    std::string port;
    std::string output;
    std::uint8_t control = 0x0F;  // register 0: channels 0-3 enabled, singles, no veto
    std::uint16_t gate = 0x040A;  // the gate in 10 ns steps (about 10 us)
    int retry_ms = 2000;
};

// Runs until stopped: 0 after a stop, 1 when the port or the file cannot be
// opened at the start, or the file cannot be written.
int run_device(const DeviceSettings& settings, int argc, char** argv);
