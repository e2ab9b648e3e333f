#pragma once
// Saved forms (".plecta" files) on the command line: read one, find its kind, and start a
// document or a merge from it.
#include "cli/DocumentFill.h"
#include "cli/Expected.h"
#include "cli/Kinds.h"
#include "forms/SavedForm.h"

#include <chrono>
#include <string>

namespace cli {

// A file's saved form: a file that cannot be read is an input/output failure, one that is no
// saved form is refused with the reason and the file's name.
Expected<forms::SavedForm> readSavedFile(const std::string &path);

// The kind a saved form names: by its number, or by its name when the number is unknown.
Expected<Kind> savedKind(const forms::SavedForm &saved, const std::string &path);

// What the document and merge commands fill: the form of the kind their word names, or, with
// --values FILE, the saved form's kind holding its values (a kind word given too must name the
// same kind). Fields the saved form has and the form no longer has are reported on standard
// error as a warning; the rest is restored.
struct FillStart
{
    KindRequest request;
    DocumentFill fill;
};
Expected<FillStart> startFill(const ParsedArgs &args, Encoding fallback);

} // namespace cli
