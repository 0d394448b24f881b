#include "variationpanel.h"

#include "soundtools.h"

#include <seededrandom.h>
#include <voicevariation.h>

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>

VariationPanel::VariationPanel(SoundTools *tools, QWidget *parent)
    : QWidget(parent)
    , m_tools(tools)
    , m_amount(new QSpinBox(this))
    , m_typesAbove(new QSpinBox(this))
{
    auto *form = new QFormLayout(this);
    auto *about =
        new QLabel(tr("Locked parameters, blocks, elements and keys keep their values."), this);
    about->setWordWrap(true);
    form->addRow(about);
    auto *randomiseButton = new QPushButton(tr("Randomise"), this);
    randomiseButton->setObjectName(QStringLiteral("randomiseButton"));
    randomiseButton->setToolTip(tr("Give every unlocked parameter a new value"));
    form->addRow(randomiseButton);
    m_amount->setObjectName(QStringLiteral("mutateAmount"));
    m_amount->setRange(1, 100);
    m_amount->setValue(10);
    m_amount->setSuffix(tr(" %"));
    form->addRow(tr("Mutate by"), m_amount);
    m_typesAbove->setObjectName(QStringLiteral("typesAbove"));
    m_typesAbove->setRange(0, 100);
    m_typesAbove->setValue(50);
    m_typesAbove->setSuffix(tr(" %"));
    m_typesAbove->setToolTip(
        tr("Filter, EQ and effect types change only when Mutate moves more than this"));
    form->addRow(tr("Change types above"), m_typesAbove);
    auto *mutateButton = new QPushButton(tr("Mutate"), this);
    mutateButton->setObjectName(QStringLiteral("mutateButton"));
    mutateButton->setToolTip(
        tr("Move every unlocked parameter from its value by up to the amount"));
    form->addRow(mutateButton);
    connect(randomiseButton, &QPushButton::clicked, this, [this] { randomise(); });
    connect(mutateButton, &QPushButton::clicked, this, [this] { mutate(); });
}

bool VariationPanel::randomise()
{
    return randomise(QRandomGenerator::global()->generate64());
}

bool VariationPanel::randomise(quint64 seed)
{
    TParameterMemory &memory = *m_tools->memory();
    SeededRandom random(seed);
    return m_tools->runStep(tr("Randomise (seed %1)").arg(seed), [&] {
        VoiceVariation::randomise(memory, VoiceVariation::lockedBy(memory, m_tools->locks()),
                                  random);
    });
}

bool VariationPanel::mutate()
{
    return mutate(QRandomGenerator::global()->generate64());
}

bool VariationPanel::mutate(quint64 seed)
{
    TParameterMemory &memory = *m_tools->memory();
    SeededRandom random(seed);
    const int amount = m_amount->value();
    return m_tools->runStep(tr("Mutate by %1 % (seed %2)").arg(amount).arg(seed), [&] {
        VoiceVariation::mutate(memory, VoiceVariation::lockedBy(memory, m_tools->locks()), random,
                               amount, m_typesAbove->value());
    });
}
