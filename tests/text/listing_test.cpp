// Numbered lines of a listing.
#include "text/listing.h"

#include <gtest/gtest.h>

TEST(TexteNumero, TheLineOrTheNumberedPlaceholder) {
    const QStringList listing{QStringLiteral("classe 0"), QStringLiteral("classe 1"), QStringLiteral("classe 2")};
    EXPECT_EQ(texte_numero(listing, 0), QStringLiteral("classe 0"));
    EXPECT_EQ(texte_numero(listing, 2), QStringLiteral("classe 2"));
    EXPECT_EQ(texte_numero(listing, 3), QStringLiteral("ww(3)=?"));
    EXPECT_EQ(texte_numero(listing.mid(0, 2), 2), QStringLiteral("ww(2)=?"));
    EXPECT_EQ(texte_numero({}, 2), QStringLiteral("ww(2)=?"));
    EXPECT_EQ(texte_numero({}, 0), QStringLiteral("ww(0)=?"));
}
