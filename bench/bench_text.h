#pragma once
// Number text of the benchmark's files and figures, made without the C
// library's printf: on a French or German desktop that writes a decimal comma.
#include <charconv>
#include <string>
#include <string_view>

// `value` with `decimals` digits after a point.
inline std::string fixed_text(double value, int decimals) {
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return written.ec == std::errc{} ? std::string(buffer, written.ptr) : std::string("?");
}

// The shortest text that reads back as `value` ("0.2", "50").
inline std::string shortest_text(double value) {
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return written.ec == std::errc{} ? std::string(buffer, written.ptr) : std::string("?");
}

// A whole number from a command-line argument, or `otherwise` when it is none.
inline int int_argument(std::string_view text, int otherwise) {
    int value = 0;
    const auto read = std::from_chars(text.data(), text.data() + text.size(), value);
    return read.ec == std::errc{} && read.ptr == text.data() + text.size() ? value : otherwise;
}
