// vorns-grab OUTPUT.png [DATA_FILE] [--setup] [--about] [--fit] [--convergence] [--stability] [--rate] [--runs]
// [--both]
//            [--wait SECONDS]
// Opens the main window as the program does, loads DATA_FILE when given,
// optionally opens the setup and about panels, and saves the window's picture;
// with --fit, opens the fit window and saves its picture instead (with
// --convergence, on its convergence tab; with --stability, on its stability tab; with --rate, on its "taux" tab; with
// --runs, on its "runs" tab; with --both, the main window and the fit window side by side). --wait takes the picture
// after that many seconds instead of 1.5, the refresh tick following the file meanwhile, and prints how many reloads
// the tick made and the points of the convergence.
#include "app/application.h"
#include "app/fit_window.h"
#include "app/qt_seams.h"
#include "app/tform1.h"
#include "platform/report.h"
#include "platform/seams.h"
#include "platform/translations.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    prepare_l_application();
    // The desktop's language (scripts/screenshot.sh names the picture after it),
    // whatever this copy of vorns was told to speak.
    platform::install_translations();
    installe_les_services_qt();
    // Nobody is there to answer a message box: print it instead.
    platform::seams().show_message = [](const QString& text) {
        std::fprintf(stderr, "vorns-grab: message: %s\n", qPrintable(text));
    };

    QString output;
    QString data_file;
    bool setup = false;
    bool about = false;
    bool fit = false;
    bool convergence = false;
    bool stability = false;
    bool rate = false;
    bool runs = false;
    bool both = false;
    int wait_ms = 1500;
    bool wait_value = false;
    for (const QString& argument : QApplication::arguments().mid(1)) {
        if (wait_value) {
            wait_ms = argument.toInt() * 1000;
            wait_value = false;
        } else if (argument == QStringLiteral("--wait")) {
            wait_value = true;
        } else if (argument == QStringLiteral("--setup")) {
            setup = true;
        } else if (argument == QStringLiteral("--about")) {
            about = true;
        } else if (argument == QStringLiteral("--fit")) {
            fit = true;
        } else if (argument == QStringLiteral("--convergence")) {
            fit = convergence = true;
        } else if (argument == QStringLiteral("--stability")) {
            fit = stability = true;
        } else if (argument == QStringLiteral("--rate")) {
            fit = rate = true;
        } else if (argument == QStringLiteral("--runs")) {
            fit = runs = true;
        } else if (argument == QStringLiteral("--both")) {
            fit = both = true;
        } else if (output.isEmpty()) {
            output = argument;
        } else {
            data_file = QFileInfo(argument).absoluteFilePath();
        }
    }
    if (output.isEmpty()) {
        std::fputs(
            "usage: vorns-grab OUTPUT.png [DATA_FILE] [--setup] [--about] [--fit] [--convergence] [--stability] "
            "[--rate] "
            "[--runs] [--both] [--wait SECONDS]\n",
            stderr);
        return 2;
    }

    TForm1 form;
    form.show();
    QTimer::singleShot(300, &form, [&] {
        // The data file is chosen as a user would choose it, the dialog answered with it.
        if (!data_file.isEmpty()) {
            platform::seams().choose_open_file = [&](const platform::OpenFileRequest&) -> std::optional<QString> {
                return data_file;
            };
            platform::report_errors([&] { form.SpeedButton_1Click(); });
        }
        if (setup) form.setup_SpeedButton6Click();
        if (about) form.SpeedButton3Click();
        if (fit) {
            form.SpeedButton_ajustementClick();
            FenetreAjustement& f = *form.fenetre_ajustement();
            if (convergence) f.Onglets->setCurrentIndex(1);
            if (stability) f.Onglets->setCurrentIndex(FenetreAjustement::kOngletStabilite);
            if (rate) f.Onglets->setCurrentWidget(f.onglet_taux);
            if (runs) f.Onglets->setCurrentWidget(f.onglet_runs);
        }
    });
    int status = 0;
    QTimer::singleShot(wait_ms, &form, [&] {
        if (FenetreAjustement* f = form.fenetre_ajustement()) {
            std::fprintf(stderr, "vorns-grab: %d reloads by the tick, %zu points in the convergence series\n",
                         form.rechargements_par_le_timer, f->convergence().points().size());
        }
        QWidget* shown = fit ? static_cast<QWidget*>(form.fenetre_ajustement()) : &form;
        QPixmap picture = shown ? shown->grab() : QPixmap();
        if (both && shown) {
            // The main window, then the fit window on its right.
            const QPixmap main = form.grab();
            QPixmap side(main.width() + picture.width(), std::max(main.height(), picture.height()));
            side.setDevicePixelRatio(main.devicePixelRatio());
            side.fill(Qt::white);
            QPainter painter(&side);
            painter.drawPixmap(0, 0, main);
            painter.drawPixmap(static_cast<int>(main.width() / main.devicePixelRatio()), 0, picture);
            painter.end();
            picture = side;
        }
        if (!shown || !picture.save(output)) {
            std::fprintf(stderr, "vorns-grab: cannot write %s\n", qPrintable(output));
            status = 1;
        }
        QApplication::exit(status);
    });
    QApplication::exec();
    return status;
}
