#pragma once
// Paths, the program folder, file size and modification stamp.
#include <QString>
#include <cstdint>

namespace platform {

// The folder of the program's executable, ending with '/'. Tests may point it elsewhere.
QString program_folder();
void set_program_folder_for_tests(const QString& folder);  // empty text: back to the real one

bool file_exists(const QString& path);
// There, but neither a file nor a folder: a pipe, a device, a socket.
bool is_special_file(const QString& path);
// Size in bytes, -1 when the file cannot be opened; 0 for a pipe, not opened.
std::int32_t file_size(const QString& path);
// Last-write time in local time packed as a 32-bit date-time (two-second
// resolution); -1 for a missing file. Read afresh at every call.
std::int32_t file_stamp(const QString& path);
// The stamp and, with it from the same look at the file, its last change, of
// its content or of its attributes (whichever is later), in milliseconds since
// the epoch on the file system's clock; both -1 for a missing file. Unlike the
// stamp the change moves when a file is rewritten within the same two seconds
// or gets its old modification time back. Its size from the same look tells
// apart two rewrites within the file system's clock tick (a few ms).
struct FileTimes {
    std::int32_t stamp = -1;
    std::int64_t change = -1;
    std::int64_t size = -1;
    bool operator==(const FileTimes&) const = default;
};
FileTimes file_times(const QString& path);

// Everything up to and including the last '/' (on Windows also '\' or ':').
QString folder_part(const QString& path);
// Everything after it.
QString name_part(const QString& path);
// The path as shown to the user.
QString native_path(const QString& path);

}  // namespace platform
