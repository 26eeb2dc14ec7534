#pragma once
// Test seams: every message, dialog and sound goes to a recorder, and the
// dialogs answer from scripted replies.
#include "platform/seams.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

struct Recorder {
    QStringList messages;
    std::vector<platform::Question> questions;
    std::deque<std::optional<platform::Answer>> answers;  // empty: the question is cancelled
    std::vector<platform::OpenFileRequest> open_requests;
    std::deque<std::optional<QString>> open_answers;            // empty: the dialog is cancelled
    std::deque<std::optional<QStringList>> open_files_answers;  // several files; empty: cancelled
    std::vector<platform::SaveFileRequest> save_requests;
    std::deque<std::optional<QString>> save_answers;  // empty: the dialog is cancelled
    std::vector<platform::FormRequest> form_requests;
    std::deque<std::optional<QStringList>> form_answers;  // empty: the fields as proposed
    std::vector<platform::Rgb> colour_requests;
    std::deque<std::optional<platform::Rgb>> colour_answers;
    QStringList played;
    std::optional<QString> play_error;
    int beeps = 0;
    std::vector<std::pair<int, int>> tones;
    QStringList notifications;  // "title: text", with " (critical)" after a critical one
    QStringList withdrawn;      // the tags of the notifications taken back
    QStringList documents;      // the documents opened
    bool document_opens = true;
    // Runs while a message box is "open" (for example to spin the event loop).
    std::function<void(const QString&)> while_message_open;

    void install();
    void clear();
};

// The one recorder of the test program, installed before every test.
Recorder& recorder();

// A fresh temporary program folder for the settings files, set before a test and removed after.
class TemporaryProgramFolder {
public:
    TemporaryProgramFolder();
    ~TemporaryProgramFolder();
    QString path() const { return dir_.path() + QLatin1Char('/'); }
    QString file(const QString& name) const { return path() + name; }

private:
    QTemporaryDir dir_;
};

// Writes bytes to a file, creating the folders it needs.
void write_bytes(const QString& path, const QByteArray& bytes);
void append_bytes(const QString& path, const QByteArray& bytes);
QByteArray read_bytes(const QString& path);
