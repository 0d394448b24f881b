#include "mainwindow.h"

#include "addonhost.h"
#include "editorvoicedata.h"
#include "entryplaces.h"
#include "hostselections.h"
#include "parametermodel.h"
#include "voicedocument.h"
#include "voicehistory.h"

#include <soundtools.h>
#include <toollocks.h>
#include <tparametermemory.h>

#include <QCheckBox>
#include <QUndoStack>
#include <QCoreApplication>
#include <functional>
#include <QCloseEvent>
#include <QComboBox>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

// What the editor keeps from one run to the next.
const QString geometryKey = QStringLiteral("window/geometry");
const QString stateKey = QStringLiteral("window/state");
const QString lastFolderKey = QStringLiteral("files/lastFolder");
const QString recentFilesKey = QStringLiteral("files/recent");
constexpr int recentFileCount = 8;

// The platform's key for a standard command, or `fallback` where it has none.
QKeySequence keyFor(QKeySequence::StandardKey key, const QKeySequence &fallback)
{
    return QKeySequence::keyBindings(key).isEmpty() ? fallback : QKeySequence(key);
}

} // namespace

MainWindow::MainWindow(TParameterMemory *memory, EditorVoiceData *voiceData, AddOnHost *addOn,
                       QWidget *parent)
    : QMainWindow(parent)
    , m_memory(memory)
    , m_voiceData(voiceData)
    , m_addOn(addOn)
    , m_document(new VoiceDocument(memory, this))
    , m_model(new ParameterModel(memory, this))
    , m_filter(new ParameterFilter(this))
{
    resize(1000, 640);

    auto *centre = new QWidget(this);
    auto *layout = new QVBoxLayout(centre);
    m_filterBox = new QLineEdit(centre);
    m_filterBox->setPlaceholderText(tr("Find a parameter by name"));
    m_filterBox->setClearButtonEnabled(true);
    m_filter->setSourceModel(m_model);
    m_view = new QTableView(centre);
    m_view->setModel(m_filter);
    m_view->setItemDelegate(new ParameterDelegate(m_view));
    m_view->setWordWrap(false);
    m_view->setAlternatingRowColors(true);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 8);
    for (const auto &[column, width] : { std::pair{ ParameterModel::Block, 170 },
                                         { ParameterModel::Parameter, 200 }, { ParameterModel::Part, 100 } })
        m_view->setColumnWidth(column, width);
    layout->addWidget(m_filterBox);
    layout->addWidget(m_view);
    setCentralWidget(centre);
    connect(m_filterBox, &QLineEdit::textChanged, m_filter, &ParameterFilter::setText);

    buildControls();
    buildMenus();
    // Undo and redo, the element tools, the history dock, compare's
    // indicator and the view's differences filter.
    m_history = new VoiceHistory(memory, this);
    m_history->install(this, m_view);
    // The tools for making sounds: block copy and paste, effect presets,
    // Randomise, Mutate, Morph and their locks, each change one step.
    auto *tools = new SoundTools(memory, [this](const QString &name, const std::function<void()> &edits) {
        return m_history->runAsOneStep(name, edits);
    }, this);
    tools->install(this, findChild<QMenu *>(QStringLiteral("editMenu")), m_view,
                   { ParameterModel::HighRole, ParameterModel::LowRole, ParameterModel::PartRole });
    connect(m_document, &VoiceDocument::filePathChanged, tools->locks(), &ToolLocks::setFile);
    // The voice is modified exactly when the history is away from the point
    // of the last save, load or new voice.
    connect(m_history->stack(), &QUndoStack::cleanChanged, m_document,
            [this](bool clean) { m_document->setModified(!clean); });

    connect(m_document, &VoiceDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(m_document, &VoiceDocument::filePathChanged, this, &MainWindow::updateTitle);
    connect(m_document, &VoiceDocument::voiceReplaced, this, &MainWindow::showVoiceType);
    connect(m_addOn, &AddOnHost::commandReceived, this, [this](int command) {
        m_log->addItem(tr("Host command %1").arg(command));
        if (!openSelection(command))
            statusBar()->showMessage(tr("A dialog sent host command %1").arg(command), 5000);
    });
    connect(m_voiceData, &EditorVoiceData::compareModeRequested, this,
            [this](bool on) { m_compare->setChecked(on); });
    connect(m_voiceData, &EditorVoiceData::boardDialogClosed, this, [this](const QString &board) {
        m_log->addItem(tr("Board dialog closed: %1").arg(board));
    });

    updateTitle();
    showVoiceType();
    const QSettings settings;
    restoreGeometry(settings.value(geometryKey).toByteArray());
    restoreState(settings.value(stateKey).toByteArray());
}

