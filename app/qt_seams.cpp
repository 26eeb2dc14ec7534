#include "app/qt_seams.h"

#include "platform/seams.h"
#include "session/desktop_notification.h"

#include <QCoreApplication>
#include <QApplication>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSoundEffect>
#include <QUrl>
#include <QVBoxLayout>
#include <QtMath>
#include <utility>

namespace {

void message_box(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("vorns"), text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

// The question with its answers in the program's words; closing the box is staying.
platform::Answer question_box(const platform::Question& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("vorns"), question.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* enregistrer =
        question.save_offered ? box.addButton(QCoreApplication::translate("app", "Enregistrer"), QMessageBox::AcceptRole)
                              : nullptr;
    QPushButton* abandonner = box.addButton(question.discard_text.isEmpty()
                                                ? QCoreApplication::translate("app", "Quitter sans enregistrer")
                                                : question.discard_text,
                                            QMessageBox::DestructiveRole);
    QPushButton* rester = box.addButton(QCoreApplication::translate("app", "Annuler"), QMessageBox::RejectRole);
    box.setDefaultButton(enregistrer ? enregistrer : rester);
    box.setEscapeButton(rester);
    box.exec();
    if (enregistrer && box.clickedButton() == enregistrer) return platform::Answer::save;
    if (box.clickedButton() == abandonner) return platform::Answer::discard;
    return platform::Answer::cancel;
}

// The file dialog of any kind, with its one filter and proposed name; the
// chosen files, or nothing when cancelled.
template <class Request>
std::optional<QStringList> files_dialog(const Request& request, QFileDialog::FileMode mode,
                                        QFileDialog::AcceptMode accept, const QString& default_suffix) {
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.initial_folder);
    dialog.setFileMode(mode);
    dialog.setAcceptMode(accept);
    const QString filter =
        request.filter_description + QStringLiteral(" (") + request.filter_pattern + QLatin1Char(')');
    QStringList filters{filter};
    if constexpr (requires { request.other_filters; }) filters << request.other_filters;
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filter);
    if (!default_suffix.isEmpty()) dialog.setDefaultSuffix(default_suffix);
    if (!request.file_name.isEmpty()) dialog.selectFile(request.file_name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles();
}

template <class Request>
std::optional<QString> file_dialog(const Request& request, QFileDialog::FileMode mode, QFileDialog::AcceptMode accept,
                                   const QString& default_suffix) {
    const std::optional<QStringList> files = files_dialog(request, mode, accept, default_suffix);
    if (!files) return std::nullopt;
    return files->first();
}

std::optional<QString> open_file_dialog(const platform::OpenFileRequest& request) {
    return file_dialog(request, QFileDialog::ExistingFile, QFileDialog::AcceptOpen, QString());
}

std::optional<QStringList> open_files_dialog(const platform::OpenFileRequest& request) {
    return files_dialog(request, QFileDialog::ExistingFiles, QFileDialog::AcceptOpen, QString());
}

std::optional<QString> save_file_dialog(const platform::SaveFileRequest& request) {
    // The extension of the filter when the name is typed without one.
    QString suffix = request.filter_pattern.section(QLatin1Char('.'), -1);
    if (suffix.contains(QLatin1Char('*'))) suffix.clear();
    return file_dialog(request, QFileDialog::AnyFile, QFileDialog::AcceptSave, suffix);
}

std::optional<QRgb> colour_dialog(QRgb initial) {
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(initial), QApplication::activeWindow());
    if (!chosen.isValid()) return std::nullopt;
    return chosen.rgb();
}

// The player's failure to play the last sound, which it finds after the call
// that started it: told by the next call, in the status line of the tick that
// plays (a box would wait for someone, and a run goes on unwatched).
std::optional<QString>& player_error() {
    static std::optional<QString> error;
    return error;
}

QSoundEffect* player() {
    static QSoundEffect* effect = [] {
        auto* e = new QSoundEffect(qApp);
        e->setObjectName(QStringLiteral("MediaPlayer1"));
        QObject::connect(e, &QSoundEffect::statusChanged, e, [e] {
            if (e->status() == QSoundEffect::Error) {
                player_error() =
                    QCoreApplication::translate("app", "Cannot play the sound file \"%1\".").arg(e->source().toLocalFile());
            }
        });
        return e;
    }();
    return effect;
}

std::optional<QString> play_wave(const QString& path) {
    // Without an audio device the player only writes a line on stderr, which
    // nobody at the window reads.
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        return QStringLiteral("Cannot play the sound file \"%1\". No audio device").arg(QDir::toNativeSeparators(path));
    }
    std::optional<QString> before = std::exchange(player_error(), std::nullopt);
    QSoundEffect* effect = player();
    effect->stop();
    effect->setSource(QUrl::fromLocalFile(path));
    effect->play();
    return before;
}

void tone(int hertz, int milliseconds) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;  // no audio device: silent
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return;
    const int samples = 44100 * milliseconds / 1000;
    QByteArray pcm(samples * 2, Qt::Uninitialized);
    auto* out = reinterpret_cast<qint16*>(pcm.data());
    for (int i = 0; i < samples; ++i) {
        out[i] = static_cast<qint16>(12000.0 * qSin(2.0 * M_PI * hertz * i / 44100.0));
    }
    auto* buffer = new QBuffer(qApp);
    buffer->setData(pcm);
    buffer->open(QIODevice::ReadOnly);
    auto* sink = new QAudioSink(device, format, qApp);
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [sink, buffer](QAudio::State state) {
        if (state == QAudio::IdleState || state == QAudio::StoppedState) {
            sink->stop();
            sink->deleteLater();
            buffer->deleteLater();
        }
    });
    sink->start(buffer);
}

}  // namespace

// The fields in one dialog, a caption beside each (its buddy, for the
// keyboard and the screen reader); OK gives them as typed.
std::optional<QStringList> form_dialog(const platform::FormRequest& request) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(request.title);
    auto* column = new QVBoxLayout(&dialog);
    if (!request.text.isEmpty()) {
        auto* text = new QLabel(request.text, &dialog);
        text->setWordWrap(true);
        column->addWidget(text);
    }
    auto* form = new QFormLayout;
    std::vector<std::function<QString()>> values;
    for (const platform::FormField& f : request.fields) {
        auto* caption = new QLabel(f.caption, &dialog);
        QWidget* field = nullptr;
        if (f.several_lines) {
            auto* edit = new QPlainTextEdit(f.value, &dialog);
            edit->setTabChangesFocus(true);
            edit->setMinimumHeight(edit->fontMetrics().lineSpacing() * 4);
            values.emplace_back([edit] { return edit->toPlainText(); });
            field = edit;
        } else {
            auto* edit = new QLineEdit(f.value, &dialog);
            edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
            values.emplace_back([edit] { return edit->text(); });
            field = edit;
        }
        caption->setBuddy(field);
        field->setAccessibleName(f.caption);
        form->addRow(caption, field);
    }
    column->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    column->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    QStringList filled;
    for (const auto& value : values) filled << value();
    return filled;
}

void installe_les_services_qt() {
    platform::Seams& s = platform::seams();
    s.show_message = message_box;
    s.ask = question_box;
    s.choose_open_file = open_file_dialog;
    s.choose_open_files = open_files_dialog;
    s.choose_save_file = save_file_dialog;
    s.fill_form = form_dialog;
    s.choose_colour = colour_dialog;
    s.play_wave = play_wave;
    s.beep = [] { QApplication::beep(); };
    s.tone = tone;
    s.notify = [](const platform::Notification& n) { notify_desktop(n); };
    s.withdraw = withdraw_desktop;
    s.open_document = [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
}
