#pragma once
// The certificate's two models: its radio buttons choose the model and which of the two closing
// sentences can be filled in; each model names the field of its own closing sentence.
#include "forms/FormDescription.h"

#include "models/FieldSource.h"
#include "models/StructuredDocument.h"

#include <string>

namespace forms {

inline constexpr int kCertModelA = 164;
inline constexpr int kCertModelB = 165;
inline constexpr int kCertModelARadio = 1091;
inline constexpr int kCertModelBRadio = 1092;
inline constexpr int kCertModelAGroup = 1; // "I, " [1045] "expedeixo aquest certificat ..."
inline constexpr int kCertModelBGroup = 2; // "I, perquè se'n prengui ..." [1046] "i el" ...

struct CertificateModel
{
    int modelId;
    int enabledGroup;  // the closing sentence of this model
    int disabledGroup; // the other one
};

CertificateModel certificateModel(bool modelASelected);

// The certificate's document: the chosen model merged with the fields of its form.
void generateCertificateText(const FormDef &form, const plecta::FieldSource &fields, bool modelASelected,
                             std::string &output);
// The same with its structure, for the typeset outputs.
plecta::StructuredDocument certificateStructure(const FormDef &form, const plecta::FieldSource &fields,
                                                bool modelASelected);

} // namespace forms
