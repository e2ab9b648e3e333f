#include "forms/ui/LineItemFormViews.h"

#include "forms/ui/LineItemDialog.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace {

const QString kCaption = QStringLiteral("Nova entrada");
const QString kEditCaption = QStringLiteral("Modifica la l\u00EDnia");

// The box layout, within `layout` and the layouts it holds, that holds `widget` itself.
QBoxLayout *layoutHolding(QLayout *layout, QWidget *widget)
{
    if (!layout)
        return nullptr;
    if (auto *box = qobject_cast<QBoxLayout *>(layout); box && box->indexOf(widget) >= 0)
        return box;
    for (int i = 0; i < layout->count(); ++i) {
        if (QBoxLayout *inner = layoutHolding(layout->itemAt(i)->layout(), widget))
            return inner;
    }
    return nullptr;
}

} // namespace

QTreeWidget *LineListFormView::lineList() const
{
    return qobject_cast<QTreeWidget *>(fieldWidget(plecta::kLineListId));
}

void LineListFormView::addLine()
{
    openLineDialog(nullptr);
}

void LineListFormView::openLineDialog(QTreeWidgetItem *line)
{
    QTreeWidget *list = lineList();
    if (!list || !description() || !description()->lineItems)
        return;
    QStringList labels;
    for (std::string_view label : description()->lineItems->dialogLabels)
        labels.append(QString::fromUtf8(label.data(), qsizetype(label.size())));
    LineItemDialog *dialog = makeLineDialog(labels);
    if (line) {
        dialog->setCaption(kEditCaption);
        for (int column = 0; column < labels.size(); ++column)
            dialog->field(column)->setText(line->text(column));
    }
    dialog->computeAmounts(forms::lineTable(*description()->lineItems));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Called from a button or from a double click seen by an event filter: opened, not run, so
    // no event loop starts inside the filter. The line is found again by its place when the
    // dialog closes, in case the list changed meanwhile.
    const int row = line ? list->indexOfTopLevelItem(line) : -1;
    connect(dialog, &QDialog::accepted, this, [this, dialog, row] {
        QTreeWidget *target = lineList();
        if (!target)
            return;
        const QStringList values = lineValues(*dialog);
        QTreeWidgetItem *item = row >= 0 ? target->topLevelItem(row) : nullptr;
        if (!item) {
            // Lines keep the order in which they are added.
            item = new QTreeWidgetItem(values);
            target->addTopLevelItem(item);
        }
        for (int column = 0; column < values.size(); ++column)
            item->setText(column, values.at(column));
        target->setCurrentItem(item);
        updateLineButtons();
    });
    dialog->open();
}

void LineListFormView::editSelectedLine()
{
    if (QTreeWidget *list = lineList(); list && list->currentItem())
        openLineDialog(list->currentItem());
}

void LineListFormView::deleteSelectedLine()
{
    QTreeWidget *list = lineList();
    if (!list || !list->currentItem())
        return;
    const int row = list->indexOfTopLevelItem(list->currentItem());
    delete list->takeTopLevelItem(row);
    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(std::min(row, list->topLevelItemCount() - 1)));
    updateLineButtons();
}

void LineListFormView::moveSelectedLine(int step)
{
    QTreeWidget *list = lineList();
    if (!list || !list->currentItem())
        return;
    const int row = list->indexOfTopLevelItem(list->currentItem());
    const int target = row + step;
    if (target < 0 || target >= list->topLevelItemCount())
        return;
    QTreeWidgetItem *item = list->takeTopLevelItem(row);
    list->insertTopLevelItem(target, item);
    list->setCurrentItem(item);
    updateLineButtons();
}

void LineListFormView::initializeFields()
{
    FormView::initializeFields();
    QTreeWidget *list = lineList();
    if (!list)
        return;
    list->installEventFilter(this); // keys; the viewport's double clicks are already watched
    addLineButtons();
    connect(list, &QTreeWidget::currentItemChanged, this, &LineListFormView::updateLineButtons);
    updateLineButtons();
}

