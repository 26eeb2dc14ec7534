#pragma once
// Numbered lines of a listing, as the file dialog takes its title from the class listing.
#include <QString>
#include <QStringList>

// Line n (from 0) of a listing, or "ww(n)=?" when it has no such line.
QString texte_numero(const QStringList& listing, int n);
