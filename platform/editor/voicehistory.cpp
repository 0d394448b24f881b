#include "voicehistory.h"

#include "differencesfilter.h"
#include "elementtools.h"

#include <tparametermemory.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QUndoStack>
#include <QUndoView>

#include <utility>

namespace {

// Edits further apart than this belong to different gestures.
constexpr qint64 gesturePauseMs = 1000;

} // namespace

// One step: the changes of one edit group, put back in reverse order on
// undo. A step of a single change may take in the next one of the same
// parameter and gesture.
class EditStep : public QUndoCommand
{
public:
    EditStep(VoiceHistory *history, QVector<VoiceHistory::Change> changes, int gesture,
             const QString &name)
        : m_history(history)
        , m_changes(std::move(changes))
        , m_gesture(gesture)
    {
        setText(name.isEmpty() ? history->describe(m_changes.first()) : name);
    }

    int id() const override { return m_gesture >= 0 && m_changes.size() == 1 ? 1 : -1; }

    bool mergeWith(const QUndoCommand *command) override
    {
        const auto *next = static_cast<const EditStep *>(command);
        const VoiceHistory::Change &mine = m_changes.first();
        const VoiceHistory::Change &theirs = next->m_changes.first();
        if (next->m_gesture != m_gesture || theirs.high != mine.high || theirs.low != mine.low
            || theirs.part != mine.part)
            return false;
        m_changes.first().newValue = theirs.newValue;
        setText(m_history->describe(m_changes.first()));
        // Back where it started: the step changes nothing and goes.
        setObsolete(mine.oldValue == theirs.newValue);
        return true;
    }

    void undo() override { m_history->apply(m_changes, true); }

    void redo() override
    {
        // The first redo comes with the push, after the change was made.
        if (m_done) {
            m_done = false;
            return;
        }
        m_history->apply(m_changes, false);
    }

private:
    VoiceHistory *m_history;
    QVector<VoiceHistory::Change> m_changes;
    int m_gesture;
    bool m_done = true;
};

VoiceHistory::VoiceHistory(TParameterMemory *memory, QObject *parent)
    : QObject(parent)
    , m_memory(memory)
    , m_stack(new QUndoStack(this))
    , m_undo(new QAction(tr("&Undo"), this))
    , m_redo(new QAction(tr("&Redo"), this))
    , m_tools(new ElementTools(this))
{
    m_undo->setObjectName(QStringLiteral("undoAction"));
    m_redo->setObjectName(QStringLiteral("redoAction"));
    m_undo->setShortcut(QKeySequence::Undo);
    m_redo->setShortcut(QKeySequence::Redo);
    m_undo->setEnabled(false);
    m_redo->setEnabled(false);
    connect(m_undo, &QAction::triggered, this, &VoiceHistory::undo);
    connect(m_redo, &QAction::triggered, this, &VoiceHistory::redo);
    connect(m_stack, &QUndoStack::canUndoChanged, m_undo, &QAction::setEnabled);
    connect(m_stack, &QUndoStack::canRedoChanged, m_redo, &QAction::setEnabled);
    connect(m_stack, &QUndoStack::undoTextChanged, m_undo, [this](const QString &text) {
        m_undo->setText(text.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(text));
    });
    connect(m_stack, &QUndoStack::redoTextChanged, m_redo, [this](const QString &text) {
        m_redo->setText(text.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(text));
    });

    connect(memory, &TParameterMemory::editGroupBegun, this, [this] { m_group.clear(); });
    connect(memory, &TParameterMemory::valueEdited, this,
            [this](quint16 high, quint16 low, int part, int oldValue, int newValue) {
                if (!m_restoring)
                    m_group.append({ high, low, part, oldValue, newValue });
            });
    connect(memory, &TParameterMemory::editGroupEnded, this, &VoiceHistory::groupEnded);
    connect(memory, &TParameterMemory::editBufferLoaded, m_stack, &QUndoStack::clear);
    connect(memory, &TParameterMemory::editRefused, this,
            [this](quint16 high, quint16 low, int part) {
                emit message(tr("Compare shows the stored voice: leave Compare to change %1")
                                 .arg(m_memory->name(high, low, part)));
            });
    if (qApp)
        qApp->installEventFilter(this);
    m_sinceEdit.start();
}

VoiceHistory::~VoiceHistory()
{
    if (qApp)
        qApp->removeEventFilter(this);
    // The steps refer to this history; they go first.
    delete m_stack;
}

void VoiceHistory::groupEnded()
{
    if (m_restoring || m_group.isEmpty()) {
        m_group.clear();
        return;
    }
    if (m_sinceEdit.restart() > gesturePauseMs)
        endGesture();
    const bool named = !m_stepName.isEmpty();
    m_stack->push(new EditStep(this, std::exchange(m_group, {}), named ? -1 : m_gesture,
                               m_stepName));
}

void VoiceHistory::apply(const QVector<Change> &changes, bool backwards)
{
    m_restoring = true;
    m_memory->beginEdit(false);
    for (int i = 0; i < changes.size(); ++i) {
        const Change &c = changes.at(backwards ? changes.size() - 1 - i : i);
        m_memory->restoreValue(c.high, c.low, c.part, backwards ? c.oldValue : c.newValue);
    }
    m_memory->endEdit();
    m_restoring = false;
    endGesture();
}

