#include "support/run_tests.h"

#include "platform/numbers.h"
#include "support/recorder.h"

#include <QtGlobal>
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

int lance_les_tests(int& argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshRecorder);
    return RUN_ALL_TESTS();
}

void plateforme_hors_ecran_par_defaut(const char* ecrans) {
    const QByteArray choisie = qgetenv("QT_QPA_PLATFORM");
    if (!choisie.isEmpty() && choisie != "offscreen") return;
    qputenv("QT_QPA_PLATFORM", ecrans ? "offscreen:configfile=" + QByteArray(ecrans) : QByteArray("offscreen"));
}
