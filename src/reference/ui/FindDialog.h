#pragma once
#include "shell/ui/DialogSkin.h"

#include <string>

class QLineEdit;

// "Cercar": asks for the text a list's first column should begin with. A new
// dialog is made for every search, so its field always opens empty.
class FindDialog : public DialogSkin
{
    Q_OBJECT
public:
    explicit FindDialog(QWidget *parent = nullptr);

    // The search text, Windows-1252; set when the dialog is closed with "D'acord".
    const std::string &searchText() const { return m_searchText; }

    void accept() override;

private:
    QLineEdit *m_field;
    std::string m_searchText;
};