bool VoiceHistory::undo()
{
    if (m_memory->compareMode()) {
        emit message(tr("Compare shows the stored voice: leave Compare to undo"));
        return false;
    }
    if (!m_stack->canUndo())
        return false;
    const QString text = m_stack->undoText();
    m_stack->undo();
    emit message(tr("Undone: %1").arg(text));
    return true;
}

bool VoiceHistory::redo()
{
    if (m_memory->compareMode()) {
        emit message(tr("Compare shows the stored voice: leave Compare to redo"));
        return false;
    }
    if (!m_stack->canRedo())
        return false;
    const QString text = m_stack->redoText();
    m_stack->redo();
    emit message(tr("Redone: %1").arg(text));
    return true;
}

bool VoiceHistory::runAsOneStep(const QString &name, const std::function<void()> &edits)
{
    if (m_memory->compareMode()) {
        emit message(tr("Compare shows the stored voice: leave Compare to %1").arg(name.toLower()));
        return false;
    }
    m_stepName = name;
    m_memory->beginEdit();
    edits();
    m_memory->endEdit();
    m_stepName.clear();
    endGesture();
    return true;
}

void VoiceHistory::voiceSaved()
{
    m_memory->storeVoice();
    m_stack->setClean();
}

QString VoiceHistory::describe(const Change &c) const
{
    QString what = m_memory->name(c.high, c.low, c.part);
    const QString part = PartNames::partName(m_memory->partCount(c.high), c.part);
    if (!part.isEmpty())
        what += QStringLiteral(", ") + part;
    return tr("%1: %2 -> %3")
        .arg(what, m_memory->valueText(c.high, c.low, c.part, c.oldValue),
             m_memory->valueText(c.high, c.low, c.part, c.newValue));
}

bool VoiceHistory::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        endGesture();
        break;
    case QEvent::KeyRelease:
        if (!static_cast<QKeyEvent *>(event)->isAutoRepeat())
            endGesture();
        break;
    case QEvent::Show:
        // Undo and Redo answer their keys in every dialog as in the window.
        if (auto *dialog = qobject_cast<QDialog *>(watched);
            dialog && dialog->isWindow() && !dialog->actions().contains(m_undo))
            dialog->addActions({ m_undo, m_redo });
        break;
    default:
        break;
    }
    return false;
}

void VoiceHistory::install(QMainWindow *window, QAbstractItemView *view)
{
    window->addActions({ m_undo, m_redo });
    auto *edit = new QMenu(tr("&Edit"), window);
    edit->setObjectName(QStringLiteral("editMenu"));
    edit->addAction(m_undo);
    edit->addAction(m_redo);
    edit->addSeparator();
    m_tools->addTo(edit, window);
    const QList<QAction *> menus = window->menuBar()->actions();
    window->menuBar()->insertMenu(menus.size() > 1 ? menus.at(1) : nullptr, edit);

    if (view) {
        m_filter = new DifferencesFilter(m_memory, view);
        m_filter->setSourceModel(view->model());
        view->setModel(m_filter);
        // The window's View menu, or one of its own.
        QMenu *show = window->findChild<QMenu *>(QStringLiteral("viewMenu"));
        if (show)
            show->addSeparator();
        else
            show = window->menuBar()->addMenu(tr("&View"));
        QAction *only = show->addAction(tr("Only Parameters That Differ From the Stored Voice"));
        only->setObjectName(QStringLiteral("differencesOnly"));
        only->setCheckable(true);
        connect(only, &QAction::toggled, m_filter, &DifferencesFilter::setDifferencesOnly);
    }

    auto *dock = new QDockWidget(tr("History"), window);
    dock->setObjectName(QStringLiteral("historyDock"));
    auto *list = new QUndoView(m_stack, dock);
    list->setEmptyLabel(tr("<voice as loaded>"));
    dock->setWidget(list);
    // Choosing a step in the list moves through the edit buffer, which
    // compare mode does not show.
    connect(m_memory, &TParameterMemory::enterCompareMode, list,
            [list](bool on) { list->setEnabled(!on); });
    window->addDockWidget(Qt::RightDockWidgetArea, dock);
    if (QMenu *show = window->findChild<QMenu *>(QStringLiteral("viewMenu")))
        show->addAction(dock->toggleViewAction());

    auto *indicator = new QLabel(tr("COMPARE: showing the stored voice"), window);
    indicator->setObjectName(QStringLiteral("compareIndicator"));
    indicator->setStyleSheet(QStringLiteral(
        "QLabel { background: #ffd200; color: black; font-weight: bold; padding: 1px 6px; }"));
    window->statusBar()->addPermanentWidget(indicator);
    indicator->setVisible(m_memory->compareMode());
    connect(m_memory, &TParameterMemory::enterCompareMode, indicator, &QWidget::setVisible);
    m_indicator = indicator;
    connect(this, &VoiceHistory::message, window->statusBar(),
            [bar = window->statusBar()](const QString &text) { bar->showMessage(text, 5000); });
}

QLabel *VoiceHistory::compareIndicator() const
{
    return m_indicator;
}
