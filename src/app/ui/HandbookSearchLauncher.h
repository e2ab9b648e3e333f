#pragma once
#include "reference/HandbookSearch.h"

#include <QObject>
#include <QPointer>

#include <functional>

class FunctionsBar;
class HandbookSearchDialog;
class QWidget;
class Workbook;

// The whole-handbook search in the main window: Ctrl+K from any window and a button at the foot
// of the Functions bar open it; a chosen hit opens its function with the row selected.
class HandbookSearchLauncher : public QObject
{
    Q_OBJECT
public:
    // Opens the function at a place of the Functions bar; false when the user kept the windows.
    using FunctionOpener = std::function<bool(int position)>;

    // `window` takes the Ctrl+K key; the button goes at the foot of `bar`; hits are shown in the
    // windows of `workbook`.
    HandbookSearchLauncher(QWidget *window, Workbook *workbook, FunctionsBar *bar, FunctionOpener openFunction);

    // Shows the dialog, made the first time, with the last query selected.
    void open();
    HandbookSearchDialog *dialog() const;

    // Opens the function that holds a hit (unless its window is open already), brings that
    // window forward and selects the row, scrolled into view. Returns the view, or nullptr.
    QWidget *showHit(reflist::HandbookPart part, int row);

private:
    QWidget *m_window;
    Workbook *m_workbook;
    FunctionOpener m_openFunction;
    QPointer<HandbookSearchDialog> m_dialog;
};
