#include "text/listing.h"

#include "platform/numbers.h"

QString texte_numero(const QStringList& listing, int n) {
    if (n >= 0 && n < listing.size()) return listing.at(n);
    return QStringLiteral("ww(") + platform::decimal(n) + QStringLiteral(")=?");
}
