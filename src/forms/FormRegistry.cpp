#include "forms/AdministrationForms.h"
#include "forms/CommercialForms.h"
#include "forms/FormDescription.h"
#include "forms/ProcedureForms.h"

#include <array>

namespace forms {
namespace {

// Every form described. A catalogue kind whose layout id is not here shows no form.
// clang-format off
const std::array kForms = {
    &kActaReunio, &kCertificat, &kConvReunio,  &kInvitacio, &kComPremsa, &kCommIntIndv, &kCommIntCol,
    &kCarta,      &kSaluda,     &kAlbara,      &kComanda,   &kSolA,      &kSolB,        &kDenuncia,
    &kPeticio,    &kAllegacio,  &kDesistiment, &kRenuncia,  &kQueixa,    &kRecursOrdi,  &kRecursRevisio,
    &kDeclaracioResponsable, &kComunicacioPrevia, &kRepresentacio, &kAccesInformacio, &kReclamacioAcces,
    &kDretsDades, &kRecursRevisioExtra, &kPressupost,
};
// clang-format on

} // namespace

std::span<const FormDef *const> allForms()
{
    return kForms;
}

const FormDef *formByLayoutId(int layoutId)
{
    for (const FormDef *form : kForms) {
        if (form->layoutId == layoutId)
            return form;
    }
    return nullptr;
}

} // namespace forms
