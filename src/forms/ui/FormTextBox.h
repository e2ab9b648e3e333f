#pragma once
#include <QPlainTextEdit>

#include <string>

// A large text box of a form: several lines high, word-wrapped, and able to hold line breaks.
// Every line typed or pasted passes the same input gate as the one-line fields; the document
// receives the lines joined with CR LF.
class FormTextBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit FormTextBox(int lines, QWidget *parent = nullptr);

    // The text as the document takes it: Windows-1252, CR LF between the lines.
    std::string documentText() const;
    // The text as the user sees it (line breaks as '\n').
    QString text() const;
    // Selects the first "<...>" that begins with `placeholder` ("<HORARI"); true as well for an
    // empty box whose hint is that placeholder; false when the box holds none.
    bool selectPlaceholder(const QString &placeholder);

protected:
    // Reached with Tab, the box selects its whole text, as a one-line field does, so that what
    // is typed replaces it.
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // Inserts at the cursor what the gate lets through of a text, and reports what it left out;
    // false when nothing was left to insert.
    bool insertGated(QString text);
};
