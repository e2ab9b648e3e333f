#include "forms/ui/FormFactory.h"

#include "forms/CommercialForms.h"
#include "forms/FormDescription.h"
#include "forms/ui/CertificateFormView.h"
#include "forms/ui/LineItemFormViews.h"

FormView *createFormObject(int layoutId)
{
    const forms::FormDef *form = forms::formByLayoutId(layoutId);
    if (!form)
        return nullptr;
    // Forms whose behaviour is more than their description.
    if (form == &forms::kCertificat)
        return new CertificateFormView;
    if (form == &forms::kAlbara)
        return new DeliveryNoteFormView;
    if (form == &forms::kComanda)
        return new OrderFormView;
    return new FormView;
}
