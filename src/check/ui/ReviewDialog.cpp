#include "check/ui/ReviewDialog.h"

#include "check/ui/CheckedBox.h"
#include "check/ui/CheckerService.h"
#include "text/ui/QtText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString joined(const std::vector<std::string> &forms)
{
    QStringList out;
    for (const std::string &form : forms)
        out.append(qttext::toQString(form));
    return out.join(QStringLiteral(", "));
}

} // namespace

ReviewDialog::ReviewDialog(const std::vector<CheckedBox *> &boxes, QWidget *parent)
    : QDialog(parent), m_list(new QTreeWidget(this))
{
    setWindowTitle(QStringLiteral("Revisa el text"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels(
        {QStringLiteral("Camp"), QStringLiteral("Paraula"), QStringLiteral("Tipus"), QStringLiteral("Suggeriments")});
    m_list->setAccessibleName(QStringLiteral("Coses a revisar"));
    for (CheckedBox *box : boxes) {
        box->recheck();
        for (std::size_t i = 0; i < box->findings().size(); ++i) {
            const check::Finding &finding = box->findings()[i];
            const std::string word = box->text().substr(finding.begin, finding.end - finding.begin);
            auto *item = new QTreeWidgetItem(m_list);
            item->setText(0, box->fieldName());
            item->setText(1, qttext::toQString(word).simplified());
            item->setText(2, finding.kind == check::FindingKind::Spelling ? QStringLiteral("ortografia")
                                                                          : QStringLiteral("castellanisme"));
            item->setText(3, joined(box->suggestions(finding)));
            item->setData(0, Qt::UserRole, int(m_places.size()));
            m_places.push_back({box, i});
        }
    }
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_list, &QTreeWidget::itemActivated, this, &ReviewDialog::goTo);

    auto *layout = new QVBoxLayout(this);
    QString summary = m_places.empty() ? QStringLiteral("No s'ha trobat res a revisar.")
                                       : QStringLiteral("Trieu una línia per anar a la paraula.");
    if (const check::TextChecker *checker = CheckerService::instance().checker(); !checker)
        summary = QStringLiteral("El revisor encara s'està carregant.");
    else if (!checker->checksSpelling())
        summary += QLatin1Char(' ') + CheckerService::spellingOffMessage();
    auto *label = new QLabel(summary, this);
    label->setWordWrap(true);
    layout->addWidget(label);
    layout->addWidget(m_list);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 360);
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
}

void ReviewDialog::goTo(QTreeWidgetItem *item)
{
    const Place &place = m_places.at(std::size_t(item->data(0, Qt::UserRole).toInt()));
    accept();
    if (place.finding < place.box->findings().size())
        place.box->select(place.box->findings()[place.finding]);
}
