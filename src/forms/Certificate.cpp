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

} // namespace forms
