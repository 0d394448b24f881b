#include "morphpanel.h"

#include "secondvoicebutton.h"
#include "soundtools.h"

#include <secondvoice.h>

#include <voicevariation.h>

#include <tparametermemory.h>

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

MorphPanel::MorphPanel(SoundTools *tools, QWidget *parent)
    : QWidget(parent)
    , m_tools(tools)
    , m_second(new QLabel(this))
    , m_slider(new QSlider(Qt::Horizontal, this))
    , m_amount(new QLabel(this))
{
    auto *grid = new QGridLayout(this);
    auto *choose = new SecondVoiceButton(tools, tr("Morph"), this);
    choose->setObjectName(QStringLiteral("chooseSecondVoice"));
    auto *here = new QPushButton(tr("Start Here"), this);
    here->setObjectName(QStringLiteral("morphStartHere"));
    here->setToolTip(tr("Take the voice as it is now as the 0 % end"));
    m_second->setWordWrap(true);
    m_slider->setObjectName(QStringLiteral("morphSlider"));
    m_slider->setRange(0, 100);
    m_slider->setPageStep(10);
    m_slider->setEnabled(false);
    grid->addWidget(choose, 0, 0);
    grid->addWidget(here, 0, 1);
    grid->addWidget(m_second, 1, 0, 1, 2);
    grid->addWidget(m_slider, 2, 0);
    grid->addWidget(m_amount, 2, 1);
    grid->setRowStretch(3, 1);
    showEnds();

    connect(tools->secondVoice(), &SecondVoice::changed, this, &MorphPanel::secondVoiceChanged);
    connect(here, &QPushButton::clicked, this, &MorphPanel::startHere);
    connect(m_slider, &QSlider::valueChanged, this, &MorphPanel::moved);
    connect(m_slider, &QSlider::sliderPressed, this, &MorphPanel::pressed);
    connect(m_slider, &QSlider::sliderReleased, this, &MorphPanel::released);
    // Another voice in the editor is the new 0 % end.
    connect(tools->memory(), &TParameterMemory::editBufferLoaded, this, [this] {
        if (second())
            startHere();
    });
    connect(tools->memory(), &TParameterMemory::enterCompareMode, this,
            [this](bool on) { m_slider->setEnabled(!on && second().has_value()); });
}

const std::optional<Voice> &MorphPanel::second() const
{
    return m_tools->secondVoice()->voice();
}

void MorphPanel::showEnds()
{
    m_second->setText(second() ? tr("Towards \"%1\" (%2) from the voice as it was")
                                     .arg(second()->name, m_tools->secondVoice()->origin())
                               : tr("Choose a second voice to morph towards."));
    m_amount->setText(tr("%1 %").arg(m_slider->value()));
}

// The voice as it is when the second voice is chosen is the 0 % end.
void MorphPanel::secondVoiceChanged()
{
    m_slider->setEnabled(second() && !m_tools->memory()->compareMode());
    startHere();
}

void MorphPanel::startHere()
{
    m_first = m_tools->memory()->voice().values;
    const QSignalBlocker block(m_slider);
    m_slider->setValue(0);
    showEnds();
}

void MorphPanel::pressed()
{
    m_beforeDrag = m_tools->memory()->voice().values;
}

void MorphPanel::moved(int value)
{
    showEnds();
    if (!second() || !m_first)
        return;
    if (second()->type != m_tools->memory()->voiceType()) {
        emit m_tools->message(tr("\"%1\" is a %2 voice: choose a second voice of this voice's type")
                                  .arg(second()->name, voiceTypeName(second()->type)));
        return;
    }
    if (!m_slider->isSliderDown()) {
        apply(value);
        return;
    }
    // While the slider is dragged the voice follows it without steps; the
    // release makes the drag one step.
    TParameterMemory &memory = *m_tools->memory();
    memory.beginEdit(false);
    VoiceVariation::morph(memory, VoiceVariation::lockedBy(memory, m_tools->locks()), *m_first,
                          second()->values, value / 100.0);
    memory.endEdit();
}

void MorphPanel::released()
{
    if (!second() || !m_first || m_beforeDrag.empty()
        || second()->type != m_tools->memory()->voiceType())
        return;
    // Back to where the drag began, unrecorded, so that the step holds the
    // whole drag.
    TParameterMemory &memory = *m_tools->memory();
    memory.beginEdit(false);
    for (const ParameterRef &ref : VoiceVariation::variableValues(memory)) {
        const int before = m_beforeDrag[ref.high][std::size_t(ref.part)][ref.low];
        if (memory.value(ref) != before)
            memory.restoreValue(ref, before);
    }
    memory.endEdit();
    m_beforeDrag.clear();
    apply(m_slider->value());
}

void MorphPanel::apply(int value)
{
    TParameterMemory &memory = *m_tools->memory();
    const Voice &towards = *second();
    m_tools->runStep(tr("Morph %1 % towards \"%2\"").arg(value).arg(towards.name), [&] {
        VoiceVariation::morph(memory, VoiceVariation::lockedBy(memory, m_tools->locks()), *m_first,
                              towards.values, value / 100.0);
    });
}
