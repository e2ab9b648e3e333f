#pragma once
// Base of every document form: a scrollable page built from the form's description. Its widgets
// start from a form state and write every change into it; the document is merged from that
// state alone, as on the command line.
#include "forms/FormDescription.h"
#include "forms/FormState.h"
#include "models/StructuredDocument.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QScrollArea>

class QTreeWidget;

#include <optional>
#include <span>
#include <string>

class FormView : public QScrollArea
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
    // From now on the fields as they are count as unchanged (the form was saved or opened).
    void markUnmodified();
    const forms::FormDef *description() const { return m_form; }

    // The finished document built from the fields as they are now. Changes nothing in the form.
    void generateText(std::string &output) const;
    // The same document with its structure, for the typeset outputs.
    plecta::StructuredDocument documentStructure() const;
    // What the fields hold now; only valid once the page is built.
    const forms::FormState &state() const { return *m_state; }

    // The widget of a field (or of a label, radio button or button that has an id).
    QWidget *fieldWidget(int id) const;
    // The field that still shows a placeholder or a choice label its document lacks ("NOM i
    // COGNOMS" for a box holding "<NOM i COGNOMS>", "CÀRREC" for the choice left at "Càrrec"),
    // scrolled into view with the placeholder selected so that typing replaces it; nullptr when
    // no field shows it.
    QWidget *selectUnfilledField(std::string_view cp1252Name);
    // The page: the form at its own size, inside the scroll area.
    QWidget *page() const { return m_page; }

signals:
    // A field changed: a text, a choice, a date, the model or the lines.
    void edited();

protected:
    // Runs once, right after the page is built: every widget shows what the state holds at start.
    virtual void initializeFields();
    forms::FormState &editableState() { return *m_state; }
    // The widgets of every item of a group (the certificate's closing sentences).
    void setGroupEnabled(int group, bool enabled);
    // The "Afegeix un concepte" button and a double click on the line list call this.
    virtual void addLine() {}

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *findUnfilledField(std::string_view cp1252Name) const;
    // Every change a user makes to a field goes into the state as it happens.
    void bindFields();
    void takeLines(const QTreeWidget *list);
    // A change of one field, made in the state and then told.
    template <class Value> void changed(void (forms::FormState::*set)(int, Value), int id, Value value)
    {
        ((*m_state).*set)(id, std::move(value));
        emit edited();
    }

    std::optional<forms::FormState> m_state;
    std::optional<forms::FormState> m_initialState;
    int m_templateId = 0;
    const forms::FormDef *m_form = nullptr;
    QWidget *m_page = nullptr;
    QHash<int, QPointer<QWidget>> m_fields;
    QList<QPair<int, QPointer<QWidget>>> m_grouped;
};
