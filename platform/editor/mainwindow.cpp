#include "mainwindow.h"

#include "addon/addonhost.h"
#include "addon/editorvoicedata.h"
#include "addon/entryplaces.h"
#include "dialogs/detaildialogs.h"
#include "dialogs/hostselections.h"
#include "dialogs/onscreenguard.h"
#include "dialogs/windowplacement.h"
#include "document/filecommands.h"
#include "document/recentfiles.h"
#include "document/voicedocument.h"
#include "history/elementtools.h"
#include "history/voicecommands.h"
#include "history/voicehistory.h"
#include "library/librarydock.h"
#include "library/libraryvoicedialog.h"
#include "panel/voicepanel.h"
#include "shape/shapepanel.h"
#include "view/parameterfilter.h"
#include "view/parametermodel.h"
#include "view/parameterview.h"

#include <librarycommandline.h>
#include <librarypanel.h>
#include <partnames.h>
#include <secondvoice.h>
#include <soundtools.h>
#include <soundtoolsdock.h>
#include <toollocks.h>
#include <tparametermemory.h>
#include <voice.h>
#include <voicetype.h>

#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QScrollArea>
#include <QStatusBar>
#include <QUndoStack>
#include <QUndoView>
#include <QVBoxLayout>

namespace {

// What the editor keeps from one run to the next.
const QString geometryKey = QStringLiteral("window/geometry");
const QString stateKey = QStringLiteral("window/state");
constexpr int messageMs = 5000;
// The Shape panel gets a column of its own where the screen has this much
// room, and the window grows by that column (and in height, for the
// panel's graphs) so that the parameter view keeps its width.
constexpr int roomForShapes = 1400;
constexpr int shapeColumnWidth = 470;

bool shapesHaveTheirColumn(const QScreen *screen)
{
    return screen->availableGeometry().width() >= roomForShapes;
}

// The platform's keys for a standard command, with `extra` beside them
// where the platform lacks it.
QList<QKeySequence> keysFor(QKeySequence::StandardKey key, const QKeySequence &extra = {})
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (!extra.isEmpty() && !keys.contains(extra))
        keys.append(extra);
    return keys;
}

} // namespace

