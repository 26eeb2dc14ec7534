#pragma once
// A PDF read back by poppler's tools, as a reader of the file would: its text
// (pdftotext), its page size (pdfinfo), a page as SVG (pdftocairo), and the
// text with every run of blanks made one space, so that a line the page
// wrapped still matches.
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

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
