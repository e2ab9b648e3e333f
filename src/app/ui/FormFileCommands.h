#pragma once
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class ChildFrame;
class FormView;
class QWidget;
class Workbook;

// "Desa el formulari..." and "Obre un formulari...": a form kept in a ".plecta" file and put
// back into its catalogue. Remembers the file of the form last saved or opened, which the main
// window's title names, modified or not.
class FormFileCommands : public QObject
{
    Q_OBJECT
public:
    // Opens the function at a place of the Functions bar; false when the user kept the windows.
    using FunctionOpener = std::function<bool(int position)>;

    FormFileCommands(QWidget *window, Workbook *workbook, FunctionOpener openFunction);

    // The form the active window shows or follows, or nullptr.
    FormView *activeForm() const;
    // A form of these windows holding what the user typed and did not save: the active one
    // first; nullptr when none.
    FormView *unsavedForm(const QList<ChildFrame *> &frames) const;

    // Asks for a file name (the form's own file proposed) and writes the form there, atomically.
    // False when cancelled or when the file could not be written (after telling why).
    bool saveForm(FormView *form);
    // Asks for a file and opens it.
    bool openForm();
    // Reads a saved form, then brings its catalogue forward with the kind selected and the form
    // filled as saved (asking first when that form holds typed text). A file that cannot be opened is reported and
    // nothing open changes (`problem`, when given, gets the message). Fields the form no longer
    // has are reported after it opens.
    bool openFile(const QString &path, QString *problem = nullptr);

    // The name of the file of the form last saved or opened, while that form's function is in
    // front; or empty.
    QString fileName() const;
    // Whether that form changed since.
    bool isModified() const;

signals:
    // The file's name or its modified state changed.
    void fileStateChanged();

private:
    void setCurrent(FormView *form, const QString &path);

    QWidget *m_window;
    Workbook *m_workbook;
    FunctionOpener m_openFunction;
    QPointer<FormView> m_form;
    QString m_path;
};
