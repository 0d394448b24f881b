#include "soundtools.h"

#include "soundtoolsdock.h"

#include <blockclipboard.h>
#include <jsonpresetstore.h>
#include <secondvoice.h>
#include <soundblocks.h>
#include <toollocks.h>

#include <tparametermemory.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>

SoundTools::SoundTools(TParameterMemory *memory, StepRunner runStep, QObject *parent)
    : QObject(parent)
    , m_memory(memory)
    , m_runStep(std::move(runStep))
    , m_locks(new ToolLocks(this))
    , m_secondVoice(new SecondVoice(memory, this))
    , m_presets(std::make_unique<JsonPresetStore>())
    , m_copy(new QAction(tr("Copy &Block"), this))
    , m_paste(new QAction(tr("Paste B&lock"), this))
{
    m_copy->setObjectName(QStringLiteral("copyBlockAction"));
    m_paste->setObjectName(QStringLiteral("pasteBlockAction"));
    m_copy->setShortcut(QKeySequence(tr("Ctrl+Shift+C")));
    m_paste->setShortcut(QKeySequence(tr("Ctrl+Shift+V")));
    m_copy->setStatusTip(
        tr("Copy the block of the chosen row (an envelope, the filter, an effect...)"));
    m_paste->setStatusTip(tr("Paste the copied block into the block of the chosen row"));
    connect(m_copy, &QAction::triggered, this, &SoundTools::copyCurrent);
    connect(m_paste, &QAction::triggered, this, &SoundTools::pasteCurrent);
}

SoundTools::~SoundTools() = default;

void SoundTools::setPresetStore(std::unique_ptr<EffectPresetStore> store)
{
    m_presets = std::move(store);
    if (m_dock)
        m_dock->presetsChanged();
}

bool SoundTools::runStep(const QString &name, const std::function<void()> &edits) const
{
    if (m_runStep)
        return m_runStep(name, edits);
    if (m_memory->compareMode())
        return false;
    m_memory->beginEdit();
    edits();
    m_memory->endEdit();
    return true;
}

void SoundTools::install(QMainWindow *window, QMenu *editMenu, QAbstractItemView *view,
                         ViewRoles roles)
{
    m_view = view;
    m_roles = roles;
    window->addActions({ m_copy, m_paste });
    if (editMenu) {
        editMenu->addSeparator();
        editMenu->addAction(m_copy);
        editMenu->addAction(m_paste);
    }
    m_dock = new SoundToolsDock(this, window);
    window->addDockWidget(Qt::RightDockWidgetArea, m_dock);

    auto *tools = new QMenu(tr("&Tools"), window);
    tools->setObjectName(QStringLiteral("toolsMenu"));
    m_dock->addActionsTo(tools);
    tools->addSeparator();
    tools->addAction(m_dock->toggleViewAction());
    const QList<QAction *> menus = window->menuBar()->actions();
    window->menuBar()->insertMenu(menus.isEmpty() ? nullptr : menus.last(), tools);

    if (view && view->contextMenuPolicy() == Qt::DefaultContextMenu) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint &pos) {
            QMenu *menu = contextMenu(view->indexAt(pos), view);
            if (!menu)
                return;
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(view->viewport()->mapToGlobal(pos));
        });
    }
    connect(this, &SoundTools::message, window->statusBar(),
            [bar = window->statusBar()](const QString &text) { bar->showMessage(text, 5000); });
}

std::optional<SoundTools::Place> SoundTools::placeOf(const QModelIndex &index) const
{
    if (!index.isValid())
        return std::nullopt;
    const QVariant high = index.data(m_roles.high);
    const QVariant low = index.data(m_roles.low);
    if (!high.isValid() || !low.isValid())
        return std::nullopt;
    const SoundBlock *block =
        SoundBlocks::builtIn().blockOf(*m_memory, quint16(high.toInt()), quint16(low.toInt()));
    if (!block)
        return std::nullopt;
    return Place{ block, index.data(m_roles.part).toInt() };
}

