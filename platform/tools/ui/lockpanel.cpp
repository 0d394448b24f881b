#include "lockpanel.h"

#include "soundtools.h"

#include <toollocks.h>

#include <tparametermemory.h>

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

LockPanel::LockPanel(SoundTools *tools, QWidget *parent)
    : QWidget(parent)
    , m_tools(tools)
    , m_list(new QListWidget(this))
    , m_pattern(new QLineEdit(this))
{
    auto *grid = new QGridLayout(this);
    auto *about = new QLabel(tr("Randomise, Mutate and Morph leave these alone. Lock a parameter, "
                                "its block, element or key from the view's context menu."),
                             this);
    about->setWordWrap(true);
    m_list->setObjectName(QStringLiteral("lockList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pattern->setObjectName(QStringLiteral("lockPattern"));
    m_pattern->setPlaceholderText(tr("Names to lock: Filter*, Reverb*, element 2"));
    auto *add = new QPushButton(tr("Lock"), this);
    add->setObjectName(QStringLiteral("addLock"));
    auto *remove = new QPushButton(tr("Remove"), this);
    remove->setObjectName(QStringLiteral("removeLock"));
    grid->addWidget(about, 0, 0, 1, 2);
    grid->addWidget(m_pattern, 1, 0);
    grid->addWidget(add, 1, 1);
    grid->addWidget(m_list, 2, 0, 1, 2);
    grid->addWidget(remove, 3, 1);

    connect(add, &QPushButton::clicked, this, &LockPanel::addPattern);
    connect(m_pattern, &QLineEdit::returnPressed, this, &LockPanel::addPattern);
    connect(remove, &QPushButton::clicked, this, &LockPanel::removeChosen);
    connect(tools->locks(), &ToolLocks::changed, this, &LockPanel::refresh);
    refresh();
}

void LockPanel::refresh()
{
    m_list->clear();
    for (const ToolLocks::Lock &lock : m_tools->locks()->locks())
        m_list->addItem(ToolLocks::describe(*m_tools->memory(), lock));
}

void LockPanel::addPattern()
{
    if (m_tools->locks()->add(ToolLocks::pattern(m_pattern->text())))
        m_pattern->clear();
}

void LockPanel::removeChosen()
{
    const QVector<ToolLocks::Lock> locks = m_tools->locks()->locks();
    QVector<ToolLocks::Lock> chosen;
    for (int row = 0; row < m_list->count() && row < locks.size(); ++row) {
        if (m_list->item(row)->isSelected())
            chosen.append(locks.at(row));
    }
    for (const ToolLocks::Lock &lock : chosen)
        m_tools->locks()->remove(lock);
}
