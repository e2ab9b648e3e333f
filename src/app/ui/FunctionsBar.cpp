#include "app/ui/FunctionsBar.h"

#include "app/FunctionRegistry.h"
#include "app/ui/Pictures.h"
#include "text/ui/QtText.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

const QColor FunctionsBar::kCream(255, 255, 242);

namespace {

// The picture of each item, one for each function.
constexpr std::array<const char16_t *, kFunctionCount> kPictures = {
    u":/icons/letters.svg", u":/icons/archive.svg",        u":/icons/vocabulary.svg", u":/icons/abbreviations.svg",
    u":/icons/notepad.svg", u":/icons/municipalities.svg", u":/icons/numerals.svg",
};

} // namespace

FunctionsBar::FunctionsBar(QWidget *parent)
    : QDockWidget(QStringLiteral("Barra de funcions"), parent), m_group(new QToolButton), m_list(new QListWidget)
{
    setObjectName(QStringLiteral("functionsBar"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);

    auto *inside = new QWidget(this);
    auto *layout = new QVBoxLayout(inside);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_group->setObjectName(QStringLiteral("functionsGroup"));
    m_group->setText(QStringLiteral("Funcions"));
    m_group->setCheckable(true);
    m_group->setChecked(true); // the open group
    m_group->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_group->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(m_group, &QToolButton::clicked, this, [this] { m_group->setChecked(true); });
    layout->addWidget(m_group);

    m_list->setObjectName(QStringLiteral("functionsList"));
    m_list->setAccessibleName(QStringLiteral("Funcions"));
    m_list->setFrameShape(QFrame::StyledPanel);
    m_list->setFrameShadow(QFrame::Sunken);
    m_list->setMovement(QListView::Static);
    m_list->setWordWrap(true);
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Base, kCream);
    m_list->setPalette(palette);
    for (const FunctionDef &function : functionRegistry()) {
        const QIcon icon = pictures::icon(QString::fromUtf16(kPictures[std::size_t(function.position)]), {16, 32});
        auto *item = new QListWidgetItem(icon, qttext::fromUtf8(function.barText));
        item->setTextAlignment(Qt::AlignCenter);
        item->setToolTip(item->text());
        m_list->addItem(item);
    }
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { emit itemClicked(m_list->row(item)); });
    connect(m_list, &QWidget::customContextMenuRequested, this, &FunctionsBar::showContextMenu);
    // From the keyboard: the arrows choose a function, Enter opens it.
    auto *open = new QAction(m_list);
    open->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    open->setShortcutContext(Qt::WidgetShortcut);
    m_list->addAction(open);
    connect(open, &QAction::triggered, this, [this] {
        if (m_list->currentRow() >= 0)
            emit itemClicked(m_list->currentRow());
    });
    layout->addWidget(m_list, 1);
    setWidget(inside);
    setLargeIcons(true);
}

void FunctionsBar::setLargeIcons(bool large)
{
    m_large = large;
    if (large) {
        m_list->setViewMode(QListView::IconMode);
        m_list->setFlow(QListView::TopToBottom);
        m_list->setWrapping(false);
        m_list->setIconSize({32, 32});
        m_list->setGridSize({130, 72});
        m_list->setSpacing(4);
    } else {
        m_list->setViewMode(QListView::ListMode);
        m_list->setIconSize({16, 16});
        m_list->setGridSize({});
        m_list->setSpacing(2);
    }
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem *item = m_list->item(i);
        item->setTextAlignment(large ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignVCenter);
        // A large item fills its cell of the grid, so that its label wraps there instead of being
        // cut to the width the list first measured.
        item->setSizeHint(large ? m_list->gridSize() - QSize(2 * m_list->spacing(), m_list->spacing()) : QSize());
    }
}

void FunctionsBar::showContextMenu(const QPoint &pos)
{
    QMenu menu(this);
    QAction *large = menu.addAction(QStringLiteral("Icones grans"));
    QAction *small = menu.addAction(QStringLiteral("Icones petites"));
    large->setCheckable(true);
    small->setCheckable(true);
    large->setChecked(m_large);
    small->setChecked(!m_large);
    QAction *chosen = menu.exec(m_list->viewport()->mapToGlobal(pos));
    if (chosen)
        setLargeIcons(chosen == large);
}
