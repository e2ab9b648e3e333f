#pragma once
// The rest of the "Numerals" tab below the cardinals: the ordinals of the number typed (feminine
// and masculine, in words and in short), and a second field that writes an amount of euros in
// words. Every result can be selected and has a button that copies it.
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

// A "Copia" button that puts the text of source (a label or a line edit) on the clipboard, and is
// enabled only while there is a text to copy.
QToolButton *copyButton(QWidget *source, QWidget *parent);

class NumeralExtras : public QWidget
{
    Q_OBJECT
public:
    explicit NumeralExtras(QWidget *parent = nullptr);

    // The four ordinal results: feminine, masculine, feminine short, masculine short.
    QLineEdit *ordinalResult(int index) const { return m_ordinals[index]; }
    QLabel *ordinalNote() const { return m_ordinalNote; }
    QLineEdit *amountField() const { return m_amount; }
    QLineEdit *amountResult() const { return m_amountWords; }

    // The ordinals of the number field's text (digits only).
    void showOrdinals(const QString &numberText);

private:
    void showAmount(const QString &text);

    QLineEdit *m_ordinals[4] = {};
    QLabel *m_ordinalNote = nullptr;
    QLineEdit *m_amount = nullptr;
    QLineEdit *m_amountWords = nullptr;
    QLabel *m_amountNote = nullptr;
};
