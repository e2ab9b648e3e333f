#pragma once
#include "forms/DocumentCatalogue.h"

#include <QTreeWidget>

// The catalogue tree: headings with their document kinds, each kind's description as tooltip.
class CatalogueTree : public QTreeWidget
{
    Q_OBJECT
public:
    static constexpr int kTooltipWidth = 400; // pixels; longer descriptions wrap

    CatalogueTree(const forms::DocListEntry *catalogue, QWidget *parent = nullptr);

    // Fills the tree from the catalogue and selects its first kind.
    void fill();
    // The catalogue row of a tree item, or nullptr.
    const forms::DocListEntry *entry(const QTreeWidgetItem *item) const;
    QTreeWidgetItem *itemOf(std::string_view name) const;
    // The tooltip text of a description: plain when it fits, wrapped at the tooltip width if not.
    static QString tooltipText(const QString &description, const QFont &font);

signals:
    // A document kind became the current item; headings do not count.
    void kindSelected(int row);

private:
    const forms::DocListEntry *m_catalogue;
};
