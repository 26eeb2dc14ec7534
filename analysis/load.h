#pragma once
// The load of a run: from the lines of a data file and the choices of its
// classes to its records, its class table and its lifetime figures, as
// numbers. The main window, vorns-fit and the fuzzer load through here; the
// texts made of the results are in analysis/load_text.h.
//
// A load is two steps, which the window takes with its own effects between
// them (the time axis grows to the acquisition in between, and N max is
// scaled before the points of the class plot are written):
//   1. the record pass (analysis/record_pass.h): the records, series 1;
//   2. classe_les_durees, then ecrit_la_serie_des_classes: the class table,
//      the figures, series 2.
// charge_les_octets and charge_le_fichier take both at once.
#include "analysis/class_pass.h"
#include "analysis/record_pass.h"

#include <QByteArrayView>
#include <cstdint>
#include <optional>

// How the durations are sorted into classes and Tau is taken.
struct ChoixDesClasses {
    long double dX = 10;       // the class width
    long double x_max = 800;   // the classes shown reach X max: Round(X max / dX) of them
    bool par_centres = false;  // Tau from the total by class centres, else from the total of the durations
};

// The class pass with these choices: the class width, then the number of
// classes (each refused with its message, as prend_largeur_classe and
// nombre_de_classes say; a refused X max leaves the new width taken), then
// the classes and the figures. table.n_classe and table.x_max become those of
// the pass. The points of series 2 are left to ecrit_la_serie_des_classes.
ResultatClasses classe_les_durees(const ChoixDesClasses& choix, RecordStore& store, ClassTable& table);

// What N max takes when the class plot scales itself (its "+" then takes it
// one step up): the largest count of the shown classes; nothing when they
// hold no event, since a scale of 0 cannot be drawn.
std::optional<std::int32_t> n_max_autoscale(const ResultatClasses& classes);

struct Chargement {
    PasseDesLignes enregistrements;
    ResultatClasses classes;
};

// The whole load of a file's bytes (as read from the file: its UTF-8 mark,
// UTF-8 or Windows-1252) into the store and the table: the record pass, then
// the classes with the points of series 2. Only the class choices can raise
// (with the messages above); the record pass never does.
Chargement charge_les_octets(QByteArrayView octets, const ChoixDesClasses& choix, RecordStore& store,
                             ClassTable& table);
// The same from an open file read block by block (passe_du_fichier), never
// held whole. Raises what read_file_bytes raises when a read fails; the store
// then holds part of the records.
Chargement charge_le_fichier(platform::FileBlocks& fichier, const ChoixDesClasses& choix, RecordStore& store,
                             ClassTable& table);