void LineListFormView::addLineButtons()
{
    QWidget *add = nullptr;
    for (const forms::Item &item : description()->items) {
        if (item.kind == forms::ItemKind::AddButton)
            add = fieldWidget(item.id);
    }
    QBoxLayout *row = add ? layoutHolding(add->parentWidget()->layout(), add) : nullptr;
    if (!row)
        return;
    const auto button = [&](const QString &text, const QString &tip, auto slot) {
        auto *created = new QPushButton(text);
        created->setToolTip(tip);
        connect(created, &QPushButton::clicked, this, slot);
        row->insertWidget(row->indexOf(add), created);
        return created;
    };
    m_editButton = button(QStringLiteral("Modifica..."), QStringLiteral("Obre la línia triada (Retorn)"),
                          [this] { editSelectedLine(); });
    m_deleteButton = button(QStringLiteral("Suprimeix"), QStringLiteral("Suprimeix la línia triada (Supr)"),
                            [this] { deleteSelectedLine(); });
    m_upButton = button(QStringLiteral("Puja"), QStringLiteral("Puja la línia triada un lloc (Alt+Fletxa amunt)"),
                        [this] { moveSelectedLine(-1); });
    m_downButton = button(QStringLiteral("Baixa"), QStringLiteral("Baixa la línia triada un lloc (Alt+Fletxa avall)"),
                          [this] { moveSelectedLine(+1); });
}

void LineListFormView::updateLineButtons()
{
    QTreeWidget *list = lineList();
    if (!list || !m_editButton)
        return;
    const int row = list->currentItem() ? list->indexOfTopLevelItem(list->currentItem()) : -1;
    m_editButton->setEnabled(row >= 0);
    m_deleteButton->setEnabled(row >= 0);
    m_upButton->setEnabled(row > 0);
    m_downButton->setEnabled(row >= 0 && row + 1 < list->topLevelItemCount());
}

bool LineListFormView::eventFilter(QObject *watched, QEvent *event)
{
    QTreeWidget *list = lineList();
    if (list && watched == list->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // On a line: that line, to change it; below the lines: a new one.
        if (QTreeWidgetItem *line = list->itemAt(static_cast<QMouseEvent *>(event)->position().toPoint())) {
            list->setCurrentItem(line);
            openLineDialog(line);
            return true;
        }
    }
    if (list && watched == list && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool alt = key->modifiers() == Qt::AltModifier;
        if (key->modifiers() == Qt::NoModifier && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            editSelectedLine();
            return true;
        }
        if (key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_Delete) {
            deleteSelectedLine();
            return true;
        }
        if (alt && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            moveSelectedLine(key->key() == Qt::Key_Up ? -1 : +1);
            return true;
        }
    }
    return FormView::eventFilter(watched, event);
}

LineItemDialog *DeliveryNoteFormView::makeLineDialog(const QStringList &labels)
{
    auto *dialog = new FourValueLineDialog(this);
    dialog->setCaption(kCaption);
    dialog->setLabels(labels.value(0), labels.value(1), labels.value(2), labels.value(3));
    return dialog;
}

QStringList DeliveryNoteFormView::lineValues(const LineItemDialog &dialog) const
{
    QString v1, v2, v3, v4;
    static_cast<const FourValueLineDialog &>(dialog).getValues(v1, v2, v3, v4);
    return {v1, v2, v3, v4};
}

LineItemDialog *OrderFormView::makeLineDialog(const QStringList &labels)
{
    auto *dialog = new FiveValueLineDialog(this);
    dialog->setCaption(kCaption);
    dialog->setLabels(labels.value(0), labels.value(1), labels.value(2), labels.value(3), labels.value(4));
    return dialog;
}

QStringList OrderFormView::lineValues(const LineItemDialog &dialog) const
{
    QString v1, v2, v3, v4, v5;
    static_cast<const FiveValueLineDialog &>(dialog).getValues(v1, v2, v3, v4, v5);
    return {v1, v2, v3, v4, v5};
}
