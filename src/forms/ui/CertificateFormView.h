#pragma once
#include "forms/ui/FormView.h"

// The certificate: its radio buttons "Model A" and "Model B" choose the model and the field of
// the closing sentence, and a click enables that sentence and disables the other.
class CertificateFormView : public FormView
{
    Q_OBJECT
public:
    CertificateFormView() = default;

protected:
    void initializeFields() override;

private:
    void onModelClicked(bool modelA);
};
