#pragma once
// The few platform calls that wait for a person or make a sound. The program
// installs the Qt implementations at start; tests install recorders.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace platform {

// A colour as 0xAARRGGBB, the layout of Qt Gui's QRgb, so that this layer needs Qt Core only.
using Rgb = std::uint32_t;

struct OpenFileRequest {
    QString title;
    QString initial_folder;
    QString file_name;
    QString filter_description;  // "Text files (*.txt)"
    QString filter_pattern;      // "*.txt*"
    // Filters offered after it, each "description (patterns)": "All files (*)".
    QStringList other_filters;
};

// A file to save: the dialog asks before replacing an existing one.
struct SaveFileRequest {
    QString title;
    QString initial_folder;
    QString file_name;           // proposed name
    QString filter_description;  // "Images PNG"
    QString filter_pattern;      // "*.png"
};

// A desktop notification. One with the tag of a notification still shown
// replaces it; a critical one stays until it is dismissed or withdrawn.
struct Notification {
    QString tag;  // the program's name for it, by which it is replaced or withdrawn
    QString title;
    QString text;
    bool critical = false;
};

// Text fields the user fills in one dialog, each with its caption and the
// value proposed; a field of several lines takes line ends.
struct FormField {
    QString caption;
    QString value;
    bool several_lines = false;
};
struct FormRequest {
    QString title;
    QString text;  // what the fields are for, above them
    std::vector<FormField> fields;
};

// A question with three answers: save, go on without saving, or stay.
struct Question {
    QString text;
    bool save_offered = true;  // false: there is nowhere to save, only the two other answers
    QString discard_text;      // the second answer's words; empty: "Quitter sans enregistrer"
};
enum class Answer { save, discard, cancel };

struct Seams {
    std::function<void(const QString& text)> show_message;
    std::function<Answer(const Question& question)> ask;
    std::function<std::optional<QString>(const OpenFileRequest& request)> choose_open_file;
    // Several existing files chosen at once; nothing when cancelled.
    std::function<std::optional<QStringList>(const OpenFileRequest& request)> choose_open_files;
    std::function<std::optional<QString>(const SaveFileRequest& request)> choose_save_file;
    // The fields as filled, in their order; nothing when cancelled.
    std::function<std::optional<QStringList>(const FormRequest& request)> fill_form;
    std::function<std::optional<Rgb>(Rgb initial)> choose_colour;
    // Plays a wave file without waiting; returns the player's error text, if any.
    std::function<std::optional<QString>(const QString& path)> play_wave;
    std::function<void()> beep;
    std::function<void(int hertz, int milliseconds)> tone;
    // A desktop notification; sent without waiting, nothing when no notification service runs.
    std::function<void(const Notification& notification)> notify;
    // Takes back the notification of that tag, if it is still shown.
    std::function<void(const QString& tag)> withdraw;
    // Opens a document (the user's guide) in the desktop's viewer without
    // waiting; false when nothing could open it.
    std::function<bool(const QString& path)> open_document;
};

Seams& seams();

// Shows a message box with OK (title "vorns") through the seam and waits for it.
void show_message(const QString& text);
// Asks the question through the seam and waits for the answer; without a
// seam to ask, the answer is to stay (cancel).
Answer ask(const Question& question);
// A desktop notification through the seam; nothing without one.
void notify(const Notification& notification);
// One of normal urgency, without a tag.
void notify(const QString& title, const QString& text);
// Takes back the notification of that tag, through the seam.
void withdraw(const QString& tag);

}  // namespace platform
