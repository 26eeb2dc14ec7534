// libvorns_drive.so: plays the person in front of an unmodified vorns, for the
// check of the Debian package (check_package.sh). Loaded into the program with
// LD_PRELOAD, it acts only through Qt's widgets, as a user would: it clicks
// the controls, answers the colour and file dialogs, reads the texts of the
// window and prints them as NAME=TEXT lines, then closes the window. Built in
// the build tree only; never installed.
//
//   VORNS_DRIVE_COLOUR=R,G,B   click "color window" and choose that colour
//   VORNS_DRIVE_CHOOSE=PATH    click "Target File" and choose that file
//   VORNS_DRIVE_COMMENT=TEXT   type TEXT at the end of the comment memo and
//                              click "Enregistrer"
//   VORNS_DRIVE_EXPORT=1       click "ajustement", then "image PNG" in the fit
//                              window, and save under the name offered
//
// Printed: dialog-folder and dialog-file (what the open dialog offered),
// save-folder and save-file (what the save dialog offered), the window colour
// and caption, the counters and figures, the about panel's version and
// documentation lines, the comment memo's text (line breaks as "|"), every
// message box ("message=TEXT", answered with OK) and every question
// ("question=TEXT", answered "without saving").
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

void print(const QString& name, const QString& text) {
    std::fputs(qPrintable(name + QLatin1Char('=') + text + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

QWidget* main_window() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QStringLiteral("Form1") && w->isVisible()) return w;
    }
    return nullptr;
}

void click(QWidget* w) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
}

// Answers whatever dialog is open; runs inside the dialogs' own event loops.
void answer_dialogs() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    if (auto* colour = qobject_cast<QColorDialog*>(modal)) {
        const QStringList rgb = qEnvironmentVariable("VORNS_DRIVE_COLOUR").split(QLatin1Char(','));
        colour->setCurrentColor(QColor(rgb.value(0).toInt(), rgb.value(1).toInt(), rgb.value(2).toInt()));
        colour->accept();
    } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        static bool offered_a_file = false;  // what it offered, told once a dialog
        static QString offered;
        const bool saving = files->acceptMode() == QFileDialog::AcceptSave;
        if (!files->property("vorns_drive_seen").toBool()) {
            files->setProperty("vorns_drive_seen", true);
            offered = files->selectedFiles().value(0);
            offered_a_file = QFileInfo(offered).isFile();
            const QString kind = saving ? QStringLiteral("save") : QStringLiteral("dialog");
            print(kind + QStringLiteral("-folder"), files->directory().absolutePath());
            print(kind + QStringLiteral("-file"), offered);
        }
        // The dialog lists its folder in a thread, then selects the file it
        // was offered; a person chooses after that, and so does this, or the
        // dialog's own selection could come after the choice.
        auto* list = files->findChild<QAbstractItemView*>(QStringLiteral("listView"));
        if (offered_a_file && !(list && list->selectionModel() && list->selectionModel()->hasSelection())) return;
        const QString chosen = saving ? offered : qEnvironmentVariable("VORNS_DRIVE_CHOOSE");
        // Typed in full into the file name field, the listing's selection
        // dropped so that the typed name counts, then "Open".
        auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name || !list) return;
        list->clearSelection();
        name->setText(chosen);
        if (files->selectedFiles() == QStringList{chosen}) static_cast<QDialog*>(files)->done(QDialog::Accepted);
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        // A question (more than one button) is answered "without saving", by a click on that button.
        for (QAbstractButton* b : box->buttons()) {
            if (box->buttonRole(b) != QMessageBox::DestructiveRole) continue;
            print(QStringLiteral("question"), box->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
            b->click();
            return;
        }
        print(QStringLiteral("message"), box->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
        box->accept();
    }
}

// Types the text key by key at the end of the memo, as a person would.
void type_into(QPlainTextEdit* memo, const QString& text) {
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(memo, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(memo, &release);
    }
}

void report(QWidget* form) {
    const QColor colour = form->palette().color(QPalette::Window);
    print(QStringLiteral("colour"),
          QStringLiteral("%1,%2,%3").arg(colour.red()).arg(colour.green()).arg(colour.blue()));
    print(QStringLiteral("caption"), form->windowTitle());
    for (const char* name : {"StaticText1", "StaticText3", "Label25", "Label27", "Label31", "Label33", "Label35",
                             "Label_version", "Label_documentation"}) {
        if (const auto* label = form->findChild<QLabel*>(QString::fromLatin1(name)))
            print(QString::fromLatin1(name), label->text());
    }
    if (const auto* memo = form->findChild<QPlainTextEdit*>(QStringLiteral("Memo2")))
        print(QStringLiteral("comment"), memo->toPlainText().replace(QLatin1Char('\n'), QLatin1Char('|')));
}

// The person's actions, once the window is up and any file of the command
// line has had time to load.
void act() {
    QWidget* form = main_window();
    if (!form) {
        QTimer::singleShot(100, qApp, act);
        return;
    }
    QTimer::singleShot(500, form, [form] {
        if (qEnvironmentVariableIsSet("VORNS_DRIVE_COLOUR")) click(form->findChild<QWidget*>(QStringLiteral("Panel7")));
        if (qEnvironmentVariableIsSet("VORNS_DRIVE_CHOOSE")) click(form->findChild<QWidget*>(QStringLiteral("Label7")));
        if (qEnvironmentVariableIsSet("VORNS_DRIVE_COMMENT")) {
            type_into(form->findChild<QPlainTextEdit*>(QStringLiteral("Memo2")),
                      qEnvironmentVariable("VORNS_DRIVE_COMMENT"));
            click(form->findChild<QWidget*>(QStringLiteral("SpeedButton_comment")));
        }
        if (qEnvironmentVariableIsSet("VORNS_DRIVE_EXPORT")) {
            click(form->findChild<QWidget*>(QStringLiteral("SpeedButton_ajustement")));
            if (QWidget* fit = form->findChild<QWidget*>(QStringLiteral("FenetreAjustement")))
                click(fit->findChild<QWidget*>(QStringLiteral("Bouton_png")));
        }
        report(form);
        form->close();
    });
}

void start() {
    auto* answerer = new QTimer(qApp);
    QObject::connect(answerer, &QTimer::timeout, answerer, answer_dialogs);
    answerer->start(20);
    QTimer::singleShot(0, qApp, act);
    QTimer::singleShot(30000, qApp, [] {
        std::fputs("vorns-drive: the window did not close within 30 s\n", stderr);
        std::_Exit(3);
    });
}

// Called when the application object is made, before the program's main goes on.
void on_application_made() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    // Timers wait for the event loop; a queued call is the first thing it runs.
    QMetaObject::invokeMethod(QCoreApplication::instance(), start, Qt::QueuedConnection);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(on_application_made)
