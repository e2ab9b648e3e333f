#include "forms/ui/FormFactory.h"

#include "forms/CommercialForms.h"
#include "forms/FormDescription.h"
#include "forms/ProcedureForms.h"
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
    // The quote's lines have four columns, as the delivery note's: the same line dialog.
    if (form == &forms::kAlbara || form == &forms::kPressupost)
        return new DeliveryNoteFormView;
    if (form == &forms::kComanda)
        return new OrderFormView;
    return new FormView;
}
