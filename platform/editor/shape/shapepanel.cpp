#include "shapepanel.h"

#include "rangeview.h"
#include "shapeaccessible.h"
#include "responseview.h"
#include "shapesource.h"

#include <tparametermemory.h>

#include <QLabel>
#include <QUndoStack>
#include <QVBoxLayout>

ShapePanel::ShapePanel(TParameterMemory *memory, QWidget *parent)
    : QWidget(parent)
    , m_source(new ShapeSource(memory, this))
    , m_second(new ShapeSource(m_source, this))
    , m_heading(new QLabel(this))
{
    // Screen readers see the graphs' points as sliders.
    installShapeAccessibility();
    setObjectName(QStringLiteral("shapePanel"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    layout->addWidget(m_heading);
    for (EnvelopeView::Kind kind :
         { EnvelopeView::Amplitude, EnvelopeView::Filter, EnvelopeView::Pitch }) {
        m_envelopes[kind] = new EnvelopeView(m_source, kind, this);
        layout->addWidget(m_envelopes[kind], 3);
    }
    m_response = new ResponseView(m_source, this);
    m_response->setMinimumHeight(150);
    layout->addWidget(m_response, 4);
    m_notes = new RangeView(m_source, RangeView::Notes, this);
    m_velocities = new RangeView(m_source, RangeView::Velocities, this);
    layout->addWidget(m_notes);
    layout->addWidget(m_velocities);
    for (ShapeGraph *graph : findChildren<ShapeGraph *>()) {
        connect(graph, &ShapeGraph::refused, this, &ShapePanel::message);
        graph->setSecondSource(m_second);
    }
    connect(m_source, &ShapeSource::changed, this, &ShapePanel::showWhatTheVoiceHas);
    connect(m_second, &ShapeSource::changed, this, &ShapePanel::showWhatTheVoiceHas);
    showWhatTheVoiceHas();
}

void ShapePanel::setUndoStack(QUndoStack *stack)
{
    for (ShapeGraph *graph : findChildren<ShapeGraph *>())
        graph->setUndoStack(stack);
}

void ShapePanel::setSecondVoice(const std::optional<Voice> &voice)
{
    m_second->setVoice(voice);
}

void ShapePanel::setElement(int element)
{
    m_source->setElement(element);
}

void ShapePanel::voiceChanged()
{
    m_source->voiceChanged();
}

// A drum key has no filter or pitch envelope and no velocity range.
void ShapePanel::showWhatTheVoiceHas()
{
    const bool drum = m_source->isDrum();
    m_envelopes[EnvelopeView::Filter]->setVisible(!drum);
    m_envelopes[EnvelopeView::Pitch]->setVisible(!drum);
    m_velocities->setVisible(!drum);
    m_notes->updateGeometry();
    QString heading = drum ? tr("Drum key %1").arg(PartNames::drumKeyName(m_source->part()))
                           : tr("Element %1").arg(m_source->element() + 1);
    if (!m_source->editable())
        heading += tr(" (the stored voice: compare is on)");
    // What the faint curves are, for the eye and for screen readers.
    QString second;
    if (m_second->hasVoice()) {
        const QString name = m_second->voice()->name.trimmed();
        second = name.isEmpty() ? tr("The second voice is drawn faint behind.")
                                : tr("The second voice, %1, is drawn faint behind.").arg(name);
        heading += QStringLiteral("  ")
            + tr("(faint: %1)").arg(name.isEmpty() ? tr("the second voice") : name);
    }
    m_heading->setText(heading);
    setAccessibleDescription(second);
}
