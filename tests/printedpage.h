#ifndef PRINTEDPAGE_H
#define PRINTEDPAGE_H

// Paints the window's summary into a real PDF through the slot the preview dialog calls, and
// reads it back with poppler's pdftotext: texts and boxes of the lines as printed.

#include "pelmora.h"

#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

struct PrintedLine
{
    QString text;
    QRectF box; // in the printer's device units, from the top-left of its printable area
};

struct PrintedPages
{
    int pages = 0;
    QList<PrintedLine> lines; // of the first page
};

// Paints the summary into a PDF through the slot, as the dialog's connection does.
inline PrintedPages printSummary(Pelmora &window,
                                 QPageLayout::Orientation orientation = QPageLayout::Portrait)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("summary.pdf");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageOrientation(orientation);
    if (!QMetaObject::invokeMethod(&window, "PrintRequest", Q_ARG(QPrinter *, &printer)))
        return {};

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox-layout", pdf, "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};

    // PDF points to device units of the printable area.
    const qreal scale = printer.resolution() / 72.0;
    const QPointF origin = printer.pageRect(QPrinter::DevicePixel).topLeft();
    PrintedPages printed;
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    auto at = [&](const char *name) { return xml.attributes().value(name).toDouble() * scale; };
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("page")) {
            ++printed.pages;
        } else if (xml.name() == QLatin1String("line") && printed.pages == 1) {
            const QRectF box(QPointF(at("xMin"), at("yMin")), QPointF(at("xMax"), at("yMax")));
            printed.lines.append({QString(), box.translated(-origin)});
        } else if (xml.name() == QLatin1String("word") && !printed.lines.isEmpty()) {
            QString &text = printed.lines.last().text;
            text += (text.isEmpty() ? "" : " ") + xml.readElementText();
        }
    }
    return printed;
}

#endif // PRINTEDPAGE_H
