#include "effectpresetpanel.h"

#include "soundtools.h"

#include <effectpreset.h>
#include <effectpresetstore.h>
#include <soundblocks.h>

#include <tparametermemory.h>

#include <QComboBox>
#include <QGridLayout>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

EffectPresetPanel::EffectPresetPanel(SoundTools *tools, QWidget *parent)
    : QWidget(parent)
    , m_tools(tools)
    , m_slot(new QComboBox(this))
    , m_list(new QListWidget(this))
{
    m_slot->setObjectName(QStringLiteral("presetSlot"));
    m_list->setObjectName(QStringLiteral("presetList"));
    auto *store = new QPushButton(tr("Store..."), this);
    store->setObjectName(QStringLiteral("storePreset"));
    store->setToolTip(tr("Keep the slot's effect, its type and rows, under a name"));
    auto *recall = new QPushButton(tr("Recall"), this);
    recall->setObjectName(QStringLiteral("recallPreset"));
    auto *rename = new QPushButton(tr("Rename..."), this);
    rename->setObjectName(QStringLiteral("renamePreset"));
    auto *remove = new QPushButton(tr("Delete"), this);
    remove->setObjectName(QStringLiteral("deletePreset"));
    auto *grid = new QGridLayout(this);
    grid->addWidget(m_slot, 0, 0, 1, 4);
    grid->addWidget(m_list, 1, 0, 1, 4);
    grid->addWidget(store, 2, 0);
    grid->addWidget(recall, 2, 1);
    grid->addWidget(rename, 2, 2);
    grid->addWidget(remove, 2, 3);

    connect(store, &QPushButton::clicked, this, &EffectPresetPanel::storeAsked);
    connect(recall, &QPushButton::clicked, this, &EffectPresetPanel::recallChosen);
    connect(rename, &QPushButton::clicked, this, &EffectPresetPanel::renameChosen);
    connect(remove, &QPushButton::clicked, this, &EffectPresetPanel::deleteChosen);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &EffectPresetPanel::recallChosen);
    connect(m_slot, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &EffectPresetPanel::refresh);
    // Which presets a slot takes follows the voice type.
    connect(tools->memory(), &TParameterMemory::voiceTypeChanged, this,
            &EffectPresetPanel::fillSlots);
    fillSlots();
}

void EffectPresetPanel::fillSlots()
{
    const QString chosen = m_slot->currentData().toString();
    {
        const QSignalBlocker block(m_slot);
        m_slot->clear();
        for (const SoundBlock &block : SoundBlocks::builtIn().all()) {
            if (block.isEffect() && SoundBlocks::builtIn().isOffered(*m_tools->memory(), block))
                m_slot->addItem(block.name, block.id);
        }
        m_slot->setCurrentIndex(qMax(0, m_slot->findData(chosen)));
    }
    refresh();
}

const SoundBlock *EffectPresetPanel::currentSlot() const
{
    return SoundBlocks::builtIn().find(m_slot->currentData().toString());
}

void EffectPresetPanel::refresh()
{
    const QString chosen = chosenName();
    m_list->clear();
    const SoundBlock *slot = currentSlot();
    for (const EffectPreset &preset : m_tools->presetStore()->presets()) {
        auto *item = new QListWidgetItem(tr("%1 (%2)").arg(preset.name, preset.type), m_list);
        item->setData(Qt::UserRole, preset.name);
        QStringList rows;
        for (const auto &[row, value] : preset.rows)
            rows << QStringLiteral("%1: %2").arg(row).arg(value);
        item->setToolTip((preset.builtIn ? tr("A starting point. ") : QString())
                         + rows.join(QStringLiteral(", ")));
        if (!slot || !preset.fits(*m_tools->memory(), *slot))
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
        if (preset.name == chosen)
            m_list->setCurrentItem(item);
    }
}

QString EffectPresetPanel::chosenName() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

bool EffectPresetPanel::storeCurrent(const QString &name)
{
    const SoundBlock *slot = currentSlot();
    QString error;
    if (!slot) {
        emit m_tools->message(tr("This voice has no effect to store"));
        return false;
    }
    if (!m_tools->presetStore()->store(EffectPreset::capture(*m_tools->memory(), *slot, name),
                                       &error)) {
        emit m_tools->message(error);
        return false;
    }
    refresh();
    emit m_tools->message(tr("Stored the %1 as \"%2\"").arg(slot->name, name.trimmed()));
    return true;
}

void EffectPresetPanel::storeAsked()
{
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("Store Effect Preset"), tr("Name:"),
                                               QLineEdit::Normal, chosenName(), &ok);
    if (!ok || name.trimmed().isEmpty())
        return;
    for (const EffectPreset &preset : m_tools->presetStore()->presets()) {
        if (!preset.builtIn && preset.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0
            && QMessageBox::question(this, tr("Store Effect Preset"),
                                     tr("Replace the preset \"%1\"?").arg(preset.name))
                != QMessageBox::Yes)
            return;
    }
    if (!storeCurrent(name))
        QMessageBox::warning(this, tr("Store Effect Preset"), tr("The preset was not stored."));
}

bool EffectPresetPanel::recallChosen()
{
    const SoundBlock *slot = currentSlot();
    const QString name = chosenName();
    for (const EffectPreset &preset : m_tools->presetStore()->presets()) {
        if (!slot || preset.name != name)
            continue;
        QString error;
        bool recalled = false;
        m_tools->runStep(tr("Recall \"%1\" into the %2").arg(name, slot->name),
                         [&] { recalled = preset.recall(*m_tools->memory(), *slot, &error); });
        if (!recalled)
            emit m_tools->message(error.isEmpty() ? tr("Leave Compare to recall a preset") : error);
        return recalled;
    }
    emit m_tools->message(tr("Choose a preset to recall"));
    return false;
}

void EffectPresetPanel::renameChosen()
{
    const QString from = chosenName();
    if (from.isEmpty())
        return;
    bool ok = false;
    const QString to = QInputDialog::getText(this, tr("Rename Effect Preset"), tr("New name:"),
                                             QLineEdit::Normal, from, &ok);
    QString error;
    if (ok && to != from && !m_tools->presetStore()->rename(from, to, &error))
        QMessageBox::warning(this, tr("Rename Effect Preset"), error);
    refresh();
}

void EffectPresetPanel::deleteChosen()
{
    const QString name = chosenName();
    if (name.isEmpty()
        || QMessageBox::question(this, tr("Delete Effect Preset"),
                                 tr("Delete the preset \"%1\"?").arg(name))
            != QMessageBox::Yes)
        return;
    QString error;
    if (!m_tools->presetStore()->remove(name, &error))
        QMessageBox::warning(this, tr("Delete Effect Preset"), error);
    refresh();
}