void MainWindow::buildControls()
{
    auto *dock = new QDockWidget(tr("Voice"), this);
    dock->setObjectName(QStringLiteral("voiceDock"));
    auto *panel = new QWidget(dock);
    auto *form = new QFormLayout(panel);
    m_voiceType = new QComboBox(panel);
    m_voiceType->setObjectName(QStringLiteral("voiceType"));
    for (int type = 1; type <= 3; ++type)
        m_voiceType->addItem(voiceTypeName(type), type);
    form->addRow(tr("Voice type"), m_voiceType);
    m_element = new QComboBox(panel);
    m_element->setObjectName(QStringLiteral("element"));
    for (int e = 1; e <= TParameterMemory::ElementCount; ++e)
        m_element->addItem(tr("Element %1").arg(e));
    form->addRow(tr("Element shown"), m_element);
    m_drumKey = new QComboBox(panel);
    m_drumKey->setObjectName(QStringLiteral("drumKey"));
    for (int key = 0; key < TParameterMemory::DrumKeyCount; ++key)
        m_drumKey->addItem(PartNames::drumKeyName(key));
    m_drumKey->setCurrentIndex(m_memory->currentDrumKey());
    form->addRow(tr("Drum key"), m_drumKey);
    m_compare = new QCheckBox(tr("Compare with the stored voice"), panel);
    form->addRow(m_compare);
    m_log = new QListWidget(panel);
    form->addRow(tr("Host commands"), m_log);
    dock->setWidget(panel);
    addDockWidget(Qt::RightDockWidgetArea, dock);
    resizeDocks({ dock }, { 280 }, Qt::Horizontal);

    connect(m_voiceType, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int i) { setVoiceType(m_voiceType->itemData(i).toInt()); });
    connect(m_element, qOverload<int>(&QComboBox::currentIndexChanged), m_model, &ParameterModel::setElement);
    connect(m_drumKey, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int key) {
        m_voiceData->setCurrentDrumKey(key);
        m_memory->setCurrentDrumKey(key);
    });
    connect(m_compare, &QCheckBox::toggled, this, [this](bool on) {
        if (on == m_memory->compareMode())
            return;
        m_memory->setCompareMode(on);
        m_voiceData->setCompareMode(on);
    });
}

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&New"), QKeySequence::New, this, &MainWindow::newVoice);
    file->addAction(tr("&Open..."), QKeySequence::Open, this, &MainWindow::chooseAndOpenVoice);
    m_recentMenu = file->addMenu(tr("Open &Recent"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    file->addAction(tr("&Save"), QKeySequence::Save, this, &MainWindow::save);
    file->addAction(tr("Save &As..."), keyFor(QKeySequence::SaveAs, QKeySequence(tr("Ctrl+Shift+S"))),
                    this, &MainWindow::saveAs);
    m_revertAction = file->addAction(tr("Re&vert to Saved"), this, &MainWindow::revert);
    auto updateRevert = [this] {
        m_revertAction->setEnabled(m_document->isModified() && !m_document->filePath().isEmpty());
    };
    connect(m_document, &VoiceDocument::modifiedChanged, this, updateRevert);
    connect(m_document, &VoiceDocument::filePathChanged, this, updateRevert);
    updateRevert();
    file->addSeparator();
    file->addAction(tr("Store the edit buffer"), m_memory, &TParameterMemory::storeVoice);
    file->addSeparator();
    file->addAction(tr("&Quit"), keyFor(QKeySequence::Quit, QKeySequence(tr("Ctrl+Q"))), this,
                    &QWidget::close);
    // The file commands answer their keys in the detail dialogs too.
    for (QAction *action : file->actions())
        action->setShortcutContext(Qt::ApplicationShortcut);

    // One menu per voice type, each in groups: the elements, the effects, the
    // voice's common settings, and for plug-in voices the expansion boards.
    QMenu *detail = menuBar()->addMenu(tr("&Detail"));
    const QString groupNames[] = { tr("Elements"), tr("Effects"), tr("Common"), tr("Expansion Boards") };
    const QVector<AddOnHost::Entry> entries = m_addOn->entries();
    for (int type = 1; type <= 3; ++type) {
        QMenu *menu = detail->addMenu(tr("%1 Voice").arg(voiceTypeName(type)));
        menu->setObjectName(QStringLiteral("voiceType%1").arg(type));
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
                        statusBar()->showMessage(error, 5000);
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

    QMenu *view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("viewMenu"));
    view->addAction(tr("&Find Parameter"), QKeySequence::Find, this, [this] {
        m_filterBox->setFocus();
        m_filterBox->selectAll();
    });
    for (QDockWidget *dock : findChildren<QDockWidget *>())
        view->addAction(dock->toggleViewAction());
}

void MainWindow::updateTitle()
{
    setWindowTitle(tr("%1[*] - Zinta Editor").arg(m_document->displayName()));
    setWindowFilePath(m_document->filePath());
}

QWidget *MainWindow::openEntry(int index, QString *error)
{
    if (QWidget *dialog = m_dialogs.value(index)) {
        if (dialog->isMinimized())
            dialog->showNormal();
        dialog->raise();
        dialog->activateWindow();
        return dialog;
    }
    const int type = entryVoiceType(index);
    QWidget *dialog = nullptr;
    if (type != 0 && type == int(m_memory->voiceType()))
        dialog = m_addOn->open(index, m_memory);
    if (!dialog) {
        if (error && type != 0 && type != int(m_memory->voiceType()))
            *error = tr("Entry %1 is for %2 voices: set the voice type to %2 first")
                         .arg(index).arg(voiceTypeName(type));
        else if (error)
            *error = tr("Entry %1 has no dialog").arg(index);
        return nullptr;
    }
    // A window of its own that belongs to the editor's: it stays in front of
    // it, and closes with it. It deletes itself when closed.
    dialog->setParent(this, dialog->windowFlags() | Qt::Dialog);
    dialog->move(placeBeside(dialog->frameGeometry().size()));
    dialog->show();
    m_dialogs.insert(index, dialog);
    return dialog;
}

// The first free place, on the screen, right of the window or right of or
// below an open dialog; failing that, cascaded over the window.
QPoint MainWindow::placeBeside(const QSize &size) const
{
    constexpr int gap = 8;
    const QRect screen = this->screen()->availableGeometry();
    const QRect window = frameGeometry();
    QList<QRect> taken{ window };
    QList<QPoint> corners{ QPoint(window.right() + gap, window.top()) };
    for (const QPointer<QWidget> &dialog : m_dialogs) {
        if (!dialog || !dialog->isVisible())
            continue;
        const QRect r = dialog->frameGeometry();
        taken.append(r);
        corners << QPoint(r.left(), r.bottom() + gap) << QPoint(r.right() + gap, r.top());
    }
    std::sort(corners.begin(), corners.end(), [](const QPoint &a, const QPoint &b) {
        return a.x() != b.x() ? a.x() < b.x() : a.y() < b.y();
    });
    for (const QPoint &corner : corners) {
        const QRect rect(corner, size);
        if (screen.contains(rect) && std::none_of(taken.begin(), taken.end(),
                                                  [&](const QRect &r) { return r.intersects(rect); }))
            return corner;
    }
    const QPoint cascaded = window.topLeft() + QPoint(40, 40) * int(taken.size());
    return QPoint(qBound(screen.left(), cascaded.x(), qMax(screen.left(), screen.right() - size.width())),
                  qBound(screen.top(), cascaded.y(), qMax(screen.top(), screen.bottom() - size.height())));
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
                if (m_memory->compareMode()) {
                    statusBar()->showMessage(tr("Leave compare mode to change the voice"), 5000);
                    return;
                }
                m_memory->setValue(address, part, value);
            });
    window->show();
    return window;
}