bool SoundTools::copyBlock(const SoundBlock &block, int part)
{
    const QJsonObject contents = BlockClipboard::contents(*m_memory, block, part);
    QApplication::clipboard()->setMimeData(BlockClipboard::mimeData(contents));
    const QString from = contents.value(QLatin1String("from")).toString();
    emit message(from.isEmpty() ? tr("Copied the %1").arg(block.name)
                                : tr("Copied the %1 of %2").arg(block.name, from));
    return true;
}

bool SoundTools::pasteBlock(const SoundBlock &block, int part)
{
    QJsonObject contents;
    QString error;
    if (!BlockClipboard::read(QApplication::clipboard()->mimeData(), &contents, &error)) {
        emit message(error);
        return false;
    }
    const QString into =
        PartNames::partName(block.scope == SoundBlock::Element       ? int(PartNames::elementCount)
                                : block.scope == SoundBlock::DrumKey ? int(PartNames::drumKeyCount)
                                                                     : 1,
                            part);
    const QString name = into.isEmpty() ? tr("Paste %1").arg(block.name)
                                        : tr("Paste %1 into %2").arg(block.name, into);
    bool pasted = false;
    const bool ran = runStep(
        name, [&] { pasted = BlockClipboard::paste(*m_memory, block, part, contents, &error); });
    if (!ran)
        emit message(tr("Compare shows the stored voice: leave Compare to paste"));
    else if (!pasted)
        emit message(error);
    else
        emit message(name);
    return ran && pasted;
}

void SoundTools::copyCurrent()
{
    const std::optional<Place> place = m_view ? placeOf(m_view->currentIndex()) : std::nullopt;
    if (!place) {
        emit message(tr("Choose a row of the block to copy in the view"));
        return;
    }
    copyBlock(*place->block, place->part);
}

void SoundTools::pasteCurrent()
{
    const std::optional<Place> place = m_view ? placeOf(m_view->currentIndex()) : std::nullopt;
    if (!place) {
        emit message(tr("Choose a row of the block to paste into in the view"));
        return;
    }
    pasteBlock(*place->block, place->part);
}

QMenu *SoundTools::contextMenu(const QModelIndex &index, QWidget *parent)
{
    if (!index.isValid())
        return nullptr;
    const ParameterRef ref{ quint16(index.data(m_roles.high).toInt()),
                            quint16(index.data(m_roles.low).toInt()),
                            index.data(m_roles.part).toInt() };
    if (!m_memory->isKnown(ref))
        return nullptr;
    auto *menu = new QMenu(parent);
    const std::optional<Place> place = placeOf(index);
    const QString part = PartNames::partName(m_memory->partCount(ref.high), ref.part);
    if (place) {
        const SoundBlock *block = place->block;
        const int p = place->part;
        const QString label = part.isEmpty() ? block->name : tr("%1 of %2").arg(block->name, part);
        menu->addAction(tr("Copy the %1").arg(label), this,
                        [this, block, p] { copyBlock(*block, p); });
        QAction *paste = menu->addAction(tr("Paste into the %1").arg(label), this,
                                         [this, block, p] { pasteBlock(*block, p); });
        const QMimeData *data = QApplication::clipboard()->mimeData();
        paste->setEnabled(data && data->hasFormat(QLatin1String(BlockClipboard::mimeType)));
        menu->addSeparator();
    }
    // Each lock toggles.
    auto addLock = [this, menu](const ToolLocks::Lock &lock) {
        const bool on = m_locks->locks().contains(lock);
        const QString what = ToolLocks::describe(*m_memory, lock);
        menu->addAction(on ? tr("Unlock %1").arg(what) : tr("Lock %1").arg(what), this,
                        [this, lock, on] {
                            if (on)
                                m_locks->remove(lock);
                            else
                                m_locks->add(lock);
                        });
    };
    addLock(ToolLocks::parameter(*m_memory, ref));
    if (place) {
        addLock(ToolLocks::block(place->block->id,
                                 place->block->scope == SoundBlock::Common ? -1 : place->part));
        if (place->block->scope != SoundBlock::Common)
            addLock(ToolLocks::block(place->block->id, -1));
    }
    if (m_memory->partCount(ref.high) == PartNames::elementCount)
        addLock(ToolLocks::element(ref.part));
    else if (m_memory->partCount(ref.high) == PartNames::drumKeyCount)
        addLock(ToolLocks::drumKey(ref.part));
    return menu;
}