MainWindow::MainWindow(TParameterMemory *memory, EditorVoiceData *voiceData, AddOnHost *addOn,
                       QWidget *parent)
    : QMainWindow(parent)
    , m_memory(memory)
    , m_voiceData(voiceData)
    , m_addOn(addOn)
    , m_document(new VoiceDocument(memory, this))
    , m_history(new VoiceHistory(memory, this))
    , m_tools(new ElementTools(m_history, this))
    , m_model(new ParameterModel(memory, this))
    , m_filter(new ParameterFilter(this))
{
    new OnScreenGuard(this);
    createView();
    m_dialogs = new DetailDialogs(addOn, memory, this, m_view);
    createActions();
    createMenus();
    createStatusBar();
    createDockWindows();

    // The voice is modified exactly when the history is away from the point
    // of the last save, load or new voice.
    connect(m_history->stack(), &QUndoStack::cleanChanged, m_document,
            [this](bool clean) { m_document->setModified(!clean); });
    connect(m_history, &VoiceHistory::message, this, &MainWindow::showMessage);
    connect(m_document, &VoiceDocument::saved, m_history, &VoiceHistory::markSaved);
    connect(m_document, &VoiceDocument::saved, this, &RecentFiles::add);
    connect(m_document, &VoiceDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(m_document, &VoiceDocument::filePathChanged, this, &MainWindow::updateTitle);
    connect(m_memory, &TParameterMemory::voiceTypeChanged, this, &MainWindow::showVoiceType);
    connect(m_memory, &TParameterMemory::voiceHeadChanged, this, [this] {
        m_panel->showHead(m_memory->voiceName(), m_memory->voiceCategory());
        updateTitle();
    });
    connect(m_memory, &TParameterMemory::enterCompareMode, this, [this](bool on) {
        m_panel->showCompareMode(on);
        m_compareSign->setVisible(on);
        // Choosing a step moves through the edit buffer, which compare does not show.
        m_historyView->setEnabled(!on);
    });
    connect(m_addOn, &AddOnHost::commandReceived, this, [this](int command) {
        m_panel->logCommand(hostCommandName(command));
        if (!openSelection(command))
            showMessage(tr("A dialog sent %1").arg(hostCommandName(command)));
    });
    connect(m_voiceData, &EditorVoiceData::compareModeRequested, this, &MainWindow::setCompareMode);
    // A dialog opened in compare mode greys itself when the memory says so.
    connect(m_voiceData, &EditorVoiceData::compareModeWrittenBack, this, [this](bool on) {
        if (on && m_memory->compareMode())
            m_memory->announceCompareMode();
    });
    connect(m_voiceData, &EditorVoiceData::boardDialogClosed, this, [this](const QString &board) {
        m_panel->logCommand(tr("Board dialog closed: %1").arg(board));
    });

    updateTitle();
    showVoiceType();
    const QSize wanted =
        shapesHaveTheirColumn(screen()) ? QSize(1000 + shapeColumnWidth, 800) : QSize(1000, 640);
    resize(fittedWindowSize(wanted, screen()->availableGeometry()));
    const QSettings settings;
    restoreGeometry(settings.value(geometryKey).toByteArray());
    restoreState(settings.value(stateKey).toByteArray());
}

MainWindow::~MainWindow()
{
    // The panel's fields report what focus leaving them finished while the
    // window's parts are going; nothing is edited any more.
    m_panel->blockSignals(true);
}

QTableView *MainWindow::view() const
{
    return m_view;
}

QListWidget *MainWindow::commandLog() const
{
    return m_panel->commandLog();
}

void MainWindow::createView()
{
    auto *centre = new QWidget(this);
    auto *layout = new QVBoxLayout(centre);
    m_filterBox = new QLineEdit(centre);
    m_filterBox->setPlaceholderText(tr("Find a parameter by name"));
    m_filterBox->setClearButtonEnabled(true);
    m_filter->setSourceModel(m_model);
    m_view = new ParameterView(centre);
    m_view->setModel(m_filter);
    layout->addWidget(m_filterBox);
    layout->addWidget(m_view);
    setCentralWidget(centre);
    connect(m_filterBox, &QLineEdit::textChanged, m_filter, &ParameterFilter::setText);
    connect(m_view, &ParameterView::editRefused, this, [this](const QModelIndex &index) {
        const QString name = index.siblingAtColumn(ParameterModel::Parameter).data().toString();
        showMessage(m_memory->compareMode()
                        ? tr("Compare shows the stored voice: leave Compare to change %1").arg(name)
                        : tr("%1 is not in use with the type chosen").arg(name));
    });
}

void MainWindow::createActions()
{
    m_files = new FileCommands(m_document, this);
    connect(m_files, &FileCommands::message, this, &MainWindow::showMessage);
    // The voice library's dock carries its own File commands.
    m_library = new LibraryDock(LibraryCommandLine::libraryPath(), m_memory, m_document, this);
    m_storeAction = new QAction(tr("Store the edit buffer"), this);
    connect(m_storeAction, &QAction::triggered, m_memory, &TParameterMemory::storeVoice);
    m_quitAction = new QAction(tr("&Quit"), this);
    m_quitAction->setShortcuts(keysFor(QKeySequence::Quit, QKeySequence(tr("Ctrl+Q"))));
    connect(m_quitAction, &QAction::triggered, this, &QWidget::close);

    // Redo answers Ctrl+Y beside the platform's own keys.
    m_undoAction = new QAction(tr("&Undo"), this);
    m_undoAction->setObjectName(QStringLiteral("undoAction"));
    m_undoAction->setShortcuts(QKeySequence::Undo);
    m_redoAction = new QAction(tr("&Redo"), this);
    m_redoAction->setObjectName(QStringLiteral("redoAction"));
    m_redoAction->setShortcuts(keysFor(QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::Key_Y)));
    QUndoStack *stack = m_history->stack();
    m_undoAction->setEnabled(stack->canUndo());
    m_redoAction->setEnabled(stack->canRedo());
    connect(m_undoAction, &QAction::triggered, m_history, &VoiceHistory::undo);
    connect(m_redoAction, &QAction::triggered, m_history, &VoiceHistory::redo);
    connect(stack, &QUndoStack::canUndoChanged, m_undoAction, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, m_redoAction, &QAction::setEnabled);
    // The stack empties itself as it goes, when the window is already half
    // taken down: the action texts follow it without the window.
    connect(stack, &QUndoStack::undoTextChanged, m_undoAction,
            [undo = m_undoAction](const QString &text) {
                undo->setText(text.isEmpty() ? MainWindow::tr("&Undo")
                                             : MainWindow::tr("&Undo %1").arg(text));
            });
    connect(stack, &QUndoStack::redoTextChanged, m_redoAction,
            [redo = m_redoAction](const QString &text) {
                redo->setText(text.isEmpty() ? MainWindow::tr("&Redo")
                                             : MainWindow::tr("&Redo %1").arg(text));
            });
    m_copyDrumKeyAction = new QAction(tr("Copy Drum &Key To..."), this);
    connect(m_copyDrumKeyAction, &QAction::triggered, this, &MainWindow::copyDrumKey);

    // The file commands and undo and redo answer their keys in every
    // window of the editor: the detail dialogs too.
    for (QAction *action : { m_files->newAction(), m_files->openAction(), m_files->saveAction(),
                             m_files->saveAsAction(), m_quitAction, m_undoAction, m_redoAction })
        action->setShortcutContext(Qt::ApplicationShortcut);

    m_findAction = new QAction(tr("&Find Parameter"), this);
    m_findAction->setShortcuts(QKeySequence::Find);
    connect(m_findAction, &QAction::triggered, this, [this] {
        m_filterBox->setFocus();
        m_filterBox->selectAll();
    });
    m_differencesAction =
        new QAction(tr("Only Parameters That Differ From the Stored Voice"), this);
    m_differencesAction->setObjectName(QStringLiteral("differencesOnly"));
    m_differencesAction->setCheckable(true);
    connect(m_differencesAction, &QAction::toggled, m_model, &ParameterModel::setDifferencesOnly);
}

