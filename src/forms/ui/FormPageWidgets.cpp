#include "forms/ui/FormPageWidgets.h"

#include "text/ui/QtText.h"

#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

int charsWide(const QWidget *widget, int chars)
{
    return widget->fontMetrics().averageCharWidth() * chars + 12;
}

int widestChoice(const QComboBox *combo, const forms::Item &item)
{
    int text = 0;
    for (std::string_view choice : item.items)
        text = std::max(text, combo->fontMetrics().horizontalAdvance(qttext::fromUtf8(choice)));
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    return combo->style()
        ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(text, combo->fontMetrics().height()), combo)
        .width();
}

void SizedLineEdit::setPreferredWidth(int width)
{
    m_width = width;
    setMinimumWidth(width / 2);
    setSizePolicy(QSizePolicy::Preferred, sizePolicy().verticalPolicy());
}

QSize SizedLineEdit::sizeHint() const
{
    const QSize base = QLineEdit::sizeHint();
    return m_width > 0 ? QSize(m_width, base.height()) : base;
}

QSize SizedLineEdit::minimumSizeHint() const
{
    return m_width > 0 ? QSize(m_width / 2, QLineEdit::minimumSizeHint().height()) : QLineEdit::minimumSizeHint();
}

QSize SentenceLabel::sizeHint() const
{
    const QMargins margins = contentsMargins();
    const int oneLine = fontMetrics().horizontalAdvance(text()) + margins.left() + margins.right() + 2 * margin();
    return {oneLine, QLabel::sizeHint().height()};
}
