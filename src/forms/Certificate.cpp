#include "forms/Certificate.h"

#include "forms/CommercialForms.h"

namespace forms {

CertificateModel certificateModel(bool modelASelected)
{
    if (modelASelected)
        return {kCertModelA, kCertModelAGroup, kCertModelBGroup};
    return {kCertModelB, kCertModelBGroup, kCertModelAGroup};
}

void generateCertificateText(const plecta::FieldSource &fields, bool modelASelected, std::string &output)
{
    plecta::MergeTemplate(fields, fieldNames(kCertificat), certificateModel(modelASelected).modelId, output);
}

plecta::StructuredDocument certificateStructure(const plecta::FieldSource &fields, bool modelASelected)
{
    return plecta::MergeStructured(fields, fieldNames(kCertificat), certificateModel(modelASelected).modelId);
}

} // namespace forms
