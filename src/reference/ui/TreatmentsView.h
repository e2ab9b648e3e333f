#pragma once
#include "shell/ui/ChildView.h"

#include <QTextEdit>

// "Tractaments protocol·laris": the forms of address and the offices that take them, a fixed
// text shown read-only; it can be selected and copied.
class TreatmentsView : public QTextEdit, public ChildView
{
    Q_OBJECT
public:
    explicit TreatmentsView(QWidget *parent = nullptr);

    void initialUpdate() override;
};
