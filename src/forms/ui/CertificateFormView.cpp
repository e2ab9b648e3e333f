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
    onModelClicked(state().modelA());
}

void CertificateFormView::onModelClicked(bool modelA)
{
    if (state().modelA() != modelA) {
        editableState().setModelA(modelA);
        emit edited();
    }
    const forms::CertificateModel model = forms::certificateModel(modelA);
    setGroupEnabled(model.enabledGroup, true);
    setGroupEnabled(model.disabledGroup, false);
}