namespace {

// A change of the voice's type, as a step of the history.
class VoiceTypeStep : public QUndoCommand
{
public:
    VoiceTypeStep(int from, int to, std::function<void(int)> apply)
        : QUndoCommand(QCoreApplication::translate("MainWindow", "Voice type: %1 -> %2")
                           .arg(voiceTypeName(from), voiceTypeName(to)))
        , m_from(from)
        , m_to(to)
        , m_apply(std::move(apply))
    {
    }
    void undo() override { m_apply(m_from); }
    void redo() override { m_apply(m_to); }

private:
    int m_from;
    int m_to;
    std::function<void(int)> m_apply;
};

} // namespace

// The voice type chosen on the panel: an edit of the voice, one step of the
// history.
void MainWindow::setVoiceType(int type)
{
    if (type == int(m_memory->voiceType()))
        return;
    m_history->stack()->push(new VoiceTypeStep(int(m_memory->voiceType()), type, [this](int t) {
        m_memory->setVoiceType(VoiceType(t));
        showVoiceType();
    }));
}

// Everything that follows the voice's type: the panel, the voice data the
// dialogs read, the parameters listed, the entries offered and the dialogs
// open (those of another voice type close).
void MainWindow::showVoiceType()
{
    const int type = int(m_memory->voiceType());
    {
        const QSignalBlocker block(m_voiceType);
        m_voiceType->setCurrentIndex(m_voiceType->findData(type));
    }
    m_voiceData->setVoiceType(type);
    m_filter->setVoiceType(type);
    m_drumKey->setEnabled(type == 3);
    for (auto it = m_entryActions.cbegin(); it != m_entryActions.cend(); ++it)
        it.value()->setEnabled(entryVoiceType(it.key()) == type);
    for (int t = 1; t <= 3; ++t) {
        if (QMenu *menu = menuBar()->findChild<QMenu *>(QStringLiteral("voiceType%1").arg(t)))
            menu->menuAction()->setEnabled(t == type);
    }
    for (auto it = m_dialogs.begin(); it != m_dialogs.end();) {
        if (it.value() && entryVoiceType(it.key()) != type)
            it.value()->close();
        if (!it.value() || entryVoiceType(it.key()) != type)
            it = m_dialogs.erase(it);
        else
            ++it;
    }
}

