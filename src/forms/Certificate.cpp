#include "forms/Certificate.h"

namespace forms {

CertificateModel certificateModel(bool modelASelected)
{
    if (modelASelected)
        return {kCertModelA, kCertModelAGroup, kCertModelBGroup};
    return {kCertModelB, kCertModelBGroup, kCertModelAGroup};
}

void generateCertificateText(const FormDef &form, const plecta::FieldSource &fields, bool modelASelected,
                             std::string &output)
{
    plecta::MergeTemplate(fields, fieldNames(form), certificateModel(modelASelected).modelId, output);
}

plecta::StructuredDocument certificateStructure(const FormDef &form, const plecta::FieldSource &fields,
                                                bool modelASelected)
{
    return plecta::MergeStructured(fields, fieldNames(form), certificateModel(modelASelected).modelId);
}

} // namespace forms
