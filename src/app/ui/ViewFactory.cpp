#include "app/ui/ViewFactory.h"

#include "app/ui/CQueltView.h"
#include "app/ui/EmptyView.h"

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
    {"CTCChildFrame", "CTCView", make<EmptyView>},
    {"CAPChildFrame", "CTCView", make<EmptyView>},
    {"CPVFrame", "CPVView", make<EmptyView>},
    {"CVocFrame", "CVocView", make<EmptyView>},
    {"CVocFrame", "CVocView2", make<EmptyView>},
    {"CNumFrame", "CNumView", make<EmptyView>},
    {"CAbrFrame", "CAbrView", make<EmptyView>},
    {"CSimFrame", "CSimView", make<EmptyView>},
    {"CTracFrame", "CTracView", make<EmptyView>},
    {"CMuniFrame", "CMuniView", make<EmptyView>},
    {"CComFrame", "CComView", make<EmptyView>},
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
