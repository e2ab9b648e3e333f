#pragma once
#include "shell/ui/ChildView.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class NumeralExtras;

// "Numerals": a number field and its value in words, feminine and masculine,
// recomputed on every change of the field.
class NumeralsView : public QWidget, public ChildView
{
    Q_OBJECT
public:
    explicit NumeralsView(QWidget *parent = nullptr);

    QLineEdit *numberField() const { return m_number; }
    QLabel *feminineResult() const { return m_feminine; }
    QLabel *masculineResult() const { return m_masculine; }
    NumeralExtras *extras() const { return m_extras; }

    // Sets both results from the field's current text.
    void updateWords();

private:
    QLineEdit *m_number;
    QLabel *m_feminine;
    QLabel *m_masculine;
    NumeralExtras *m_extras = nullptr;
};
