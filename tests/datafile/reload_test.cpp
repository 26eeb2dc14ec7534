// The tick's decision to load the followed file again, from the view it takes
// of the file and the one the last load stored: no clock, no file.
#include "datafile/reload.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace {
constexpr std::int64_t kChange = 1'700'000'000'000;  // ms since the epoch
}

// A change is recent for two seconds, and when it lies ahead of the clock.
TEST(Reload, AChangeIsRecentForTwoSeconds) {
    struct Case {
        std::int64_t change, maintenant;
        bool recent;
    };
    const Case cases[] = {{kChange, kChange, true},         {kChange, kChange + 1999, true},
                          {kChange, kChange + 2000, false}, {kChange, kChange + 60000, false},
                          {kChange, kChange - 500, true},   {-1, kChange, false}};
    for (const Case& c : cases) {
        const VueDuFichier vue = vue_prise(40, {7, c.change}, c.maintenant);
        EXPECT_EQ(vue.recent, c.recent) << c.maintenant - c.change;
        EXPECT_EQ(vue.taille, 40);
        EXPECT_EQ(vue.date, 7);
        EXPECT_EQ(vue.changement, c.change);
    }
}

TEST(Reload, TheTickComparesTheLinesOnlyAfterARecentChange) {
    const VueDuFichier vue_chargee = vue_prise(40, {7, kChange}, kChange + 100);  // recent
    struct Case {
        const char* what;
        bool sur_changement;
        VueDuFichier vue;    // taken by the tick
        bool recent_retenu;  // what the last load (or tick) stored
        bool lignes_changees;
        bool recharge, lignes_lues, recent_apres;
    };
    const VueDuFichier autre_taille = vue_prise(41, {7, kChange}, kChange + 100);
    const VueDuFichier autre_date = vue_prise(40, {8, kChange}, kChange + 100);
    const VueDuFichier autre_changement = vue_prise(40, {7, kChange + 1}, kChange + 100);
    const VueDuFichier meme_vieille = vue_prise(40, {7, kChange}, kChange + 5000);
    const Case cases[] = {
        {"every tick when the test is off", false, vue_chargee, false, false, true, false, false},
        {"size changed", true, autre_taille, true, false, true, false, true},
        {"stamp changed", true, autre_date, true, false, true, false, true},
        {"change time moved", true, autre_changement, true, false, true, false, true},
        {"unchanged, old change: the lines are not read", true, meme_vieille, false, true, false, false, false},
        {"rewritten within the recent change: the lines tell", true, vue_chargee, true, true, true, true, true},
        {"same lines, still recent: compared again next tick", true, vue_chargee, true, false, false, true, true},
        {"same lines, now old: no more comparison", true, meme_vieille, true, false, false, true, false},
    };
    for (const Case& c : cases) {
        FileState etat;
        retiens_la_vue(vue_chargee, etat);
        etat.changement_recent = c.recent_retenu;
        bool lues = false;
        const bool recharge = recharge_au_tick(c.vue, c.sur_changement, etat, [&] {
            lues = true;
            return c.lignes_changees;
        });
        EXPECT_EQ(recharge, c.recharge) << c.what;
        EXPECT_EQ(lues, c.lignes_lues) << c.what;
        EXPECT_EQ(etat.changement_recent, c.recent_apres) << c.what;
        EXPECT_EQ(etat.taille_precedente, 40) << c.what << ": the load stores the view, not the tick";
    }
}

// The refresh field's seconds as the tick's period: 0 stops the timer.
TEST(Reload, ThePeriodOfTheTickInMilliseconds) {
    const int longest = std::numeric_limits<int>::max();
    const std::pair<std::int32_t, int> cases[] = {{5, 5000},
                                                  {1, 1000},
                                                  {0, 0},
                                                  {-3, 0},
                                                  {2147483, 2147483000},
                                                  {2147484, longest},
                                                  {3000000, longest},
                                                  {std::numeric_limits<std::int32_t>::max(), longest}};
    for (const auto& [secondes, ms] : cases) EXPECT_EQ(periode_du_tick(secondes), ms) << secondes;
}
