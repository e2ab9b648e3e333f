#pragma once
#include "forms/ui/COurFormView.h"

// The certificate: its radio buttons "Model A" and "Model B" choose the model and the field of
// the closing sentence, and a click enables that sentence and disables the other.
class CTCViewCert : public COurFormView
{
    Q_OBJECT
public:
    CTCViewCert() = default;
    void GenerateText(std::string &output) const override;
    plecta::StructuredDocument documentStructure() const override;

protected:
    void OnInitialUpdate() override;

private:
    bool modelASelected() const;
    void onModelClicked(bool modelA);
};
