#pragma once
// Base of every document form: a scrollable page built from the form's description, whose fields
// the template engine reads through FieldSource.
#include "forms/FormDescription.h"
#include "models/FieldSource.h"
#include "models/StructuredDocument.h"
#include "models/TemplateEngine.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QScrollArea>

#include <optional>
#include <span>
#include <string>

class FormView : public QScrollArea, public plecta::FieldSource
{
    Q_OBJECT
public:
    // The form object exists before its page: build() makes it.
    FormView();
    ~FormView() override;

    // The layout to build the page from, told before build().
    void setTemplateId(int layoutId) { m_templateId = layoutId; }
    int templateId() const { return m_templateId; }

    // Builds the page from the description of its layout and puts every field in its initial
    // state. False when the layout has no description or the page exists already.
    bool build();
    bool isCreated() const { return m_page != nullptr; }
    // Whether anything differs from the state the form started in: a text typed, an item
    // chosen, a date or a model picked, a line added. A form whose window was never made holds
    // nothing.
    bool isModified() const;
    const forms::FormDef *description() const { return m_form; }

    // The finished document built from the fields as they are now. Changes nothing in the form.
    virtual void generateText(std::string &output) const;
    // The same document with its structure, for the typeset outputs.
    virtual plecta::StructuredDocument documentStructure() const;

    // The widget of a field (or of a label, radio button or button that has an id).
    QWidget *fieldWidget(int id) const;
    // The field that still shows a placeholder or a choice label its document lacks ("NOM i
    // COGNOMS" for a box holding "<NOM i COGNOMS>", "CÀRREC" for the choice left at "Càrrec"),
    // scrolled into view with the placeholder selected so that typing replaces it; nullptr when
    // no field shows it.
    QWidget *selectUnfilledField(std::string_view cp1252Name);
    // The page: the form at its own size, inside the scroll area.
    QWidget *page() const { return m_page; }

    // FieldSource: the engine reads the widgets directly.
    bool hasField(int id) const override;
    bool isLive(int id) const override;
    plecta::FieldKind kind(int id) const override;
    std::string text(int id) const override;
    std::optional<int> selectedItem(int id) const override;
    std::string itemText(int id, int index) const override;
    int rowCount(int id) const override;
    std::string cellText(int id, int row, int column) const override;

protected:
    // Runs once, right after the page is built: the initial texts, choice lists and defaults.
    virtual void initializeFields();
    // The widgets of every item of a group (the certificate's closing sentences).
    void setGroupEnabled(int group, bool enabled);
    // The "Afegeix un concepte" button and a double click on the line list call this.
    virtual void addLine() {}

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *findUnfilledField(std::string_view cp1252Name) const;
    // Every field's value in one comparable text.
    QString fieldState() const;

    QString m_initialState;
    int m_templateId = 0;
    const forms::FormDef *m_form = nullptr;
    QWidget *m_page = nullptr;
    QHash<int, QPointer<QWidget>> m_fields;
    QList<QPair<int, QPointer<QWidget>>> m_grouped;
};
