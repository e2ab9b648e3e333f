#include "export/TypesetPages.h"

#include "export/TypesetDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include <cmath>

namespace docexport {
namespace {

// The band at the foot of the text area that holds the page number.
double footerHeight(const QPaintDevice &device)
{
    return QFontMetricsF(typesetFont(9), &device).height() * 2;
}

void paintFooter(QPainter &painter, const QRectF &area, int page, int pages)
{
    if (pages < 2)
        return;
    painter.save();
    painter.setFont(typesetFont(9));
    painter.setPen(Qt::black);
    painter.drawText(area, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Pàgina %1 de %2").arg(page).arg(pages));
    painter.restore();
}

} // namespace

void setUpTypesetPage(QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kTypesetLeftMm, kTypesetTopMm, kTypesetRightMm, kTypesetBottomMm),
                                     QPageLayout::Millimeter));
}

bool renderTypeset(QPagedPaintDevice &device, std::span<const plecta::StructuredDocument> documents)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The text area is the device's own, so a printer set to another paper still gets its margins.
    const QSizeF area(device.width(), device.height());
    const double footer = footerHeight(device);
    const QSizeF pageSize(area.width(), area.height() - footer);
    bool first = true;
    for (const plecta::StructuredDocument &structure : documents) {
        const std::unique_ptr<QTextDocument> document = typesetDocument(structure, &device, pageSize);
        const int pages = std::max(1, document->pageCount());
        for (int page = 0; page < pages; ++page) {
            if (!first && !device.newPage())
                return false;
            first = false;
            painter.save();
            const QRectF view(0, page * pageSize.height(), pageSize.width(), pageSize.height());
            painter.translate(0, -view.top());
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = view;
            context.palette.setColor(QPalette::Text, Qt::black);
            painter.setClipRect(view);
            document->documentLayout()->draw(&painter, context);
            painter.restore();
            paintFooter(painter, QRectF(QPointF(0, 0), area), page + 1, pages);
        }
    }
    return painter.end();
}

} // namespace docexport
