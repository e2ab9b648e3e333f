#pragma once
#include "reference/ui/CVocView.h"

// "Català - Castellà": the same records, the Catalan text first. Its rows are inserted only when
// the user first brings it forward (behind the "Esperi" notice), so that opening the vocabulary
// fills one list, not two.
class CVocView2 : public CVocView
{
    Q_OBJECT
public:
    explicit CVocView2(QWidget *parent = nullptr);

    void initialUpdate() override;
    // The first notice arrives while the windows are being built and is only counted; the next
    // one fills the list, once.
    void viewFocused() override;

    int focusCount() const { return m_focusCount; }
    bool filled() const { return m_filled; }

private:
    int m_focusCount = 0;
    bool m_filled = false;
};
