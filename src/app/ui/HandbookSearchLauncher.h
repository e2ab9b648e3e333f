#pragma once
#include "reference/HandbookSearch.h"

class CMainFrame;
class QWidget;

// The whole-handbook search in the main window: Ctrl+K from any window and a button at the foot
// of the Functions bar open it; a chosen hit opens its function with the row selected.
void installHandbookSearch(CMainFrame *mainFrame);

// Opens the function that holds a hit (unless its window is open already), brings that window
// forward and selects the row, scrolled into view. Returns the view, or nullptr.
QWidget *showHandbookHit(CMainFrame *mainFrame, reflist::HandbookPart part, int row);
