#pragma once
// Drawing a plot onto an image: white background, blue axes with ticks and
// labels, the series as dots joined by lines, the data file's name as title,
// and for the class plot the two red lines from Tau and C0.
//
// Every drawing call works on one plot n, through its Repere: its scales
// (PlotScales) and its pixel geometry (PlotFrame). The drawing is aliased and
// pixel-exact; the pixels of a pen stroke are defined in plot/strokes.h. It
// works in the image's logical pixels: an image with a device pixel ratio
// (plot/density.h) gets the same drawing with each logical pixel filling the
// device pixels it covers, and its texts drawn at the device's density.
#include "analysis/class_table.h"
#include "analysis/record_store.h"
#include "plot/plot_frame.h"
#include "plot/plot_scales.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRgb>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

// Alignment flags of a drawing surface.
constexpr int ALIGNE_GAUCHE = 0;
constexpr int ALIGNE_DROITE = 2;
constexpr int ALIGNE_CENTRE = 6;
constexpr int ALIGNE_HAUT = 0;
constexpr int ALIGNE_BAS = 8;
constexpr int ALIGNE_LIGNE_DE_BASE = 24;

// The drawing surface of an image: a pen, a brush, a font, a current position
// and the text alignment, kept from one drawing call to the next.
class Toile {
public:
    explicit Toile(QImage& image);
    ~Toile();
    Toile(const Toile&) = delete;
    Toile& operator=(const Toile&) = delete;

    QImage& image() { return image_; }
    // The logical size the drawing works in (the image's size at a ratio of 1).
    QSize taille() const { return taille_; }

    QRgb couleur_stylo = qRgb(0, 0, 0);
    std::int64_t largeur_stylo = 1;
    QRgb couleur_pinceau = qRgb(255, 255, 255);
    bool pinceau_plein = true;  // false: clear brush, text drawn without background
    QFont police;
    QRgb couleur_police = qRgb(0, 0, 0);
    int alignement = ALIGNE_GAUCHE + ALIGNE_HAUT;

    void deplace_vers(QPoint p) { position_ = p; }
    // A line from the current position to p with the pen; p becomes the current position.
    void trace_vers(QPoint p);
    void remplit_rectangle(const QRect& r);
    // The text at p, placed by the alignment flags.
    void ecrit(QPoint p, const QString& texte);
    // The measures of the font as `ecrit` draws with it.
    QFontMetrics mesures();

    // The painter on the image, begun on first use.
    QPainter& peintre();
    // The image's pixels for direct writing (the painter is ended first), or
    // nullptr when the image's format is not 32-bit RGB. They are device
    // pixels: plot/density.h gives those of a logical pixel.
    std::uint32_t* pixels_directs(qsizetype& mots_par_ligne);

private:
    void pose_la_police();

    QImage& image_;
    QSize taille_;
    QPainter peintre_;
    QPoint position_;
    // The font given to the painter since it began: setting the same font
    // again makes the painter look the font up again.
    QFont police_du_peintre_;
    bool police_posee_ = false;
};

// The line thickness of the series as the window read its field: a number of
// pixels, or the error of a text that is no integer, which the drawing raises
// where it takes the thickness (after the axes, and only when a point is drawn).
struct Epaisseur {
    std::int32_t pixels = 1;
    QString erreur;  // not empty: the field could not be read

    // The pixels, or the error raised.
    std::int32_t lue() const;
};

// How the series is drawn: one stroke per dot and per segment, or batched
// (strokes that cannot change a pixel skipped, the rest written straight into
// the image). Both give the same pixels.
enum class Dessin { simple, rapide };

struct ParametresTrace {
    Epaisseur epaisseur;
    QString fichier_donnees;  // the title is its file name part
    Dessin dessin = Dessin::rapide;
};

// Where the values of plot n land in its image.
struct Repere {
    int n;                       // 1 or 2
    const PlotScales& echelles;  // spans and tick steps of plot n
    const PlotFrame& cadre;      // pixel geometry and series colour of plot n
};

// What a redraw of plot n works on, and how: it reads the series of `store`
// and the class width, Tau and C0 of `classes`; it writes store.serie_courante,
// plot n's spans and steps in `echelles` (from the numbers it is given) and
// plot n's pixel geometry in `cadre` (from the image).
struct TablesDuTrace {
    RecordStore& store;
    const ClassTable& classes;
    PlotScales& echelles;
    PlotFrame& cadre;
};

// n thousandths of the plot area's width, truncated.
std::int32_t taille_relative(const Repere& repere, std::int32_t n);
// The pixel of a data point; no clipping. Raises the floating-point errors of
// the conversion, and an overflow beyond +-2^28 pixels.
QPoint vers_pixel(const Repere& repere, long double x, long double y);

void remplit_fond(Toile& toile, int largeur, int hauteur, QRgb couleur);
void trace_segment(Toile& toile, int x1, int y1, int x2, int y2);
// h: 'c' centred on x, 'd' starting at x, 'g' ending at x (others as 'd');
// v: 'b' top at y, 'h' bottom at y, 'L' baseline at y (others as 'b').
void ecrit_texte(Toile& toile, int x, int y, const QString& texte, char h, char v);
// Where an axis label lies along its axis, in pixels: [debut, fin).
struct Etendue {
    int debut;
    int fin;
};
// Which ticks of an axis get their label: every k-th from the origin, k the
// first of 1, 2, 5, 10, 20, 50... for which no kept label comes nearer than
// `ecart` pixels to the one kept before it, so that the labels kept are still
// round multiples of the tick step. `etiquettes` holds every tick's label in
// the order of the ticks.
std::int32_t pas_des_etiquettes(const std::vector<Etendue>& etiquettes, int ecart);
// The axes: the line, a tick at every step, and the ticks' values as labels,
// those that would run into the one before left out (pas_des_etiquettes).
void trace_axe_x(Toile& toile, const Repere& repere);
void trace_axe_y(Toile& toile, const Repere& repere);
void trace_point(Toile& toile, const Repere& repere, QRgb couleur, long double x, long double y);
void trace_ligne(Toile& toile, const Repere& repere, QRgb couleur, long double x1, long double y1, long double x2,
                 long double y2);
// The series of plot n: the records of series 1, or the classes of series 2
// drawn at their centres (lower bound + half the class width).
void trace_serie(Toile& toile, const Repere& repere, const RecordStore& store, const ClassTable& classes,
                 const Epaisseur& epaisseur, Dessin dessin = Dessin::rapide);
void dessine_graphe(Toile& toile, const Repere& repere, const RecordStore& store, const ClassTable& classes,
                    const ParametresTrace& parametres);
// The font of labels and title: "Arial" bold, its character cell (ascent +
// descent) image height div 25 pixels high, as near as the font allows.
QFont police_graphe(int hauteur_image);

// Plot n onto an image whose plot scales are already read: the frame values
// from the image's size, the drawing, and for plot 2 the red Tau lines.
void trace_image(int n, QImage& image, const ParametresTrace& parametres, const TablesDuTrace& tables);

// The redraw of plot n, the one the window runs once it has read its fields:
// serie_courante := n, plot n's spans `echelle_x` and `echelle_y` and their
// tick steps (plot/scales.h), then trace_image.
void redessine_graphe(int n, QImage& image, long double echelle_x, long double echelle_y,
                      const ParametresTrace& parametres, const TablesDuTrace& tables);
