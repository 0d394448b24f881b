#include "soundtoolsdock.h"

#include "effectpresetpanel.h"
#include "lockpanel.h"
#include "morphpanel.h"
#include "sidebysidepanel.h"
#include "soundtools.h"
#include "variationpanel.h"

#include <QMenu>
#include <QTabWidget>

SoundToolsDock::SoundToolsDock(SoundTools *tools, QWidget *parent)
    : QDockWidget(tr("Sound Tools"), parent)
    , m_presets(new EffectPresetPanel(tools))
    , m_variation(new VariationPanel(tools))
    , m_morph(new MorphPanel(tools))
    , m_locks(new LockPanel(tools))
    , m_sideBySide(new SideBySidePanel(tools))
{
    setObjectName(QStringLiteral("soundToolsDock"));
    auto *pages = new QTabWidget(this);
    pages->addTab(m_presets, tr("Effect Presets"));
    pages->addTab(m_variation, tr("Randomise"));
    pages->addTab(m_morph, tr("Morph"));
    pages->addTab(m_locks, tr("Locks"));
    pages->addTab(m_sideBySide, tr("Side by Side"));
    setWidget(pages);
}

void SoundToolsDock::showPage(QWidget *page)
{
    show();
    raise();
    if (auto *pages = qobject_cast<QTabWidget *>(widget()))
        pages->setCurrentWidget(page);
}

void SoundToolsDock::addActionsTo(QMenu *menu)
{
    menu->addAction(tr("Effect &Presets..."), this, [this] { showPage(m_presets); });
    menu->addAction(tr("&Randomise"), this, [this] {
        showPage(m_variation);
        m_variation->randomise();
    });
    menu->addAction(tr("&Mutate"), this, [this] {
        showPage(m_variation);
        m_variation->mutate();
    });
    menu->addAction(tr("M&orph..."), this, [this] { showPage(m_morph); });
    menu->addAction(tr("&Locks..."), this, [this] { showPage(m_locks); });
    menu->addAction(tr("&Side by Side..."), this, [this] { showPage(m_sideBySide); });
}

void SoundToolsDock::presetsChanged()
{
    m_presets->refresh();
}
