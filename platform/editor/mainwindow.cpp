#include "mainwindow.h"

#include "addonhost.h"
#include "editorvoicedata.h"
#include "hostselections.h"
#include "parametermodel.h"
#include "voicehistory.h"

#include <tparametermemory.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>

MainWindow::MainWindow(TParameterMemory *memory, EditorVoiceData *voiceData, AddOnHost *addOn,
                       QWidget *parent)
    : QMainWindow(parent)
    , m_memory(memory)
    , m_voiceData(voiceData)
    , m_addOn(addOn)
    , m_model(new ParameterModel(memory, this))
{
    setWindowTitle(tr("Zinta Editor"));
    resize(900, 600);

    auto *filter = new QSortFilterProxyModel(this);
    filter->setSourceModel(m_model);
    m_view = new QTableView(this);
    m_view->setModel(filter);
    m_view->setSortingEnabled(false);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->verticalHeader()->hide();
    setCentralWidget(m_view);

    buildControls();
    buildMenus();
    // Undo and redo, the element tools, the history dock, compare's
    // indicator and the view's differences filter.
    m_history = new VoiceHistory(memory, this);
    m_history->install(this, m_view);

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
}

void MainWindow::buildControls()
{
    auto *dock = new QDockWidget(tr("Voice"), this);
    dock->setObjectName(QStringLiteral("voiceDock"));
    auto *panel = new QWidget(dock);
    auto *form = new QFormLayout(panel);
    m_voiceType = new QComboBox(panel);
    m_voiceType->addItem(tr("Normal"), 1);
    m_voiceType->addItem(tr("Plugin"), 2);
    m_voiceType->addItem(tr("Drum"), 3);
    form->addRow(tr("Voice type"), m_voiceType);
    m_part = new QSpinBox(panel);
    m_part->setRange(0, TParameterMemory::ElementCount - 1);
    form->addRow(tr("Part shown"), m_part);
    m_drumKey = new QSpinBox(panel);
    m_drumKey->setObjectName(QStringLiteral("drumKey"));
    m_drumKey->setRange(0, TParameterMemory::DrumKeyCount - 1);
    form->addRow(tr("Drum key"), m_drumKey);
    m_compare = new QCheckBox(tr("Compare with the stored voice"), panel);
    form->addRow(m_compare);
    m_log = new QListWidget(panel);
    form->addRow(tr("Host commands"), m_log);
    dock->setWidget(panel);
    addDockWidget(Qt::RightDockWidgetArea, dock);

    connect(m_voiceType, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int i) { setVoiceType(m_voiceType->itemData(i).toInt()); });
    connect(m_part, qOverload<int>(&QSpinBox::valueChanged), m_model, &ParameterModel::setPart);
    connect(m_drumKey, qOverload<int>(&QSpinBox::valueChanged), this, [this](int key) {
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
    file->addAction(tr("&Open voice..."), QKeySequence::Open, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, tr("Open voice"), QString(),
                                                          tr("Voices (*.json);;All files (*)"));
        if (!path.isEmpty())
            openVoice(path);
    });
    file->addAction(tr("&Save voice..."), QKeySequence::Save, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, tr("Save voice"), QString(),
                                                          tr("Voices (*.json)"));
        if (!path.isEmpty())
            saveVoice(path);
    });
    file->addAction(tr("Store the edit buffer"), m_memory, &TParameterMemory::storeVoice);
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);

    // One menu per voice type, as the add-on's titles say ("Plugin Reverb").
    QMenu *detail = menuBar()->addMenu(tr("&Detail"));
    for (const AddOnHost::Entry &entry : m_addOn->entries()) {
        QAction *action = detail->addAction(entry.title);
        action->setData(entry.index);
        connect(action, &QAction::triggered, this, [this, index = entry.index] { openEntry(index); });
    }
    if (m_addOn->entries().isEmpty())
        detail->addAction(tr("(no add-on loaded)"))->setEnabled(false);
}

void MainWindow::openEntry(int index)
{
    if (!m_addOn->run(index, m_memory))
        statusBar()->showMessage(tr("Entry %1 has no dialog yet").arg(index), 5000);
}

SelectionWindow *MainWindow::openSelection(int command)
{
    std::optional<HostSelection> selection = selectionFor(command, *m_memory, *m_voiceData);
    if (!selection)
        return nullptr;
    const int current = m_memory->value(selection->address, selection->part);
    auto *window = new SelectionWindow(selection->title, selection->choices, current, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Above the dialog that asked, which may itself be modal.
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

void MainWindow::setVoiceType(int type)
{
    m_voiceData->setVoiceType(type);
    m_memory->setVoiceType(type);
}

bool MainWindow::openVoice(const QString &path, bool quiet)
{
    QString error;
    if (!m_memory->loadVoice(path, &error)) {
        if (!quiet)
            QMessageBox::warning(this, tr("Open voice"), error);
        statusBar()->showMessage(error);
        return false;
    }
    m_voiceData->setVoiceType(m_memory->voiceType());
    const int i = m_voiceType->findData(m_memory->voiceType());
    if (i >= 0) {
        const QSignalBlocker block(m_voiceType);
        m_voiceType->setCurrentIndex(i);
    }
    statusBar()->showMessage(tr("Loaded %1").arg(path), 5000);
    return true;
}

bool MainWindow::saveVoice(const QString &path, bool quiet)
{
    QString error;
    if (!m_memory->saveVoice(path, &error)) {
        if (!quiet)
            QMessageBox::warning(this, tr("Save voice"), error);
        statusBar()->showMessage(error);
        return false;
    }
    m_history->voiceSaved();
    statusBar()->showMessage(tr("Saved %1").arg(path), 5000);
    return true;
}
