#pragma once
// A PDF read back by poppler's tools, as a reader of the file would: its text
// (pdftotext), its page size (pdfinfo), a page as SVG (pdftocairo), and the
// text with every run of blanks made one space, so that a line the page
// wrapped still matches.
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>

inline QString run_tool(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline QString squeezed(const QString& text) { return text.simplified(); }

inline QString pdf_text(const QString& pdf) {
    return squeezed(run_tool(QStringLiteral("pdftotext"),
                             {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")}));
}

// "595.276 x 841.89 pts (A4)"
inline QString pdf_page_size(const QString& pdf) {
    const QString info = run_tool(QStringLiteral("pdfinfo"), {pdf});
    return QRegularExpression(QStringLiteral("Page size:\\s*(.*)")).match(info).captured(1).trimmed();
}

inline int pdf_pages(const QString& pdf) {
    const QString info = run_tool(QStringLiteral("pdfinfo"), {pdf});
    return QRegularExpression(QStringLiteral("Pages:\\s*(\\d+)")).match(info).captured(1).toInt();
}

// Page `page` (from 1) as SVG.
inline QString pdf_page_svg(const QString& pdf, int page) {
    const QString n = QString::number(page);
    return run_tool(QStringLiteral("pdftocairo"), {QStringLiteral("-svg"), QStringLiteral("-f"), n,
                                                   QStringLiteral("-l"), n, pdf, QStringLiteral("-")});
}

// The text as the pages lay it out (pdftotext -layout): a table's row reads
// as one line, and every run of blanks made one space.
inline QString pdf_layout_text(const QString& pdf) {
    return squeezed(run_tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                                           QStringLiteral("UTF-8"), pdf, QStringLiteral("-")}));
}

// The text of page `page` (from 1) with its line ends: a text the page
// wrapped reads whole once they are taken out.
inline QString pdf_page_lines(const QString& pdf, int page) {
    const QString n = QString::number(page);
    return run_tool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), n, QStringLiteral("-l"), n,
                                                  QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf,
                                                  QStringLiteral("-")});
}

// How far right any word of any page reaches, and the page's width, in points.
struct RightEdge {
    double word = 0;
    double page = 0;
};
inline RightEdge pdf_right_edge(const QString& pdf) {
    const QString boxes = run_tool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    RightEdge edge;
    edge.page = QRegularExpression(QStringLiteral("<page width=\"([0-9.]+)\"")).match(boxes).captured(1).toDouble();
    QRegularExpressionMatchIterator words = QRegularExpression(QStringLiteral("xMax=\"([0-9.]+)\"")).globalMatch(boxes);
    while (words.hasNext()) edge.word = std::max(edge.word, words.next().captured(1).toDouble());
    return edge;
}
