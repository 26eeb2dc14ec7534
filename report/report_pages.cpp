#include "report/report_pages.h"

#include "charts/charts.h"
#include "platform/numbers.h"
#include "platform/textfile.h"
#include "report/report_text.h"

#include <QBuffer>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// Font sizes in points.
constexpr int kTitleSize = 16;
constexpr int kHeadlineSize = 13;
constexpr int kSectionSize = 10;
constexpr int kTextSize = 8;
constexpr int kSmallSize = 7;  // captions, the plots' labels
constexpr int kFixedSize = 6;  // text tables

// Heights of the plots in points.
constexpr double kResultPlot = 270;
constexpr double kDetailPlot = 175;
constexpr double kRatePlot = 150;

const QChar kFigureSpace(0x2007);  // as wide as a digit

// Where a value's integer part ends, when the value starts with a number
// ("219.7 ± 3.1", "−0.5", "(1.166 ± 0.008) × 10⁻⁵", "5000"): the index of its
// decimal mark, or of what follows its digits; -1 for another value (a time
// of day, a hash, a word).
qsizetype integer_end(const QString& value) {
    qsizetype i = 0;
    if (i < value.size() && QStringLiteral("(\u2212-+").contains(value[i])) ++i;
    const qsizetype digits = i;
    while (i < value.size() && value[i].isDigit()) ++i;
    if (i == digits) return -1;
    if (i == value.size() || value[i].isSpace() || value[i] == QLatin1Char('%') || value[i] == QLatin1Char(')')) {
        return i;
    }
    const QChar mark = platform::decimal_separator();
    if (value[i] == mark && i + 1 < value.size() && value[i + 1].isDigit()) return i;
    return -1;
}

using Drawing = std::function<void(QPainter&, const QRectF&)>;

struct Plot {
    Drawing draw;
    QString caption;
};

// The pages in points, filled from top to bottom.
class Pages {
public:
    Pages(QPagedPaintDevice& device, QPainter& painter) : device_(device), p_(painter) {
        const double scale = device.logicalDpiX() / 72.0;
        p_.scale(scale, scale);
        size_ = QSizeF(device.width() / scale, device.height() * 72.0 / device.logicalDpiY());
        text_ = QFont(QStringLiteral("DejaVu Sans"));
        text_.setStyleHint(QFont::SansSerif);
        fixed_ = QFont(QStringLiteral("DejaVu Sans Mono"));
        fixed_.setStyleHint(QFont::Monospace);
        fixed_.setFixedPitch(true);
        w_ = size_.width();
    }

    double width() const { return w_; }
    QFont font(int size, bool bold = false, bool fixed = false, bool italic = false) const {
        QFont f = fixed ? fixed_ : text_;
        f.setPixelSize(size);
        f.setBold(bold);
        f.setItalic(italic);
        f.setHintingPreference(QFont::PreferNoHinting);
        // Letter spacing keeps the shaper from joining "fi" or "ff" into one
        // glyph, which a reader copying the text would get as one character.
        // The least spacing Qt keeps (a 64th of a pixel, about 0.2 pt on a page).
        f.setLetterSpacing(QFont::AbsoluteSpacing, 0.02);
        return f;
    }

    // A text across the page, wrapped.
    void paragraph(const QString& text, const QFont& f, double after) {
        const double h = line_height(f);
        p_.setFont(f);
        p_.setPen(Qt::black);
        for (const QString& line : wrapped(text, f, width())) {
            need(h);
            draw_line(x_, h, line, Qt::AlignLeft);
            y_ += h;
        }
        y_ += after;
    }

