#include "app/ui/ViewFactory.h"

#include "app/ui/CQueltView.h"
#include "app/ui/EmptyView.h"
#include "forms/ui/CPVView.h"
#include "forms/ui/CTCView.h"
#include "reference/ui/CAbrView.h"
#include "reference/ui/CComView.h"
#include "reference/ui/CMuniView.h"
#include "reference/ui/CNumView.h"
#include "reference/ui/CSimView.h"
#include "reference/ui/CTracView.h"
#include "reference/ui/CVocView.h"
#include "reference/ui/CVocView2.h"

#include <string_view>

namespace {

using Factory = QWidget *(*)(QWidget *parent);

template <class View>
QWidget *make(QWidget *parent)
{
    return new View(parent);
}

struct ViewEntry
{
    std::string_view frameClass;
    std::string_view viewClass;
    Factory create;
};

// One line per window kind: the frame and view classes of the function registry.
const ViewEntry kViews[] = {
    {"CChildFrame", "CQueltView", make<CQueltView>},
    {"CTCChildFrame", "CTCView", make<CTCView>},
    {"CAPChildFrame", "CTCView", make<CAPCatalogueView>},
    {"CPVFrame", "CPVView", make<CPVView>},
    {"CVocFrame", "CVocView", make<CVocView>},
    {"CVocFrame", "CVocView2", make<CVocView2>},
    {"CNumFrame", "CNumView", make<CNumView>},
    {"CAbrFrame", "CAbrView", make<CAbrView>},
    {"CSimFrame", "CSimView", make<CSimView>},
    {"CTracFrame", "CTracView", make<CTracView>},
    {"CMuniFrame", "CMuniView", make<CMuniView>},
    {"CComFrame", "CComView", make<CComView>},
};

} // namespace

QWidget *createView(const WindowKind &kind, QWidget *parent)
{
    for (const auto &entry : kViews) {
        if (entry.frameClass == kind.frameClass && entry.viewClass == kind.viewClass)
            return entry.create(parent);
    }
    return new EmptyView(parent);
}