void MainWindow::createMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addAction(m_files->newAction());
    file->addAction(m_files->openAction());
    file->addMenu(m_files->recentMenu());
    file->addAction(m_files->saveAction());
    file->addAction(m_files->saveAsAction());
    file->addAction(m_files->revertAction());
    file->addSeparator();
    file->addAction(m_storeAction);
    m_library->addFileActions(file);
    file->addSeparator();
    file->addAction(m_quitAction);

    // Whole-element edits cover every element block of the voice type; drum
    // keys are a drum voice's.
    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    m_editMenu = edit;
    edit->addAction(m_undoAction);
    edit->addAction(m_redoAction);
    edit->addSeparator();
    const int elements = TParameterMemory::ElementCount;
    QMenu *copy = edit->addMenu(tr("&Copy Element"));
    QMenu *swap = edit->addMenu(tr("&Swap Elements"));
    QMenu *init = edit->addMenu(tr("&Initialise Element"));
    for (int a = 0; a < elements; ++a) {
        init->addAction(tr("Element %1").arg(a + 1), m_tools,
                        [this, a] { m_tools->initialiseElement(a); });
        for (int b = 0; b < elements; ++b) {
            if (a == b)
                continue;
            copy->addAction(tr("Element %1 to Element %2").arg(a + 1).arg(b + 1), m_tools,
                            [this, a, b] { m_tools->copyElement(a, b); });
            if (a < b)
                swap->addAction(tr("Elements %1 and %2").arg(a + 1).arg(b + 1), m_tools,
                                [this, a, b] { m_tools->swapElements(a, b); });
        }
    }
    edit->addAction(m_copyDrumKeyAction);

    createDetailMenu();

    m_viewMenu = menuBar()->addMenu(tr("&View"));
    m_viewMenu->addAction(m_findAction);
    m_viewMenu->addAction(m_differencesAction);
    m_viewMenu->addSeparator();
}

