#pragma once
// The documents a citizen addresses to a public body: the ten forms of the public-administration
// catalogue. All but Model B open with the same applicant block; all ten end with the same
// closing block (place, date of signing, addressee).
#include "forms/FormDescription.h"

namespace forms {

extern const FormDef kSolA;          // sol·licitud - Model A
extern const FormDef kSolB;          // sol·licitud - Model B (a grid of the applicant's data)
extern const FormDef kDenuncia;      // denúncia
extern const FormDef kPeticio;       // petició
extern const FormDef kAllegacio;     // al·legació
extern const FormDef kDesistiment;   // desistiment (the kind of document withdrawn is a choice)
extern const FormDef kRenuncia;      // renúncia
extern const FormDef kQueixa;        // queixa
extern const FormDef kRecursOrdi;    // recurs d'alçada
extern const FormDef kRecursRevisio; // recurs potestatiu de reposició

} // namespace forms
