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

namespace {
// The next scripted answer of a dialog; none left: the dialog is cancelled.
template <class T>
std::optional<T> next_answer(std::deque<std::optional<T>>& answers) {
    if (answers.empty()) return std::nullopt;
    std::optional<T> answer = answers.front();
    answers.pop_front();
    return answer;
}
}  // namespace

void Recorder::install() {
    platform::Seams& s = platform::seams();
    s.show_message = [this](const QString& text) {
        messages.append(text);
        if (while_message_open) while_message_open(text);
    };
    s.ask = [this](const platform::Question& question) {
        questions.push_back(question);
        return next_answer(answers).value_or(platform::Answer::cancel);
    };
    s.choose_open_file = [this](const platform::OpenFileRequest& request) -> std::optional<QString> {
        open_requests.push_back(request);
        return next_answer(open_answers);
    };
    s.choose_open_files = [this](const platform::OpenFileRequest& request) -> std::optional<QStringList> {
        open_requests.push_back(request);
        return next_answer(open_files_answers);
    };
    s.choose_save_file = [this](const platform::SaveFileRequest& request) -> std::optional<QString> {
        save_requests.push_back(request);
        return next_answer(save_answers);
    };
    s.fill_form = [this](const platform::FormRequest& request) -> std::optional<QStringList> {
        form_requests.push_back(request);
        if (form_answers.empty()) {
            QStringList proposed;
            for (const platform::FormField& f : request.fields) proposed << f.value;
            return proposed;
        }
        return next_answer(form_answers);
    };
    s.choose_colour = [this](platform::Rgb initial) -> std::optional<platform::Rgb> {
        colour_requests.push_back(initial);
        return next_answer(colour_answers);
    };
    s.play_wave = [this](const QString& path) -> std::optional<QString> {
        played.append(path);
        return play_error;
    };
    s.beep = [this] { ++beeps; };
    s.tone = [this](int hertz, int milliseconds) { tones.emplace_back(hertz, milliseconds); };
    s.open_document = [this](const QString& path) {
        documents.append(path);
        return document_opens;
    };
    s.notify = [this](const platform::Notification& n) {
        notifications.append(n.title + QStringLiteral(": ") + n.text +
                             (n.critical ? QStringLiteral(" (critical)") : QString()));
    };
    s.withdraw = [this](const QString& tag) { withdrawn.append(tag); };
}

TemporaryProgramFolder::TemporaryProgramFolder() { platform::set_program_folder_for_tests(path()); }

TemporaryProgramFolder::~TemporaryProgramFolder() { platform::set_program_folder_for_tests(QString()); }

void write_bytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    file.write(bytes);
}

void append_bytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append)) file.write(bytes);
}

QByteArray read_bytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}