// One menu per voice type, each in groups: the elements, the effects, the
// voice's common settings, and for plug-in voices the expansion boards.
void MainWindow::createDetailMenu()
{
    QMenu *detail = menuBar()->addMenu(tr("&Detail"));
    const QString groupNames[] = { tr("Elements"), tr("Effects"), tr("Common"),
                                   tr("Expansion Boards") };
    const QVector<AddOnHost::Entry> entries = m_addOn->entries();
    for (const VoiceType type : { VoiceType::Normal, VoiceType::Plugin, VoiceType::Drum }) {
        QMenu *menu = detail->addMenu(tr("%1 Voice").arg(voiceTypeName(type)));
        menu->setObjectName(QStringLiteral("voiceType%1").arg(int(type)));
        m_typeMenus.insert(type, menu);
        for (int group = EntryPlace::Elements; group <= EntryPlace::Boards; ++group) {
            bool sectionAdded = false;
            for (const AddOnHost::Entry &entry : entries) {
                const EntryPlace place = entryPlace(entry);
                if (place.voiceType != type || place.group != group)
                    continue;
                if (!sectionAdded)
                    menu->addSection(groupNames[group]);
                sectionAdded = true;
                QAction *action = menu->addAction(place.label, this, [this, index = entry.index] {
                    QString error;
                    if (!openEntry(index, &error))
                        showMessage(error);
                });
                action->setShortcut(place.shortcut);
                action->setShortcutContext(Qt::ApplicationShortcut);
                action->setStatusTip(entry.title);
                m_entryActions.insert(entry.index, action);
            }
        }
    }
    if (entries.isEmpty())
        detail->addAction(tr("(no add-on loaded)"))->setEnabled(false);
}

void MainWindow::createStatusBar()
{
    m_compareSign = new QLabel(tr("COMPARE: showing the stored voice"), this);
    m_compareSign->setObjectName(QStringLiteral("compareIndicator"));
    m_compareSign->setStyleSheet(QStringLiteral(
        "QLabel { background: #ffd200; color: black; font-weight: bold; padding: 1px 6px; }"));
    statusBar()->addPermanentWidget(m_compareSign);
    m_compareSign->setVisible(m_memory->compareMode());
}

