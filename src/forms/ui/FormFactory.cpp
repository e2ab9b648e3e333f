#include "forms/ui/FormFactory.h"

#include "forms/FormDescription.h"
#include "forms/ui/CTCViewCert.h"
#include "forms/ui/LineItemFormViews.h"

COurFormView *createFormObject(int layoutId)
{
    const forms::FormDef *form = forms::formByLayoutId(layoutId);
    if (!form)
        return nullptr;
    // Forms whose behaviour is more than their description.
    if (form->className == "CTCViewCert")
        return new CTCViewCert;
    // The quote's lines have four columns, as the delivery note's: the same line dialog.
    if (form->className == "CTCViewAlbara" || form->className == "CTCViewPressupost")
        return new CTCViewAlbara;
    if (form->className == "CTCViewComanda")
        return new CTCViewComanda;
    return new COurFormView;
}
