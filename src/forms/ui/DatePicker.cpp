#include "forms/ui/DatePicker.h"

#include "models/DateText.h"
#include "text/ui/QtText.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

std::string longDate(QDate date)
{
    std::string text;
    plecta::MakeLongDateText(text, std::chrono::year{date.year()} / date.month() / date.day());
    return text;
}

} // namespace

DatePicker::DatePicker(QWidget *parent) : QDateEdit(QDate::currentDate(), parent)
{
    setCalendarPopup(true);
    setLocale(QLocale(QLocale::Catalan, QLocale::Spain)); // the calendar's month and day names
    lineEdit()->setText(textFromDateTime(dateTime()));
}

std::string DatePicker::dateText() const
{
    return longDate(date());
}

int DatePicker::widestDate() const
{
    if (m_widestYear != date().year() || m_widestFont != font()) {
        m_widestYear = date().year();
        m_widestFont = font();
        m_widestDate = 0;
        const QFontMetrics metrics(font());
        for (QDate day(m_widestYear, 1, 1); day.year() == m_widestYear; day = day.addDays(1))
            m_widestDate = std::max(m_widestDate, metrics.horizontalAdvance(textFromDateTime(day.startOfDay())));
    }
    return m_widestDate;
}

QSize DatePicker::sizeHint() const
{
    // The box's frame and drop-down button around the text it shows now, and the widest text.
    const QSize shown = QDateEdit::sizeHint();
    const int around = shown.width() - fontMetrics().horizontalAdvance(text());
    return {std::max(shown.width(), widestDate() + around), shown.height()};
}

QSize DatePicker::minimumSizeHint() const
{
    return {sizeHint().width(), QDateEdit::minimumSizeHint().height()};
}

QString DatePicker::textFromDateTime(const QDateTime &dateTime) const
{
    return qttext::toQString(longDate(dateTime.date()));
}

QDateTime DatePicker::dateTimeFromText(const QString &) const
{
    return dateTime();
}

QValidator::State DatePicker::validate(QString &input, int &) const
{
    return input == textFromDateTime(dateTime()) ? QValidator::Acceptable : QValidator::Intermediate;
}

void DatePicker::fixup(QString &input) const
{
    input = textFromDateTime(dateTime());
}

void DatePicker::stepBy(int steps)
{
    setDate(date().addDays(steps));
}

QAbstractSpinBox::StepEnabled DatePicker::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled;
}

void DatePicker::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_F4:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter: QDateEdit::keyPressEvent(event); return;
    default:
        // Typing would leave a text that is not the date; the calendar chooses it.
        if (event->matches(QKeySequence::Copy) || (event->modifiers() & Qt::AltModifier))
            QDateEdit::keyPressEvent(event);
        else
            event->accept();
    }
}

void DatePicker::inputMethodEvent(QInputMethodEvent *event)
{
    event->accept();
}
