#include "shapepanel.h"

#include "rangeview.h"
#include "responseview.h"
#include "shapesource.h"
#include "voicehistory.h"

#include <tparametermemory.h>

#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QScrollArea>
#include <QStatusBar>
#include <QUndoStack>
#include <QVBoxLayout>

ShapePanel::ShapePanel(TParameterMemory *memory, QWidget *parent)
    : QWidget(parent)
    , m_source(new ShapeSource(memory, this))
    , m_heading(new QLabel(this))
{
    setObjectName(QStringLiteral("shapePanel"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    layout->addWidget(m_heading);
    for (EnvelopeView::Kind kind : { EnvelopeView::Amplitude, EnvelopeView::Filter, EnvelopeView::Pitch }) {
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
    for (ShapeGraph *graph : findChildren<ShapeGraph *>())
        connect(graph, &ShapeGraph::refused, this, &ShapePanel::message);
    connect(m_source, &ShapeSource::changed, this, &ShapePanel::showWhatTheVoiceHas);
    showWhatTheVoiceHas();
}

ShapePanel *ShapePanel::addDockTo(QMainWindow *window, TParameterMemory *memory)
{
    auto *dock = new QDockWidget(tr("Shape"), window);
    dock->setObjectName(QStringLiteral("shapeDock"));
    auto *scroll = new QScrollArea(dock);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *panel = new ShapePanel(memory, scroll);
    scroll->setWidget(panel);
    dock->setWidget(scroll);
    // A column of its own beside the Voice and History docks.
    window->addDockWidget(Qt::RightDockWidgetArea, dock, Qt::Horizontal);
    window->resize(window->width() + 470, qMax(window->height(), 800));
    window->resizeDocks({ dock }, { 470 }, Qt::Horizontal);
    if (auto *history = window->findChild<VoiceHistory *>())
        panel->setUndoStack(history->stack());
    if (QMenu *view = window->findChild<QMenu *>(QStringLiteral("viewMenu")))
        view->addAction(dock->toggleViewAction());
    connect(panel, &ShapePanel::message, window->statusBar(),
            [bar = window->statusBar()](const QString &text) { bar->showMessage(text, 5000); });
    return panel;
}

void ShapePanel::setUndoStack(QUndoStack *stack)
{
    for (ShapeGraph *graph : findChildren<ShapeGraph *>())
        graph->setUndoStack(stack);
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
    m_heading->setText(heading);
}