bool MainWindow::okToReplace()
{
    if (!m_document->isModified())
        return true;
    QMessageBox box(QMessageBox::Warning, tr("Zinta Editor"),
                    tr("The voice \"%1\" has changes that are not saved.").arg(m_document->displayName()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setInformativeText(tr("Save them first?"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void MainWindow::newVoice()
{
    if (okToReplace())
        m_document->newVoice();
}

void MainWindow::chooseAndOpenVoice()
{
    if (!okToReplace())
        return;
    QFileDialog dialog(this, tr("Open voice"), QSettings().value(lastFolderKey).toString(),
                       tr("Voices (*.json);;All files (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        openVoice(dialog.selectedFiles().constFirst());
}

void MainWindow::openRecent(const QString &path)
{
    if (!okToReplace() || openVoice(path))
        return;
    QSettings settings;
    QStringList recent = settings.value(recentFilesKey).toStringList();
    recent.removeAll(path);
    settings.setValue(recentFilesKey, recent);
}

bool MainWindow::openVoice(const QString &path, QString *error)
{
    QString why;
    if (!m_document->load(path, &why)) {
        if (error)
            *error = why;
        else
            QMessageBox::warning(this, tr("Open voice"), why);
        statusBar()->showMessage(why);
        return false;
    }
    rememberFile(m_document->filePath());
    statusBar()->showMessage(tr("Loaded %1").arg(m_document->filePath()), 5000);
    return true;
}

bool MainWindow::save()
{
    return m_document->filePath().isEmpty() ? saveAs() : saveVoice(m_document->filePath());
}

bool MainWindow::saveAs()
{
    const QString folder = m_document->filePath().isEmpty()
        ? QSettings().value(lastFolderKey).toString()
        : QFileInfo(m_document->filePath()).absolutePath();
    QFileDialog dialog(this, tr("Save voice as"), folder, tr("Voices (*.json)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("json"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QString chosen = dialog.selectedFiles().constFirst();
    const QString path = VoiceDocument::withVoiceSuffix(chosen);
    // The dialog asked about replacing the name chosen, not this one.
    if (path != chosen && QFileInfo::exists(path)
        && QMessageBox::question(this, tr("Save voice as"),
                                 tr("%1 already exists. Replace it?").arg(QFileInfo(path).fileName()))
               != QMessageBox::Yes)
        return false;
    return saveVoice(path);
}

bool MainWindow::saveVoice(const QString &path, QString *error)
{
    QString why;
    if (!m_document->save(path, &why)) {
        if (error)
            *error = why;
        else
            QMessageBox::warning(this, tr("Save voice"), why);
        statusBar()->showMessage(why);
        return false;
    }
    m_history->voiceSaved();
    rememberFile(m_document->filePath());
    statusBar()->showMessage(tr("Saved %1").arg(m_document->filePath()), 5000);
    return true;
}

void MainWindow::revert()
{
    if (QMessageBox::question(this, tr("Revert to saved"),
                              tr("Drop the changes to \"%1\" and load it again?")
                                  .arg(m_document->displayName()))
        != QMessageBox::Yes)
        return;
    QString error;
    if (!m_document->revert(&error))
        QMessageBox::warning(this, tr("Revert to saved"), error);
}

void MainWindow::rememberFile(const QString &path)
{
    QSettings settings;
    QStringList recent = settings.value(recentFilesKey).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    settings.setValue(recentFilesKey, recent.mid(0, recentFileCount));
    settings.setValue(lastFolderKey, QFileInfo(path).absolutePath());
}

void MainWindow::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList recent = QSettings().value(recentFilesKey).toStringList();
    for (const QString &path : recent) {
        QAction *action = m_recentMenu->addAction(QFileInfo(path).fileName(), this,
                                                  [this, path] { openRecent(path); });
        action->setStatusTip(path);
    }
    if (recent.isEmpty()) {
        m_recentMenu->addAction(tr("(none)"))->setEnabled(false);
        return;
    }
    m_recentMenu->addSeparator();
    m_recentMenu->addAction(tr("Clear the list"), this, [] { QSettings().remove(recentFilesKey); });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!okToReplace()) {
        event->ignore();
        return;
    }
    QSettings settings;
    settings.setValue(geometryKey, saveGeometry());
    settings.setValue(stateKey, saveState());
    for (const QPointer<QWidget> &dialog : std::as_const(m_dialogs)) {
        if (dialog)
            dialog->close();
    }
    m_dialogs.clear();
    event->accept();
}
