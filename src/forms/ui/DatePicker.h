#pragma once
#include <QDateEdit>

// A date picker that shows the long Catalan date ("dijous, 6 de setembre de 2001") and drops down
// a calendar. The date is chosen in the calendar or stepped a day at a time with the arrow keys;
// the text is never typed, so it is always the date text that the document receives.
class DatePicker : public QDateEdit
{
    Q_OBJECT
public:
    explicit DatePicker(QWidget *parent = nullptr);

    // What the picker shows, in Windows-1252 as the engine reads it.
    std::string dateText() const;

    // Wide enough for the longest date of the year shown, so that no date is ever cut.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    QString textFromDateTime(const QDateTime &dateTime) const override;
    QDateTime dateTimeFromText(const QString &text) const override;
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    int widestDate() const;

    mutable int m_widestDate = 0; // for the year and font below
    mutable int m_widestYear = 0;
    mutable QFont m_widestFont;
};
