// The error report around every handler, and the seams of the message box.
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/report.h"
#include "platform/seams.h"
#include "support/recorder.h"

#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

#include <stdexcept>

TEST(ReportErrors, AnErrorBecomesOneMessageAndNothingIsUndone) {
    int changed = 0;
    bool after_error = false;
    platform::report_errors([&] {
        changed = 7;
        platform::str_to_int(QStringLiteral("abc"));
        after_error = true;
    });
    EXPECT_EQ(changed, 7);
    EXPECT_FALSE(after_error);
    EXPECT_EQ(recorder().messages, QStringList{QStringLiteral("'abc' is not a valid integer value")});
}

TEST(ReportErrors, EveryKindOfErrorIsShownAndTheCallerGoesOn) {
    platform::report_errors([] { platform::checked_div(1, 0); });
    platform::report_errors([] { throw std::runtime_error("out of memory"); });
    platform::report_errors([] { throw 42; });
    platform::report_errors([] {});
    EXPECT_EQ(recorder().messages, (QStringList{QStringLiteral("Floating point division by zero"),
                                                QStringLiteral("out of memory"), QStringLiteral("Unknown error")}));
}

TEST(ReportErrors, AnErrorInASignalHandlerLeavesTheEventLoopRunning) {
    QEventLoop loop;
    int ticks = 0;
    QTimer timer;
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        platform::report_errors([&] {
            ++ticks;
            if (ticks == 3) loop.quit();
            platform::raise_overflow();
        });
    });
    timer.start();
    QTimer::singleShot(5000, &loop, [&] { loop.exit(1); });
    EXPECT_EQ(loop.exec(), 0);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(recorder().messages.size(), 3);
    EXPECT_EQ(recorder().messages.value(2), QStringLiteral("Floating point overflow"));
}

TEST(Errors, CannotOpenCarriesTheNativePathAndTheReason) {
    try {
        platform::raise_cannot_open(QStringLiteral("/data/run.txt"), QStringLiteral("No such file or directory"));
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.text(), QStringLiteral("Cannot open file \"") +
                                QDir::toNativeSeparators(QStringLiteral("/data/run.txt")) +
                                QStringLiteral("\". No such file or directory"));
        EXPECT_STREQ(e.what(), e.text().toStdString().c_str());
    }
}

TEST(Seams, WithoutAnInstalledMessageSeamNothingIsShown) {
    platform::seams().show_message = nullptr;
    platform::show_message(QStringLiteral("nobody sees this"));
    EXPECT_TRUE(recorder().messages.isEmpty());
    recorder().install();
}
