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
    // The first time the window comes forward, its rows are filled, once.
    void viewActivated() override;

    bool filled() const { return m_filled; }

private:
    bool m_filled = false;
};
