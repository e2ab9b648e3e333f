#pragma once
// A form in the window and the saved form (".plecta") that keeps it: what the form holds,
// taken out as a saved form, and a saved form put back into a form of its kind.
#include "forms/DocumentCatalogue.h"
#include "forms/SavedForm.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class FormView;

namespace formfile {

// What the file dialogs show.
QString fileFilter();

// Every field of a built form as a saved form keeps it: texts as typed (line breaks as "\n"),
// the item chosen from a fixed list, what an editable list shows, dates as "YYYY-MM-DD", the
// certificate's model and the lines top to bottom.
forms::SavedForm capture(const FormView &form);
// The bytes of the file that keeps the form.
QByteArray fileBytes(const FormView &form);

// Puts a saved form into a built form of its kind, field by field, as a user would fill it.
// Each value passes the field's own rules first (the input gate, the list's items, a real date,
// the line's columns). Fields the form no longer has are named in `warnings`. The error (a
// Catalan sentence naming the field or the line) or an empty text. On an error the form may be
// half filled: check a file with load() before putting it into a form that matters.
QString restore(FormView &form, const forms::SavedForm &saved, QStringList &warnings);

// A saved form read from a file and tried on a form of its kind that no window shows, so that
// whatever is wrong with it is known before anything open is touched.
struct Loaded
{
    std::optional<forms::SavedForm> form;      // the trial form as the file left it: every field
    int catalogue = 0;                         // 0: the commercial texts, 1: the public administration
    const forms::DocListEntry *kind = nullptr; // the kind's row in that catalogue
    QStringList warnings;                      // fields the form no longer has
    QString error;                             // why it cannot be opened; empty when it can
};
Loaded load(const QString &path);

} // namespace formfile