    void section(const ReportSection& s) {
        const QFont body = font(kTextSize);
        const QFont title = font(kSectionSize, true);
        const double first = s.rows.empty() ? (s.fixed.isEmpty() ? 0 : line_height(font(kFixedSize, false, true)))
                                            : line_height(body);
        if (!s.title.isEmpty()) {
            need(line_height(title) * static_cast<double>(wrapped(s.title, title, width()).size()) + first + 4);
            y_ += 4;
            paragraph(s.title, title, 1);
        }
        if (s.two_columns && s.rows.size() > 1) {
            const std::size_t half = (s.rows.size() + 1) / 2;
            const double column = (width() - kColumnGap) / 2;
            const std::vector<ReportRow> left(s.rows.begin(), s.rows.begin() + static_cast<std::ptrdiff_t>(half));
            const std::vector<ReportRow> right(s.rows.begin() + static_cast<std::ptrdiff_t>(half), s.rows.end());
            const Table a = table(left, body, x_, column, 0.65);
            const Table b = table(right, body, x_ + column + kColumnGap, column, 0.65);
            for (std::size_t i = 0; i < half; ++i) {
                const double h = std::max(row_height(a, i), i < right.size() ? row_height(b, i) : 0.0);
                need(h);
                draw_row(a, i);
                if (i < right.size()) draw_row(b, i);
                y_ += h;
            }
        } else {
            const Table t = table(s.rows, body, x_, width(), width() < size_.width() ? 0.4 : 0.45);
            for (std::size_t i = 0; i < s.rows.size(); ++i) {
                need(row_height(t, i));
                draw_row(t, i);
                y_ += row_height(t, i);
            }
        }
        cell_table(s.cells, font(kSmallSize));
        if (!s.after.empty()) {
            const Table t = table(s.after, body, x_, width(), 0.45);
            for (std::size_t i = 0; i < s.after.size(); ++i) {
                need(row_height(t, i));
                draw_row(t, i);
                y_ += row_height(t, i);
            }
        }
        const QFont fixed = font(kFixedSize, false, true);
        for (const QString& line : s.fixed) paragraph(line, fixed, 0);
        y_ += 2;
    }

    // A table of cells, its first row the columns' names (in bold). A column
    // of numbers has them on one decimal mark; the first column takes at most
    // a third of the width and the last what is left, their cells wrapped.
    void cell_table(const QList<QStringList>& cells, const QFont& f) {
        if (cells.isEmpty()) return;
        std::size_t columns = 0;
        for (const QStringList& row : cells) columns = std::max<std::size_t>(columns, row.size());
        if (columns == 0) return;
        QFont bold = f;
        bold.setBold(true);
        const auto cell = [&](qsizetype r, std::size_t c) {
            const QStringList& row = cells[r];
            return c < static_cast<std::size_t>(row.size()) ? row[static_cast<qsizetype>(c)] : QString();
        };
        // Each column's cells, those of numbers put on one decimal mark; its
        // width that of its name, or of its name's longest word when the
        // columns do not fit otherwise.
        std::vector<std::vector<QString>> shown(columns);
        std::vector<double> widths(columns, 0);
        std::vector<double> narrow(columns, 0);
        for (std::size_t c = 0; c < columns; ++c) {
            std::vector<ReportRow> column;
            for (qsizetype r = 1; r < cells.size(); ++r) column.push_back({QStringLiteral("-"), cell(r, c)});
            shown[c] = aligned_values(column, f);
            for (const QString& v : shown[c]) narrow[c] = std::max(narrow[c], measure(v, f));
            widths[c] = std::max(narrow[c], measure(cell(0, c), bold));
            for (const QString& word : cell(0, c).split(QLatin1Char(' '))) {
                narrow[c] = std::max(narrow[c], measure(word, bold));
            }
        }
        // The first column takes at most a third of the width, the last what
        // is left (never below its longest word): their cells wrap. The
        // others are as wide as their names, or as their names' longest
        // words when the columns do not fit otherwise.
        widths[0] = std::min(widths[0], width() / 3);
        double longest_word = 0;
        for (const QString& v : shown[columns - 1]) {
            for (const QString& word : v.split(QLatin1Char(' '))) longest_word = std::max(longest_word, measure(word, f));
        }
        for (const QString& word : cell(0, columns - 1).split(QLatin1Char(' '))) {
            longest_word = std::max(longest_word, measure(word, bold));
        }
        narrow[columns - 1] = longest_word;
        const auto total = [&](double gap) {
            double sum = gap * static_cast<double>(columns - 1) + narrow[columns - 1];
            for (std::size_t c = 0; c + 1 < columns; ++c) sum += widths[c];
            return sum;
        };
        double gap = 9;
        if (total(gap) > width()) gap = 5;
        while (total(gap) > width()) {
            std::size_t most = 0;
            for (std::size_t c = 1; c + 1 < columns; ++c) {
                if (widths[c] - narrow[c] > widths[most] - narrow[most]) most = c;
            }
            if (!(widths[most] > narrow[most])) break;
            widths[most] = narrow[most];
        }
        double used = gap * static_cast<double>(columns - 1);
        for (std::size_t c = 0; c + 1 < columns; ++c) used += widths[c];
        widths[columns - 1] = std::max(width() - used, narrow[columns - 1]);
        const double line = line_height(f);
        for (qsizetype r = 0; r < cells.size(); ++r) {
            const QFont& font = r == 0 ? bold : f;
            std::vector<QStringList> lines(columns);
            std::size_t most = 1;
            for (std::size_t c = 0; c < columns; ++c) {
                const QString text = r == 0 ? cell(0, c) : shown[c][static_cast<std::size_t>(r - 1)];
                lines[c] = wrapped(text, font, widths[c]);
                most = std::max<std::size_t>(most, lines[c].size());
            }
            need(line * static_cast<double>(most));
            if (!dry_) {
                p_.setFont(font);
                p_.setPen(Qt::black);
                double x = x_;
                for (std::size_t c = 0; c < columns; ++c) {
                    for (qsizetype k = 0; k < lines[c].size(); ++k) {
                        p_.drawText(QRectF(x, y_ + line * static_cast<double>(k), widths[c] + gap, line),
                                    Qt::AlignLeft | Qt::AlignTop, lines[c][k]);
                    }
                    x += widths[c] + gap;
                }
            }
            y_ += line * static_cast<double>(most);
        }
    }

