#include "morphpanel.h"

#include "soundtools.h"

#include <voicevariation.h>

#include <tparametermemory.h>
#include <voicefile.h>

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSlider>

MorphPanel::MorphPanel(SoundTools *tools, QWidget *parent)
    : QWidget(parent)
    , m_tools(tools)
    , m_second(new QLabel(this))
    , m_slider(new QSlider(Qt::Horizontal, this))
    , m_amount(new QLabel(this))
{
    auto *grid = new QGridLayout(this);
    auto *choose = new QPushButton(tr("Second Voice..."), this);
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

    connect(choose, &QPushButton::clicked, this, &MorphPanel::chooseSecondVoice);
    connect(here, &QPushButton::clicked, this, &MorphPanel::startHere);
    connect(m_slider, &QSlider::valueChanged, this, &MorphPanel::moved);
    connect(m_slider, &QSlider::sliderPressed, this, &MorphPanel::pressed);
    connect(m_slider, &QSlider::sliderReleased, this, &MorphPanel::released);
    // Another voice in the editor is the new 0 % end.
    connect(tools->memory(), &TParameterMemory::editBufferLoaded, this, [this] {
        if (m_secondVoice)
            startHere();
    });
    connect(tools->memory(), &TParameterMemory::enterCompareMode, this,
            [this](bool on) { m_slider->setEnabled(!on && m_secondVoice.has_value()); });
}

void MorphPanel::showEnds()
{
    m_second->setText(m_secondVoice
                          ? tr("Towards \"%1\" from the voice as it was").arg(m_secondVoice->name)
                          : tr("Choose a second voice to morph towards."));
    m_amount->setText(tr("%1 %").arg(m_slider->value()));
}

bool MorphPanel::setSecondVoice(const QString &path, QString *error)
{
    TParameterMemory &memory = *m_tools->memory();
    Voice voice;
    if (!VoiceFile::read(path, memory.schema(), &voice, error))
        return false;
    if (voice.type != memory.voiceType()) {
        *error = tr("%1 is a %2 voice: morph needs a %3 voice")
                     .arg(QFileInfo(path).fileName(), voiceTypeName(voice.type),
                          voiceTypeName(memory.voiceType()));
        return false;
    }
    m_secondVoice = voice;
    m_slider->setEnabled(!memory.compareMode());
    startHere();
    return true;
}

void MorphPanel::chooseSecondVoice()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Second voice to morph towards"),
        QSettings().value(QStringLiteral("files/lastFolder")).toString(),
        tr("Voices (*.json);;All files (*)"));
    QString error;
    if (!path.isEmpty() && !setSecondVoice(path, &error))
        QMessageBox::warning(this, tr("Morph"), error);
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
    if (!m_secondVoice || !m_first)
        return;
    if (m_secondVoice->type != m_tools->memory()->voiceType()) {
        emit m_tools->message(tr("\"%1\" is a %2 voice: choose a second voice of this voice's type")
                                  .arg(m_secondVoice->name, voiceTypeName(m_secondVoice->type)));
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
                          m_secondVoice->values, value / 100.0);
    memory.endEdit();
}

void MorphPanel::released()
{
    if (!m_secondVoice || !m_first || m_beforeDrag.empty()
        || m_secondVoice->type != m_tools->memory()->voiceType())
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
    m_tools->runStep(tr("Morph %1 % towards \"%2\"").arg(value).arg(m_secondVoice->name), [&] {
        VoiceVariation::morph(memory, VoiceVariation::lockedBy(memory, m_tools->locks()), *m_first,
                              m_secondVoice->values, value / 100.0);
    });
}
