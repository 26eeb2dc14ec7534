#pragma once
// What vorns-fit does with each file before fitting it: read it, load it as
// vorns loads it, and say what it skipped.
#include "analysis/load.h"
#include "fit/run/fit_choices.h"

#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>

// One line of text, UTF-8, on `to`.
void print(FILE* to, const QString& text);

struct FileLoad {
    Chargement load;
    // What vorns says of the file: lines that are no record, no record at all,
    // the records beyond the capacity; each "FILE: ...".
    QStringList notes;
};

// Reads `file` into the store and the table (a new table: no figure of the
// file before). Nothing when it cannot be read; `error` then gets why.
std::optional<FileLoad> load_data_file(const QString& file, const ChoixDesClasses& choices, RecordStore& store,
                                       ClassTable& table, QString& error);
