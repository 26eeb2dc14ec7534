// The main of every test program: an offscreen QApplication, the decimal
// separator set to '.', and the recorder installed fresh before each test.
#include "platform/numbers.h"
#include "support/recorder.h"

#include <QApplication>
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
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshRecorder);
    return RUN_ALL_TESTS();
}