    // Two parts side by side, each in half the width, kept on one page.
    void side_by_side(const std::function<void()>& left, const std::function<void()>& right) {
        const double half = (width() - kColumnGap) / 2;
        const double h = std::max(height_of(left, half), height_of(right, half));
        need(h);
        const double top = y_;
        in_column(x_, half, left);
        y_ = top;
        in_column(x_ + half + kColumnGap, half, right);
        y_ = top + h;
    }

    // Plots side by side, `height` points high, each with its caption under it.
    void plots(const std::vector<Plot>& row, double height) {
        if (row.empty()) return;
        const double gap = 14;
        const double w = (width() - gap * static_cast<double>(row.size() - 1)) / static_cast<double>(row.size());
        const QFont caption = font(kSmallSize, false, false, true);
        std::size_t lines = 0;
        for (const Plot& plot : row) lines = std::max<std::size_t>(lines, wrapped(plot.caption, caption, w).size());
        const double h = line_height(caption);
        need(height + 3 + h * static_cast<double>(lines));
        for (std::size_t i = 0; i < row.size() && !dry_; ++i) {
            const double x = x_ + static_cast<double>(i) * (w + gap);
            p_.save();
            p_.setFont(font(kSmallSize));
            p_.setPen(Qt::black);
            row[i].draw(p_, QRectF(x, y_, w, height));
            p_.restore();
            p_.setFont(caption);
            p_.setPen(Qt::black);
            double y = y_ + height + 3;
            for (const QString& line : wrapped(row[i].caption, caption, w)) {
                p_.drawText(QRectF(x, y, w * 2, h), Qt::AlignLeft | Qt::AlignTop, line);
                y += h;
            }
        }
        y_ += height + 3 + h * static_cast<double>(lines) + 8;
    }

    void need(double h) {
        if (!in_column_ && y_ > 0 && y_ + h > size_.height()) new_page();
    }

    void new_page() {
        device_.newPage();
        y_ = 0;
    }

    void space(double h) { y_ += h; }

private:
    static constexpr double kColumnGap = 18;

    // What `draw` takes of the page's height in a column `width` wide, nothing drawn.
    double height_of(const std::function<void()>& draw, double width) {
        const bool dry = dry_;
        dry_ = true;
        const double top = y_;
        in_column(x_, width, draw);
        const double h = y_ - top;
        y_ = top;
        dry_ = dry;
        return h;
    }

    void in_column(double x, double width, const std::function<void()>& draw) {
        const double x0 = x_, w0 = w_;
        const bool column = in_column_;
        x_ = x;
        w_ = width;
        in_column_ = true;
        draw();
        x_ = x0;
        w_ = w0;
        in_column_ = column;
    }
    static constexpr double kCaptionGap = 5;

    // A table laid out: its rows' captions and values cut into lines.
    struct Table {
        double left = 0;
        double width = 0;
        double caption_width = 0;  // the captions' column, right-aligned into it
        QFont font;
        double line = 0;
        std::vector<QStringList> captions;
        std::vector<QStringList> values;
        std::vector<bool> notes;
    };

    double measure(const QString& text, const QFont& f) const {
        return QFontMetricsF(f, p_.device()).horizontalAdvance(text);
    }

    double line_height(const QFont& f) const { return QFontMetricsF(f, p_.device()).lineSpacing(); }

