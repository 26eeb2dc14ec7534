#include "support/recorder.h"

#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

Recorder& recorder() {
    static Recorder instance;
    return instance;
}

void Recorder::clear() { *this = Recorder(); }

void Recorder::install() {
    platform::Seams& s = platform::seams();
    s.show_message = [this](const QString& text) {
        messages.append(text);
        if (while_message_open) while_message_open(text);
    };
    s.choose_open_file = [this](const platform::OpenFileRequest& request) -> std::optional<QString> {
        open_requests.push_back(request);
        if (open_answers.empty()) return std::nullopt;
        auto answer = open_answers.front();
        open_answers.pop_front();
        return answer;
    };
    s.choose_save_file = [this](const platform::SaveFileRequest& request) -> std::optional<QString> {
        save_requests.push_back(request);
        if (save_answers.empty()) return std::nullopt;
        auto answer = save_answers.front();
        save_answers.pop_front();
        return answer;
    };
    s.choose_colour = [this](platform::Rgb initial) -> std::optional<platform::Rgb> {
        colour_requests.push_back(initial);
        if (colour_answers.empty()) return std::nullopt;
        auto answer = colour_answers.front();
        colour_answers.pop_front();
        return answer;
    };
    s.play_wave = [this](const QString& path) -> std::optional<QString> {
        played.append(path);
        return play_error;
    };
    s.beep = [this] { ++beeps; };
    s.tone = [this](int hertz, int milliseconds) { tones.emplace_back(hertz, milliseconds); };
}

TemporaryProgramFolder::TemporaryProgramFolder() { platform::set_program_folder_for_tests(path()); }

TemporaryProgramFolder::~TemporaryProgramFolder() { platform::set_program_folder_for_tests(QString()); }

void write_bytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    file.write(bytes);
}

QByteArray read_bytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}
