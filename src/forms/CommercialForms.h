#pragma once
// The business documents of the commercial catalogue.
#include "forms/FormDescription.h"

namespace forms {

extern const FormDef kActaReunio;  // acta de reunió
extern const FormDef kCertificat;  // certificat (two models, chosen by radio button)
extern const FormDef kConvReunio;  // convocatòria de reunió
extern const FormDef kInvitacio;   // invitació
extern const FormDef kComPremsa;   // comunicat de premsa
extern const FormDef kCommIntIndv; // comunicat intern individual
extern const FormDef kCommIntCol;  // comunicat intern col·lectiu
extern const FormDef kCarta;       // carta
extern const FormDef kSaluda;      // saluda
extern const FormDef kAlbara;      // albarà (line items)
extern const FormDef kComanda;     // comanda (line items)

} // namespace forms