void MainWindow::createDockWindows()
{
    auto *voiceDock = new QDockWidget(tr("Voice"), this);
    voiceDock->setObjectName(QStringLiteral("voiceDock"));
    m_panel = new VoicePanel(m_memory->currentDrumKey(), voiceDock);
    voiceDock->setWidget(m_panel);
    addDockWidget(Qt::RightDockWidgetArea, voiceDock);
    resizeDocks({ voiceDock }, { 280 }, Qt::Horizontal);
    m_viewMenu->addAction(voiceDock->toggleViewAction());
    connect(m_panel, &VoicePanel::voiceTypeChosen, this, &MainWindow::chooseVoiceType);
    connect(m_panel, &VoicePanel::nameEdited, this, &MainWindow::nameVoice);
    connect(m_panel, &VoicePanel::categoryChosen, this, &MainWindow::fileVoiceUnder);
    m_panel->showHead(m_memory->voiceName(), m_memory->voiceCategory());
    connect(m_panel, &VoicePanel::elementChosen, m_model, &ParameterModel::setElement);
    connect(m_panel, &VoicePanel::drumKeyChosen, this, [this](int key) {
        m_voiceData->setCurrentDrumKey(key);
        m_memory->setCurrentDrumKey(key);
    });
    connect(m_panel, &VoicePanel::compareToggled, this, &MainWindow::setCompareMode);

    auto *historyDock = new QDockWidget(tr("History"), this);
    historyDock->setObjectName(QStringLiteral("historyDock"));
    m_historyView = new QUndoView(m_history->stack(), historyDock);
    m_historyView->setEmptyLabel(tr("<voice as loaded>"));
    historyDock->setWidget(m_historyView);
    // Beside the Voice panel, a tab each: both fit a small screen.
    tabifyDockWidget(voiceDock, historyDock);
    voiceDock->raise();
    m_viewMenu->addAction(historyDock->toggleViewAction());

    // The shown element's envelopes, filter and ranges.
    auto *shapeDock = new QDockWidget(tr("Shape"), this);
    shapeDock->setObjectName(QStringLiteral("shapeDock"));
    auto *scroll = new QScrollArea(shapeDock);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    m_shape = new ShapePanel(m_memory, scroll);
    m_shape->setUndoStack(m_history->stack());
    scroll->setWidget(m_shape);
    shapeDock->setWidget(scroll);
    // A column of its own where the screen has room for it, else a tab.
    if (shapesHaveTheirColumn(screen())) {
        addDockWidget(Qt::RightDockWidgetArea, shapeDock, Qt::Horizontal);
        resizeDocks({ shapeDock }, { shapeColumnWidth }, Qt::Horizontal);
    } else {
        tabifyDockWidget(historyDock, shapeDock);
    }
    m_viewMenu->addAction(shapeDock->toggleViewAction());
    connect(m_panel, &VoicePanel::elementChosen, m_shape, &ShapePanel::setElement);
    connect(m_shape, &ShapePanel::message, this, &MainWindow::showMessage);

    // The voice library, a tab beside the Voice panel and the History: a
    // voice opened from it replaces the voice as File > Open does.
    tabifyDockWidget(historyDock, m_library);
    voiceDock->raise();
    m_viewMenu->addAction(m_library->toggleViewAction());
    connect(m_library, &LibraryDock::message, this, &MainWindow::showMessage);
    connect(m_library, &LibraryDock::openRequested, this, [this](const LibraryEntry &entry) {
        if (!m_files->maybeSave())
            return;
        m_document->take(entry.voice, tr("Library"));
        m_library->setCurrentVoice(entry);
    });
    // The tools for making sounds: block copy and paste, effect presets,
    // Randomise, Mutate, Morph and their locks, each change one step. Their
    // dock is a tab beside the Voice panel.
    auto *tools = new SoundTools(
        m_memory,
        [this](const QString &name, const std::function<void()> &edits) {
            return m_history->runAsOneStep(name, edits);
        },
        this);
    tools->install(this, m_editMenu, m_view,
                   { ParameterModel::HighRole, ParameterModel::LowRole, ParameterModel::PartRole });
    tabifyDockWidget(historyDock, tools->dock());
    voiceDock->raise();
    connect(m_document, &VoiceDocument::filePathChanged, tools->locks(), &ToolLocks::setFile);
    m_model->setLocks(tools->locks());
    connect(m_model, &ParameterModel::message, this, &MainWindow::showMessage);
    // The second voice of Morph and Side by Side is drawn faint behind the
    // voice's shapes.
    SecondVoice *second = tools->secondVoice();
    connect(second, &SecondVoice::changed, m_shape,
            [this, second] { m_shape->setSecondVoice(second->voice()); });
    m_shape->setSecondVoice(second->voice());
    // The second voice of Morph and Side by Side can come from the library.
    if (m_library->panel()->isOpen())
        tools->setLibraryVoicePicker([this](QWidget *parent) {
            return LibraryVoiceDialog::pick(m_library->panel()->library(), m_memory->voiceType(),
                                            parent);
        });
}

void MainWindow::showMessage(const QString &text)
{
    statusBar()->showMessage(text, messageMs);
}

// "Warm Pad - pad.json[*] - Zinta Editor"; a voice not named yet goes by its file.
void MainWindow::updateTitle()
{
    const QString name = m_memory->voiceName();
    setWindowTitle(name.isEmpty()
                       ? tr("%1[*] - Zinta Editor").arg(m_document->displayName())
                       : tr("%1 - %2[*] - Zinta Editor").arg(name, m_document->displayName()));
    setWindowFilePath(m_document->filePath());
}

void MainWindow::setCompareMode(bool on)
{
    if (on == m_memory->compareMode())
        return;
    m_memory->setCompareMode(on);
    m_voiceData->setCompareMode(on);
}

