#include "reference/ui/CVocView2.h"

#include "shell/ui/WaitNotice.h"

CVocView2::CVocView2(QWidget *parent) : CVocView(reflist::VocabularyDirection::CatalaCastella, parent) {}

void CVocView2::initialUpdate()
{
    insertColumns();
}

void CVocView2::viewActivated()
{
    if (m_filled)
        return;
    m_filled = true;
    WaitNotice notice(window());
    notice.showNow();
    FillVocabularyList();
    notice.close();
}
