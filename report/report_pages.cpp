#include "report/report_pages.h"

#include "platform/textfile.h"
#include "report/report_plots.h"
#include "report/report_text.h"

#include <QBuffer>
#include <QFont>
#include <QFontDatabase>
#include <QPdfWriter>
#include <functional>

namespace {

constexpr int kTitleSize = 14;
constexpr int kSectionSize = 11;
constexpr int kTextSize = 9;
constexpr int kTableSize = 7;
constexpr int kPlotTextSize = 7;

// The pages in points, filled from top to bottom.
class Pages {
public:
    Pages(QPagedPaintDevice& device, QPainter& painter) : device_(device), p_(painter) {
        const double scale = device.logicalDpiX() / 72.0;
        p_.scale(scale, scale);
        size_ = QSizeF(device.width() / scale, device.height() * 72.0 / device.logicalDpiY());
        text_ = QFont(QStringLiteral("DejaVu Sans"));
        text_.setStyleHint(QFont::SansSerif);
        fixed_ = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fixed_.setStyleHint(QFont::Monospace);
    }

    void heading(const QString& text) { write(text, font(text_, kTitleSize, true), 6); }

    void section(const ReportSection& s) {
        const QFont body = s.table ? font(fixed_, kTableSize, false) : font(text_, kTextSize, false);
        const QFont title = font(text_, kSectionSize, true);
        // A title stays with its first line.
        need(height(s.title, title) + (s.lines.isEmpty() ? 0 : height(s.lines.front(), body)) + 8);
        y_ += 6;
        write(s.title, title, 2);
        for (const QString& line : s.lines) write(line, body, 1);
    }

    // A plot `height` points high across the page.
    void plot(double height, const std::function<void(QPainter&, const QRectF&)>& draw) {
        need(height);
        p_.save();
        p_.setFont(font(text_, kPlotTextSize, false));
        draw(p_, QRectF(0, y_, size_.width(), height));
        p_.restore();
        y_ += height + 8;
    }

    void new_page() {
        device_.newPage();
        y_ = 0;
    }

private:
    static QFont font(QFont f, int pixels, bool bold) {
        f.setPixelSize(pixels);
        f.setBold(bold);
        // Letter spacing keeps the shaper from joining "fi" or "ff" into one
        // glyph, which a reader copying the text would get as one character.
        f.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
        return f;
    }

    // The width and height of a line of text on the page, measured by the
    // painter on its device (a screen's metrics would give other widths).
    QSizeF measure(const QString& line) { return p_.boundingRect(QRectF(), Qt::AlignLeft, line).size(); }

    // The text cut into lines at its spaces only (a line cut at a hyphen
    // would read back without it), each as wide as the page allows; a word
    // wider than the page stands alone on its line.
    QStringList wrapped(const QString& text, const QFont& f) {
        p_.setFont(f);
        QStringList lines;
        QString line;
        for (const QString& word : text.split(QLatin1Char(' '))) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && measure(longer).width() > size_.width()) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
        }
        return lines << line;
    }

    double line_height(const QFont& f) {
        p_.setFont(f);
        return measure(QStringLiteral("Xg")).height();
    }

    double height(const QString& text, const QFont& f) {
        return static_cast<double>(wrapped(text, f).size()) * line_height(f);
    }

    void need(double h) {
        if (y_ > 0 && y_ + h > size_.height()) new_page();
    }

    void write(const QString& text, const QFont& f, double after) {
        const double h = line_height(f);
        p_.setPen(Qt::black);
        for (const QString& line : wrapped(text, f)) {
            need(h);
            p_.drawText(QRectF(0, y_, size_.width() * 2, h), Qt::AlignLeft | Qt::AlignTop, line);
            y_ += h;
        }
        y_ += after;
    }

    QPagedPaintDevice& device_;
    QPainter& p_;
    QSizeF size_;
    QFont text_;
    QFont fixed_;
    double y_ = 0;
};

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
    pages.heading(report_heading(report));
    for (const ReportRun& run : report.runs) {
        for (const ReportSection& s :
             {file_section(run), figures_section(report, run), fit_section(report, run), health_section(run)}) {
            pages.section(s);
        }
    }
    if (report.combination) pages.section(runs_section(report));
    pages.section(reproduce_section(report));
    for (const ReportRun& run : report.runs) {
        pages.new_page();
        pages.section({QStringLiteral("graphes de %1").arg(run.file), {}});
        pages.plot(300, [&](QPainter& p, const QRectF& a) { draw_histogram(p, a, run.histogram); });
        pages.plot(200, [&](QPainter& p, const QRectF& a) { draw_convergence(p, a, run.convergence); });
        pages.plot(200, [&](QPainter& p, const QRectF& a) { draw_stability(p, a, run.scan); });
        pages.section(stability_section(run));
        pages.plot(200, [&](QPainter& p, const QRectF& a) { draw_rate(p, a, run.rate); });
    }
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
