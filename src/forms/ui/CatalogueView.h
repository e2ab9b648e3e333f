#pragma once
#include "forms/DocumentCatalogue.h"
#include "shell/ui/ChildView.h"

#include <QList>
#include <QPointer>
#include <QSplitter>

class FormView;
class FormPane;
class CatalogueTree;

// A catalogue window's view: the tree of document kinds above, as high as its rows shown (at
// least 120 pixels, at most half the view), the form of the selected kind below. The forms of every kind are made when
// the view is, their windows on the first selection of their kind; then they are kept with whatever was typed.
class CatalogueView : public QSplitter, public ChildView
{
    Q_OBJECT
public:
    static constexpr int kTreeHeight = 120;

    explicit CatalogueView(QWidget *parent = nullptr) : CatalogueView(forms::g_tcDocList, parent) {}
    ~CatalogueView() override;

    CatalogueTree *tree() const { return m_tree; }
    FormPane *formPane() const { return m_pane; }
    // The form shown now, or nullptr (none yet, or a kind whose form is not written).
    FormView *shownForm() const;
    // The form object of a catalogue row (nullptr for a heading or a kind without a form).
    FormView *formOfRow(int row) const;

    void initialUpdate() override;
    ViewActions offeredActions() const override;
    void perform(ViewAction command) override;
    // Whether any form of the catalogue holds something the user typed or chose.
    bool holdsUserInput() const override;

signals:
    // The form shown below the tree changed; nullptr for a kind whose form is not written.
    void shownFormChanged(FormView *form);
    // Save, print or preview asked on the form's tab: the Document window carries it out.
    void documentCommandRequested(ViewAction command);

protected:
    CatalogueView(const forms::DocListEntry *catalogue, QWidget *parent);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showKind(int row);
    // Gives the tree the height of the rows it shows, so that an opened group shows all its kinds.
    void fitTreeToRows();

    const forms::DocListEntry *m_catalogue;
    CatalogueTree *m_tree;
    FormPane *m_pane;
    QList<QPointer<FormView>> m_forms; // one per catalogue row
    int m_shownRow = -1;
};

// The public-administration catalogue: the same window over the other catalogue.
class AdministrationCatalogueView : public CatalogueView
{
    Q_OBJECT
public:
    explicit AdministrationCatalogueView(QWidget *parent = nullptr) : CatalogueView(forms::g_apDocList, parent) {}
};