    // The longest start of `word` that fits `width`: cut after a '/' when one
    // leaves at least a third of the line, never right after a '-' (a reader
    // would take it for a hyphenation); at least one character.
    qsizetype cut_of(const QString& word, const QFont& f, double width) const {
        qsizetype fits = 1;
        while (fits < word.size() && measure(word.left(fits + 1), f) <= width) ++fits;
        const qsizetype slash = word.lastIndexOf(QLatin1Char('/'), fits - 1);
        if (slash >= 0 && slash + 1 >= fits / 3 && slash + 1 < word.size()) return slash + 1;
        if (fits > 1 && word[fits - 1] == QLatin1Char('-')) return fits - 1;
        return fits;
    }

    // The text cut into lines as wide as `width` at its spaces (a line cut at
    // a hyphen would read back without it); a word wider than that, a long
    // file name, is cut where cut_of says.
    QStringList wrapped(const QString& text, const QFont& f, double width) const {
        QStringList lines;
        QString line;
        bool started = false;  // the line holds a word, or the blanks that start the text
        // A tab (a title line's columns) as the spaces of its stop.
        const QString spaced = QString(text).replace(QLatin1Char('\t'), QStringLiteral("    "));
        for (QString word : spaced.split(QLatin1Char(' '))) {
            const QString longer = started ? line + QLatin1Char(' ') + word : word;
            started = true;
            if (measure(longer, f) <= width) {
                line = longer;
                continue;
            }
            if (!line.trimmed().isEmpty()) lines << line;
            while (word.size() > 1 && measure(word, f) > width) {
                const qsizetype cut = cut_of(word, f, width);
                lines << word.left(cut);
                word = word.mid(cut);
            }
            line = word;
        }
        return lines << line;
    }

    void draw_line(double x, double h, const QString& text, Qt::Alignment align, double width = 0) {
        if (dry_) return;
        const QRectF box = align & Qt::AlignRight ? QRectF(x, y_, width, h) : QRectF(x, y_, size_.width() * 2, h);
        p_.drawText(box, align | Qt::AlignTop, text);
    }

    // The rows' numbers put on one decimal mark: figure spaces before the
    // shorter integer parts.
    std::vector<QString> aligned_values(const std::vector<ReportRow>& rows, const QFont& f) const {
        std::vector<QString> values;
        double widest = 0;
        for (const ReportRow& r : rows) {
            const qsizetype end = r.note ? -1 : integer_end(r.value);
            if (end >= 0) widest = std::max(widest, measure(r.value.left(end), f));
        }
        const double figure = measure(QString(kFigureSpace), f);
        for (const ReportRow& r : rows) {
            const qsizetype end = r.note ? -1 : integer_end(r.value);
            if (end < 0 || !(figure > 0)) {
                values.push_back(r.value);
                continue;
            }
            const auto pad = static_cast<qsizetype>(std::lround((widest - measure(r.value.left(end), f)) / figure));
            values.push_back(QString(std::max<qsizetype>(pad, 0), kFigureSpace) + r.value);
        }
        return values;
    }

    // The captions' column takes at most `captions` of the width.
    Table table(const std::vector<ReportRow>& rows, const QFont& f, double left, double width, double captions) const {
        Table t{left, width, 0, f, line_height(f), {}, {}, {}};
        // A caption wider than its share of the width stands before its value, as a note.
        const double widest = width * captions;
        std::vector<ReportRow> laid = rows;
        for (ReportRow& r : laid) {
            if (r.note) continue;
            if (measure(r.caption, f) > widest) {
                r = {{}, r.caption + QLatin1Char(' ') + r.value, true};
            } else {
                t.caption_width = std::max(t.caption_width, measure(r.caption, f));
            }
        }
        const std::vector<QString> values = aligned_values(laid, f);
        const double value_width = width - t.caption_width - kCaptionGap;
        for (std::size_t i = 0; i < laid.size(); ++i) {
            t.notes.push_back(laid[i].note);
            if (laid[i].note) {
                t.captions.push_back({});
                t.values.push_back(wrapped(laid[i].value, f, width));
                continue;
            }
            t.captions.push_back(laid[i].caption.isEmpty() ? QStringList() : QStringList{laid[i].caption});
            t.values.push_back(wrapped(values[i], f, value_width));
        }
        return t;
    }

    static double row_height(const Table& t, std::size_t i) {
        return t.line * static_cast<double>(std::max(t.captions[i].size(), t.values[i].size()));
    }

