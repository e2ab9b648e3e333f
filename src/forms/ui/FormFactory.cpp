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
    if (form->className == "CTCViewAlbara")
        return new CTCViewAlbara;
    if (form->className == "CTCViewComanda")
        return new CTCViewComanda;
    return new COurFormView;
}
