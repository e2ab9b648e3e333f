#include "export/PageRenderer.h"

#include "export/PageLayout.h"
#include "text/Cp1252.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRawFont>

#include <cmath>

namespace docexport {
namespace {

// Courier's metric twin first, as the Document view shows Courier; then other faces with glyph
// outlines of their own ("glyf"), which PDF readers draw as they are.
QString pageFamily()
{
    static const QString family = [] {
        for (const char16_t *name : {u"Liberation Mono", u"DejaVu Sans Mono", u"FreeMono"}) {
            const QString candidate = QString::fromUtf16(name);
            if (QFontDatabase::hasFamily(candidate))
                return candidate;
        }
        for (const QString &candidate : QFontDatabase::families()) {
            if (!QFontDatabase::isFixedPitch(candidate))
                continue;
            if (!QRawFont::fromFont(QFont(candidate)).fontTable("glyf").isEmpty())
                return candidate;
        }
        return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    }();
    return family;
}

} // namespace

QFont pageFont(double pointSize)
{
    QFont font(pageFamily());
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setKerning(false);
    font.setPointSizeF(pointSize);
    return font;
}

void setUpPage(QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
}

bool renderDocuments(QPagedPaintDevice &device, std::span<const std::string> documents)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The text area is the device's, so a printer set to another paper size still gets its
    // margins filled; the sizes are measured on the device itself.
    const double widthPt = device.pageLayout().paintRect(QPageLayout::Point).width();
    QFont large = pageFont(kLargestPointSize);
    large.setPixelSize(1000);
    const double advanceEm = QFontMetricsF(large).horizontalAdvance(u'M') / 1000.0;
    bool first = true;
    for (const std::string &document : documents) {
        const std::vector<std::string> lines = documentLines(document);
        const QFont font = pageFont(fittingPointSize(lines, widthPt, advanceEm));
        const QFontMetricsF metrics(font, &device);
        const int columns = int(std::floor(device.width() / metrics.horizontalAdvance(u'M') + 1e-6));
        const int linesPerPage = int(std::floor(device.height() / metrics.lineSpacing()));
        painter.setFont(font);
        for (const Page &page : paginate(lines, columns, linesPerPage)) {
            if (!first && !device.newPage())
                return false;
            first = false;
            double baseline = metrics.ascent();
            for (const std::string &line : page) {
                if (!line.empty())
                    painter.drawText(QPointF(0, baseline), QString::fromStdString(cp1252::toUtf8(line)));
                baseline += metrics.lineSpacing();
            }
        }
    }
    return painter.end();
}

} // namespace docexport
