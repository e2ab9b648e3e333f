#include "reference/ui/HandbookSearchDialog.h"

#include "reference/Municipalities.h"
#include "reference/ui/ListFilterModel.h"
#include "text/Fold.h"
#include "text/ui/QtText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

// Rows of the results drawn by the style, with the parts that matched marked over them.
class MarkedRowDelegate : public QStyledItemDelegate
{
public:
    MarkedRowDelegate(const HandbookResultsModel *model, QObject *parent) : QStyledItemDelegate(parent), m_model(model)
    {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (!m_model->hit(index.row()))
            return;
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        text.adjust(margin, 0, -margin, 0);
        painter->save();
        painter->setFont(opt.font);
        painter->setCompositionMode(QPainter::CompositionMode_Multiply);
        paintMatchMarks(painter, text, opt.text, m_model->words());
        painter->restore();
    }

private:
    const HandbookResultsModel *m_model;
};

QString unpadded(std::string_view cell)
{
    const std::size_t end = cell.find_last_not_of(' ');
    return qttext::toQString(end == std::string_view::npos ? std::string_view{} : cell.substr(0, end + 1));
}

} // namespace

QString handbookPartTitle(reflist::HandbookPart part)
{
    return QString::fromUtf8(reflist::partTitle(part));
}

HandbookResultsModel::HandbookResultsModel(const reflist::HandbookIndex &index, QObject *parent)
    : QAbstractListModel(parent), m_index(index)
{}

void HandbookResultsModel::setHits(std::vector<reflist::HandbookHit> hits, std::vector<std::string> words)
{
    beginResetModel();
    m_hits = std::move(hits);
    m_words = std::move(words);
    m_hitCount = m_hits.size();
    m_entries.clear();
    std::size_t heading = 0;
    for (std::size_t i = 0; i < m_hits.size(); ++i) {
        if (i == 0 || m_hits[i].part != m_hits[i - 1].part) {
            heading = m_entries.size();
            m_entries.push_back({m_hits[i].part, -1, 0});
        }
        ++m_entries[heading].count;
        m_entries.push_back({m_hits[i].part, int(i), 0});
    }
    endResetModel();
}

const reflist::HandbookHit *HandbookResultsModel::hit(int row) const
{
    if (row < 0 || row >= int(m_entries.size()) || m_entries[std::size_t(row)].hit < 0)
        return nullptr;
    return &m_hits[std::size_t(m_entries[std::size_t(row)].hit)];
}

int HandbookResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant HandbookResultsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_entries.size()))
        return {};
    const Entry &entry = m_entries[std::size_t(index.row())];
    if (entry.hit < 0) {
        if (role == Qt::DisplayRole)
            return QStringLiteral("%1 \u2014 %2")
                .arg(handbookPartTitle(entry.part), QString::fromStdString(reflist::groupedNumber(entry.count)));
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const reflist::HandbookHit &found = m_hits[std::size_t(entry.hit)];
    const reflist::ReportRows &rows = m_index.rows(found.part);
    QStringList cells;
    for (int column = 0; column < rows.columnCount(); ++column) {
        // A municipality by the name running text gives it ("l'Hospitalet de Llobregat"), not the
        // list's sort form.
        const std::string_view text = rows.cellText(found.row, column);
        const QString cell = found.part == reflist::HandbookPart::Municipalities && column == 0
                                 ? qttext::toQString(plecta::runningName(text))
                                 : unpadded(text);
        if (!cell.isEmpty())
            cells.append(cell);
    }
    return cells.join(QStringLiteral(" — "));
}

Qt::ItemFlags HandbookResultsModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Headings are read, not chosen.
    return hit(index.row()) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
}

HandbookSearchDialog::HandbookSearchDialog(QWidget *parent)
    : QDialog(parent), m_query(new QLineEdit(this)), m_results(new QListView(this)), m_count(new QLabel(this)),
      m_model(new HandbookResultsModel(m_index, this))
{
    setObjectName(QStringLiteral("handbookSearch"));
    setWindowTitle(QStringLiteral("Cerca a tot el manual"));
    m_query->setObjectName(QStringLiteral("handbookQuery"));
    m_query->setPlaceholderText(QStringLiteral("Una paraula, un municipi, una sigla, un tractament..."));
    m_query->setAccessibleName(QStringLiteral("Cerca a tot el manual"));
    m_query->setClearButtonEnabled(true);
    m_query->installEventFilter(this);
    m_results->setObjectName(QStringLiteral("handbookResults"));
    m_results->setAccessibleName(QStringLiteral("Resultats"));
    m_results->setModel(m_model);
    m_results->setUniformItemSizes(true);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->setSelectionMode(QAbstractItemView::SingleSelection);
    m_results->setItemDelegate(new MarkedRowDelegate(m_model, m_results));
    m_count->setObjectName(QStringLiteral("handbookCount"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_query);
    layout->addWidget(m_results, 1);
    layout->addWidget(m_count);
    resize(640, 480);

    connect(m_query, &QLineEdit::textChanged, this, &HandbookSearchDialog::search);
    connect(m_query, &QLineEdit::returnPressed, this, [this] { choose(m_results->currentIndex()); });
    connect(m_results, &QListView::activated, this, &HandbookSearchDialog::choose);
}

void HandbookSearchDialog::showForSearch()
{
    m_query->selectAll();
    m_query->setFocus(Qt::OtherFocusReason);
    show();
    raise();
    activateWindow();
}

void HandbookSearchDialog::search(const QString &text)
{
    const qttext::GateResult gated = qttext::gateInput(text);
    plecta::SearchQuery query = plecta::parseQuery(qttext::toCp1252(gated.accepted() ? gated.text : text));
    std::vector<reflist::HandbookHit> hits = m_index.search(query, reflist::kHandbookParts, true);
    m_model->setHits(std::move(hits), std::move(query.words));
    // The best hit of the first list is current, so that Enter in the field opens it.
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->hit(row)) {
            m_results->setCurrentIndex(m_model->index(row));
            break;
        }
    }
    if (m_model->words().empty())
        m_count->clear();
    else if (m_model->hitCount() == 0)
        m_count->setText(QStringLiteral("No trobat"));
    else
        m_count->setText(QStringLiteral("%1 %2").arg(
            QString::fromStdString(reflist::groupedNumber(m_model->hitCount())),
            m_model->hitCount() == 1 ? QStringLiteral("resultat") : QStringLiteral("resultats")));
}

void HandbookSearchDialog::choose(const QModelIndex &index)
{
    const reflist::HandbookHit *found = m_model->hit(index.row());
    if (!index.isValid() || !found)
        return;
    const reflist::HandbookHit chosen = *found;
    accept();
    emit hitChosen(chosen.part, chosen.row);
}

bool HandbookSearchDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Down and Page Down in the field go on to the results, the current one kept.
    if (watched == m_query && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_PageDown) && m_model->hitCount() > 0) {
            m_results->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
