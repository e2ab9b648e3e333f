#include "forms/Certificate.h"

#include "forms/CommercialForms.h"

namespace forms {

CertificateModel certificateModel(bool modelASelected)
{
    if (modelASelected)
        return {kCertModelA, 1045, kCertModelAGroup, kCertModelBGroup};
    return {kCertModelB, 1046, kCertModelBGroup, kCertModelAGroup};
}

std::vector<PlaceholderEntry> certificatePlaceholders(bool modelASelected)
{
    std::vector<PlaceholderEntry> table(kCertificat.placeholders.begin(), kCertificat.placeholders.end());
    for (PlaceholderEntry &entry : table) {
        if (entry.placeholder == "%field4%")
            entry.fieldId = certificateModel(modelASelected).closingFieldId;
    }
    return table;
}

void generateCertificateText(const plecta::FieldSource &fields, bool modelASelected, std::string &output)
{
    const std::vector<PlaceholderEntry> table = certificatePlaceholders(modelASelected);
    plecta::MergeTemplate(fields, table, certificateModel(modelASelected).modelId, output);
}

plecta::StructuredDocument certificateStructure(const plecta::FieldSource &fields, bool modelASelected)
{
    const std::vector<PlaceholderEntry> table = certificatePlaceholders(modelASelected);
    return plecta::MergeStructured(fields, table, certificateModel(modelASelected).modelId);
}

} // namespace forms
