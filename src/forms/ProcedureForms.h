#pragma once
// The procedures a citizen or a small business files today: responsible declaration, prior
// communication, grant of representation, access to public information and the claim before the
// access commission, data-protection rights, the extraordinary review appeal; and the quote of
// the commercial catalogue.
#include "forms/FormDescription.h"

namespace forms {

extern const FormDef kDeclaracioResponsable; // declaració responsable
extern const FormDef kComunicacioPrevia;     // comunicació prèvia
extern const FormDef kRepresentacio;         // atorgament de representació
extern const FormDef kAccesInformacio;       // sol·licitud d'accés a la informació pública
extern const FormDef kReclamacioAcces;       // reclamació davant la comissió de garantia del dret d'accés
extern const FormDef kDretsDades;            // exercici de drets de protecció de dades
extern const FormDef kRecursRevisioExtra;    // recurs extraordinari de revisió
extern const FormDef kPressupost;            // pressupost (line items)

} // namespace forms
