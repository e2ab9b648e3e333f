#include "forms/ui/CatalogueTree.h"
#include "text/ui/QtText.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QToolTip>

namespace {

constexpr int kRowRole = Qt::UserRole + 1;

} // namespace

CatalogueTree::CatalogueTree(const forms::DocListEntry *catalogue, QWidget *parent)
    : QTreeWidget(parent), m_catalogue(catalogue)
{
    setAccessibleName(QStringLiteral("Tipus de document"));
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setExpandsOnDoubleClick(true);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        const forms::DocListEntry *row = entry(current);
        if (row && row->level == 1)
            emit kindSelected(current->data(0, kRowRole).toInt());
    });
}

QString CatalogueTree::tooltipText(const QString &description, const QFont &font)
{
    if (description.isEmpty())
        return {};
    QString text = description.toHtmlEscaped();
    const QString style = QStringLiteral("white-space:pre-wrap");
    if (QFontMetrics(font).horizontalAdvance(description) <= kTooltipWidth)
        return QStringLiteral("<p style=\"%1\">%2</p>").arg(style, text);
    return QStringLiteral("<table width=\"%1\"><tr><td style=\"%2\">%3</td></tr></table>")
        .arg(kTooltipWidth)
        .arg(style, text);
}

void CatalogueTree::fill()
{
    clear();
    setUpdatesEnabled(false);
    QTreeWidgetItem *heading = nullptr;
    QTreeWidgetItem *firstKind = nullptr;
    const auto rows = forms::catalogueRows(m_catalogue);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const forms::DocListEntry &row = rows[i];
        QTreeWidgetItem *item = row.level == 0 || !heading ? new QTreeWidgetItem(this) : new QTreeWidgetItem(heading);
        item->setText(0, qttext::fromUtf8(row.name));
        item->setData(0, kRowRole, int(i));
        if (row.level == 0) {
            heading = item;
        } else {
            // No tip over a heading: only kinds carry a description.
            item->setToolTip(0, tooltipText(qttext::fromUtf8(row.description), QToolTip::font()));
            if (!firstKind)
                firstKind = item;
        }
    }
    if (firstKind) {
        if (firstKind->parent())
            firstKind->parent()->setExpanded(true);
        setCurrentItem(firstKind);
        scrollToItem(firstKind);
    }
    setUpdatesEnabled(true);
}

const forms::DocListEntry *CatalogueTree::entry(const QTreeWidgetItem *item) const
{
    if (!item)
        return nullptr;
    const auto rows = forms::catalogueRows(m_catalogue);
    const int row = item->data(0, kRowRole).toInt();
    return row >= 0 && std::size_t(row) < rows.size() ? &rows[std::size_t(row)] : nullptr;
}

QTreeWidgetItem *CatalogueTree::itemOf(std::string_view name) const
{
    const auto found = findItems(qttext::fromUtf8(name), Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}
