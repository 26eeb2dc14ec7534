// The main of every test program: the least application object its code
// needs (Qt Core for the libraries without images, Qt Gui for the plots, Qt
// Widgets for the window; the build chooses), on the offscreen platform, the
// decimal separator set to '.', and the recorder installed fresh before each test.
#include "platform/numbers.h"
#include "support/recorder.h"

#if defined(VORNS_TEST_APPLICATION_WIDGETS)
#include <QApplication>
using Application = QApplication;
#elif defined(VORNS_TEST_APPLICATION_GUI)
#include <QGuiApplication>
using Application = QGuiApplication;
#else
#include <QCoreApplication>
using Application = QCoreApplication;
#endif
#include <gtest/gtest.h>

namespace {
class FreshRecorder : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        recorder().clear();
        recorder().install();
        platform::set_decimal_separator(QLatin1Char('.'));
    }
};
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    Application application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshRecorder);
    return RUN_ALL_TESTS();
}
