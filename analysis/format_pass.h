#pragma once
// The record pass over a file of another apparatus's format (the readers are
// in analysis/formats). Every line is data: no title lines, no header. The
// time origin is the time of the first line that reads (a decay or a count
// record), and every decay is a record: its elapsed minutes since the origin
// and its duration in the format's unit (PasseDesLignes::unite_ns).
//
// Times: Unix seconds (two integers) give the elapsed time as their
// difference, and the origin's time of day in the computer's local time zone;
// the local dates and times of decay lines give it by their day numbers and
// times of day. A run over midnight or over days has one time line.
//
// A line that is no record of the format (a negative value, a value that is
// no integer, a line of another format, a time before the origin's) is skipped
// and counted, as in the acquisition format; lines of the format that are no
// records (blank lines; comments and rates of decay lines) are neither. A
// last line without its line end that cannot be read, or whose time is before
// the previous line's, is still being written: the pass ends before it.
#include "analysis/formats/format.h"
#include "analysis/record_pass.h"

FormatDeDonnees format_des_lignes(const QStringList& lignes);
FormatDeDonnees format_des_lignes(const platform::PackedLines& lignes);

PasseDesLignes passe_du_format(FormatDeDonnees format, const QStringList& lignes, PlaceDesEnregistrements place);
PasseDesLignes passe_du_format(FormatDeDonnees format, const platform::PackedLines& lignes,
                               PlaceDesEnregistrements place);
// `octets`: the file's bytes as read, UTF-8 mark included.
PasseDesLignes passe_du_format(FormatDeDonnees format, QByteArrayView octets, PlaceDesEnregistrements place);
