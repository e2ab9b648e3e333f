#pragma once
// castilianisms.tsv: the forms to avoid in Catalan text, their correct forms and a note.

#include "DataFile.h"

#include <filesystem>
#include <ostream>
#include <vector>

// Writes g_formsToAvoid. A correct form written "=" is taken from the vocabulary records whose
// Castilian text is the form to avoid, without their labels and feminine endings; a form the
// vocabulary holds must be written "=", so that the Catalan is never written twice.
void writeFormsToAvoid(std::ostream &out, const std::filesystem::path &file, const std::vector<Record> &vocabulary,
                       Faults &faults);
