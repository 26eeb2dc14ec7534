#pragma once
// The data file formats vorns reads, told apart by the file's first lines,
// never by its name. A file that fits no other format is an acquisition file.
#include "platform/textfile.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <functional>
#include <optional>
#include <span>

enum class FormatDeDonnees {
    acquisition,   // title lines, the "Heure" header, "h:mm:ss<TAB>duration" lines
    deux_entiers,  // "1620 1574345682": a value and Unix seconds (analysis/formats/two_integers.h)
    lignes_decay,  // "Decay 'Thu_Dec_10_11:49:22_2015' 2.4375" (analysis/formats/decay_lines.h)
    raw_stream,    // a DAQ card's raw event lines, 16 words (analysis/formats/raw_stream.h)
};

// How many of the first lines the detection reads.
inline constexpr qsizetype kLignesDeDetection = 20;

// The format's name as vorns-fit prints it and the window shows it:
// "acquisition", "two-integers", "decay-lines", "daq-raw".
QString nom_du_format(FormatDeDonnees format);
// Nanoseconds in one unit of the durations the format writes (1 for two
// integers and a raw stream, 1000 for decay lines); 0 when the format does not say.
double unite_du_format(FormatDeDonnees format);

// The format of a file from its first lines (at most kLignesDeDetection are read):
//  - two integers: its first non-empty line reads as a decay or a count
//    record of that format (the next one may be still being written);
//  - decay lines: a decay line that reads well, with only lines of that
//    program that are no records (empty, comments, rates) before it;
//  - raw stream: one of them is a DAQ card's whole event line;
//  - else acquisition.
FormatDeDonnees detecte_format(std::span<const QStringView> premieres_lignes);
// The same from a file's bytes (as read, UTF-8 mark included). `encodage`
// receives the encoding of the whole file when a first line needed it (a
// line that is not ASCII), so that the pass over the lines does not look for
// it again.
FormatDeDonnees detecte_format_des_octets(QByteArrayView octets);
FormatDeDonnees detecte_format_des_octets(QByteArrayView octets, std::optional<platform::TextEncoding>& encodage);
// The same from the first bytes of a file (UTF-8 mark included) that hold its
// first kLignesDeDetection lines whole (DetectionLines) or the
// whole file. `encodage_du_fichier` gives the encoding of the whole file, asked
// the first time a first line is not ASCII.
FormatDeDonnees detecte_format_du_debut(QByteArrayView debut, std::optional<platform::TextEncoding>& encodage,
                                        const std::function<platform::TextEncoding()>& encodage_du_fichier);
// Whether the first bytes of a file hold its first kLignesDeDetection lines
// whole: as many line ends as two bytes each would take. Given the same start
// again with more bytes after it, it looks only at the bytes it has not seen:
// a first line of megabytes, read block after block, is looked at once.
class DetectionLines {
public:
    bool held_in(QByteArrayView start);

private:
    qsizetype seen_ = 0;
    qsizetype line_ends_ = 0;
};
