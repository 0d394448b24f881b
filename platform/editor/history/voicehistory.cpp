#include "history/voicehistory.h"

#include <tparametermemory.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QUndoStack>

#include <utility>

namespace {

// Edits further apart than this belong to different gestures.
constexpr qint64 gesturePauseMs = 1000;

} // namespace

VoiceHistory::VoiceHistory(TParameterMemory *memory, QObject *parent)
    : QObject(parent)
    , m_memory(memory)
    , m_stack(new QUndoStack(this))
{
    connect(memory, &TParameterMemory::editGroupBegun, this, [this] { m_group.clear(); });
    connect(memory, &TParameterMemory::valueEdited, this,
            [this](quint16 high, quint16 low, int part, int oldValue, int newValue) {
                m_group.append({ { high, low, part }, oldValue, newValue });
            });
    connect(memory, &TParameterMemory::editGroupEnded, this, &VoiceHistory::groupEnded);
    connect(memory, &TParameterMemory::editBufferLoaded, m_stack, &QUndoStack::clear);
    connect(memory, &TParameterMemory::editRefused, this,
            [this](quint16 high, quint16 low, int part) {
                emit message(tr("Compare shows the stored voice: leave Compare to change %1")
                                 .arg(m_memory->name(high, low, part)));
            });
    // The end of a gesture is a button or key let go, wherever it happens.
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(this);
    m_sinceEdit.start();
}

VoiceHistory::~VoiceHistory()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
    // The steps refer to the memory; they go while it is surely there.
    delete m_stack;
}

void VoiceHistory::groupEnded()
{
    if (m_group.isEmpty())
        return;
    if (m_sinceEdit.restart() > gesturePauseMs)
        endGesture();
    const bool named = !m_stepName.isEmpty();
    m_stack->push(
        new EditStep(m_memory, std::exchange(m_group, {}), named ? -1 : m_gesture, m_stepName));
}

bool VoiceHistory::refusedInCompare(const QString &what)
{
    if (!m_memory->compareMode())
        return false;
    emit message(tr("Compare shows the stored voice: leave Compare to %1").arg(what));
    return true;
}

bool VoiceHistory::undo()
{
    if (refusedInCompare(tr("undo")) || !m_stack->canUndo())
        return false;
    const QString text = m_stack->undoText();
    m_stack->undo();
    endGesture();
    emit message(tr("Undone: %1").arg(text));
    return true;
}

bool VoiceHistory::redo()
{
    if (refusedInCompare(tr("redo")) || !m_stack->canRedo())
        return false;
    const QString text = m_stack->redoText();
    m_stack->redo();
    endGesture();
    emit message(tr("Redone: %1").arg(text));
    return true;
}

bool VoiceHistory::runAsOneStep(const QString &name, const std::function<void()> &edits)
{
    if (refusedInCompare(tr("change the voice (%1)").arg(name)))
        return false;
    m_stepName = name;
    m_memory->beginEdit();
    edits();
    m_memory->endEdit();
    m_stepName.clear();
    endGesture();
    return true;
}

bool VoiceHistory::push(QUndoCommand *step)
{
    // "Voice type: Normal -> Drum": "... leave Compare to change Voice type".
    if (refusedInCompare(tr("change %1").arg(step->text().section(QLatin1Char(':'), 0, 0)))) {
        delete step;
        return false;
    }
    m_stack->push(step);
    endGesture();
    return true;
}

void VoiceHistory::markSaved()
{
    m_stack->setClean();
}

bool VoiceHistory::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        || (event->type() == QEvent::KeyRelease
            && !static_cast<QKeyEvent *>(event)->isAutoRepeat()))
        endGesture();
    return false;
}
