#include "forms/ui/CertificateFormView.h"

#include "forms/Certificate.h"

#include <QRadioButton>

void CertificateFormView::initializeFields()
{
    FormView::initializeFields();
    // The closing sentences start as the model chosen at start has them.
    for (const bool modelA : {true, false}) {
        const int id = modelA ? forms::kCertModelARadio : forms::kCertModelBRadio;
        if (auto *radio = qobject_cast<QRadioButton *>(fieldWidget(id)))
            connect(radio, &QRadioButton::clicked, this, [this, modelA] { onModelClicked(modelA); });
    }
    auto *modelB = qobject_cast<QRadioButton *>(fieldWidget(forms::kCertModelBRadio));
    if (modelASelected() || (modelB && modelB->isChecked()))
        onModelClicked(modelASelected());
}

bool CertificateFormView::modelASelected() const
{
    auto *modelA = qobject_cast<QRadioButton *>(fieldWidget(forms::kCertModelARadio));
    return modelA && modelA->isChecked();
}

void CertificateFormView::onModelClicked(bool modelA)
{
    const forms::CertificateModel model = forms::certificateModel(modelA);
    setGroupEnabled(model.enabledGroup, true);
    setGroupEnabled(model.disabledGroup, false);
}

void CertificateFormView::generateText(std::string &output) const
{
    output.clear();
    if (isCreated())
        forms::generateCertificateText(*description(), *this, modelASelected(), output);
}

plecta::StructuredDocument CertificateFormView::documentStructure() const
{
    if (isCreated())
        return forms::certificateStructure(*description(), *this, modelASelected());
    return {};
}