QWidget *MainWindow::openEntry(int index, QString *error)
{
    return m_dialogs->open(index, error);
}

QWidget *MainWindow::entryDialog(int index) const
{
    return m_dialogs->dialog(index);
}

SelectionWindow *MainWindow::openSelection(int command)
{
    std::optional<HostSelection> selection = selectionFor(command, *m_memory, *m_voiceData);
    if (!selection)
        return nullptr;
    const int current = m_memory->value(selection->address, selection->part);
    auto *window = new SelectionWindow(selection->title, selection->choices, current, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Above the dialog that asked.
    window->setWindowModality(Qt::ApplicationModal);
    connect(window, &SelectionWindow::chosen, this,
            [this, address = selection->address, part = selection->part](int value) {
                // The memory refuses in compare mode and the history says why.
                m_memory->setValue(address, part, value);
            });
    window->show();
    return window;
}

// The voice type chosen on the panel: an edit of the voice, one step of the
// history.
void MainWindow::chooseVoiceType(VoiceType type)
{
    if (type == m_memory->voiceType())
        return;
    if (!m_history->push(new VoiceTypeStep(m_memory, m_memory->voiceType(), type)))
        showVoiceType();
}

// The name typed on the panel, as a voice holds it: one step of the history.
void MainWindow::nameVoice(const QString &typed)
{
    const QString name = Voice::fittedName(typed);
    if (name == m_memory->voiceName()
        || !m_history->push(
            new VoiceHeadStep(m_memory, VoiceHeadStep::Name, m_memory->voiceName(), name)))
        m_panel->showHead(m_memory->voiceName(), m_memory->voiceCategory());
}

void MainWindow::fileVoiceUnder(const QString &category)
{
    const QString now = m_memory->voiceCategory();
    if (category == (now.isEmpty() ? Voice::noCategory() : now)
        || !m_history->push(new VoiceHeadStep(m_memory, VoiceHeadStep::Category, now, category)))
        m_panel->showHead(m_memory->voiceName(), m_memory->voiceCategory());
}

// Everything that follows the voice's type: the panel, the voice data the
// dialogs read, the parameters listed, the entries offered and the dialogs
// open (those of another voice type close).
void MainWindow::showVoiceType()
{
    const VoiceType type = m_memory->voiceType();
    m_panel->showVoiceType(type, elementCount(type), type == VoiceType::Drum);
    m_voiceData->setVoiceType(int(type));
    m_filter->setVoiceType(type);
    m_copyDrumKeyAction->setEnabled(type == VoiceType::Drum);
    for (auto it = m_entryActions.cbegin(); it != m_entryActions.cend(); ++it)
        it.value()->setEnabled(entryVoiceType(it.key()) == type);
    for (auto it = m_typeMenus.cbegin(); it != m_typeMenus.cend(); ++it)
        it.value()->menuAction()->setEnabled(it.key() == type);
    m_dialogs->keepVoiceType(type);
    m_shape->voiceChanged();
}

void MainWindow::copyDrumKey()
{
    const int keys = TParameterMemory::DrumKeyCount;
    const int from = m_memory->currentDrumKey();
    QStringList names;
    for (int k = 0; k < keys; ++k)
        names << PartNames::drumKeyName(k);
    bool ok = false;
    const QString target =
        QInputDialog::getItem(this, tr("Copy Drum Key"), tr("Copy %1 to:").arg(names.at(from)),
                              names, (from + 1) % keys, false, &ok);
    if (ok && names.indexOf(target) != from)
        m_tools->copyDrumKey(from, int(names.indexOf(target)));
}

bool MainWindow::openVoice(const QString &path, QString *error)
{
    return m_files->openVoice(path, error);
}

bool MainWindow::saveVoice(const QString &path, QString *error)
{
    return m_files->saveVoice(path, error);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_files->maybeSave()) {
        event->ignore();
        return;
    }
    QSettings settings;
    settings.setValue(geometryKey, saveGeometry());
    settings.setValue(stateKey, saveState());
    m_dialogs->closeAll();
    event->accept();
}
