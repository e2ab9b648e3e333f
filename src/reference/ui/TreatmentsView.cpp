#include "reference/ui/TreatmentsView.h"

#include "reference/Treatments.h"
#include "text/ui/QtText.h"

#include <QFontDatabase>
#include <QFontMetricsF>

TreatmentsView::TreatmentsView(QWidget *parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("treatmentsText"));
    setAcceptRichText(false);
    setLineWrapMode(NoWrap);
    // The text is laid out in character columns for tab stops every eight characters.
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setTabStopDistance(8 * QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' ')));
}

void TreatmentsView::initialUpdate()
{
    setPlainText(qttext::toQString(treatments::treatmentsText()));
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    moveCursor(QTextCursor::Start);
}