    void draw_row(const Table& t, std::size_t i) {
        p_.setFont(t.font);
        p_.setPen(Qt::black);
        const double top = y_;
        for (const QString& line : t.captions[i]) {
            draw_line(t.left, t.line, line, Qt::AlignRight, t.caption_width);
            y_ += t.line;
        }
        y_ = top;
        const double x = t.notes[i] ? t.left : t.left + t.caption_width + kCaptionGap;
        for (const QString& line : t.values[i]) {
            draw_line(x, t.line, line, Qt::AlignLeft);
            y_ += t.line;
        }
        y_ = top;
    }

    QPagedPaintDevice& device_;
    QPainter& p_;
    QSizeF size_;
    QFont text_;
    QFont fixed_;
    double y_ = 0;
    double x_ = 0;  // the column drawn in
    double w_ = 0;
    bool in_column_ = false;  // a part of side_by_side: its height was made room for
    bool dry_ = false;        // measuring: nothing drawn
};

// The unit of a run's duration axes: the one its fit took, µs or ns as its window reaches.
charts::TimeUnit unit_of(const RunReport& report, double unit_ns) {
    return charts::time_unit(unit_ns, std::max(report.choices.t_max, static_cast<double>(report.classes.x_max)));
}

}  // namespace

QPageSize report_page_size(const QLocale& locale) {
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

QPageLayout report_page_layout(const QPageSize& page) {
    return QPageLayout(page, QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

void paint_report(QPagedPaintDevice& device, const RunReport& report) {
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    Pages pages(device, painter);
    int figure = 0;

    // Page one: the result.
    pages.paragraph(report_title(), pages.font(kTitleSize, true), 2);
    pages.paragraph(report_heading(report), pages.font(kTextSize), 4);
    pages.section(fields_section(report));
    pages.section(data_section(report));
    pages.space(6);
    pages.paragraph(result_headline(report), pages.font(kHeadlineSize, true), 0);
    pages.section(result_section(report));
    if (!report.runs.empty()) {
        const bool together = report.combination.has_value();
        const HistogramView& view = together ? report.combined_histogram : report.runs.front().histogram;
        const double unit = together ? report.combined_unit_ns : report.runs.front().unit_ns;
        const charts::TimeUnit time = unit_of(report, unit);
        const QString caption = histogram_caption(++figure, report.runs.front().file, together);
        pages.plots({{[&](QPainter& p, const QRectF& a) { charts::draw_histogram(p, a, view, time); }, caption}},
                    kResultPlot);
    }
    pages.section(health_summary(report));

    // The detail pages, run by run.
    pages.new_page();
    const bool several = report.runs.size() > 1;
    for (std::size_t i = 0; i < report.runs.size(); ++i) {
        const ReportRun& run = report.runs[i];
        const charts::TimeUnit time = unit_of(report, run.unit_ns);
        if (i > 0) pages.space(10);
        pages.need(120);
        pages.paragraph(run_heading(report, i), pages.font(kSectionSize + 1, true), 2);
        pages.section(file_section(run));
        pages.section(figures_section(report, run));
        if (several) {
            pages.side_by_side([&] { pages.section(fit_section(run)); },
                               [&] { pages.section(health_section(run)); });
        } else {
            pages.section(health_section(run));
        }
        pages.space(4);
        const int convergence = ++figure;
        const int stability = ++figure;
        pages.plots({{[&](QPainter& p, const QRectF& a) { charts::draw_convergence(p, a, run.convergence, time); },
                      convergence_caption(convergence)},
                     {[&](QPainter& p, const QRectF& a) { charts::draw_stability(p, a, run.scan, time); },
                      stability_caption(stability)}},
                    kDetailPlot);
        const int rate = ++figure;
        pages.side_by_side(
            [&] {
                pages.plots({{[&](QPainter& p, const QRectF& a) { charts::draw_rate(p, a, run.rate); },
                              rate_caption(rate, run.rate)}},
                            kRatePlot);
            },
            [&] { pages.section(stability_section(run)); });
    }
    pages.section(reproduce_section(report));
}

QByteArray report_pdf(const RunReport& report, const QPageSize& page) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(report_page_layout(page));
        writer.setTitle(report_heading(report));
        writer.setCreator(QStringLiteral("vorns ") + report.version);
        paint_report(writer, report);
    }
    return buffer.data();
}

std::optional<QString> write_report_pdf(const QString& path, const RunReport& report) {
    return platform::save_bytes(path, report_pdf(report, report_page_size(QLocale::system())));
}
