#pragma once
// The sized widgets a form's page is laid out with, and how wide they are measured.
#include "forms/FormDescription.h"

#include <QLabel>
#include <QLineEdit>

class QComboBox;

// The width of `chars` average characters in the widget's font, with room for its frame.
int charsWide(const QWidget *widget, int chars);

// The width a choice list needs to show its longest item whole.
int widestChoice(const QComboBox *combo, const forms::Item &item);

// A text box that prefers the width its size asks for but gives way on a crowded line, so that the
// labels beside it stay readable.
class SizedLineEdit : public QLineEdit
{
public:
    void setPreferredWidth(int width);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int m_width = 0;
};

// A fixed sentence long enough to wrap: it asks for its length on one line and wraps only when
// its line on the page is shorter.
class SentenceLabel : public QLabel
{
public:
    using QLabel::QLabel;
    QSize sizeHint() const override;
};
