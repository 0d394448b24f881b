#include "librarypanel.h"

#include "deletevoicescommand.h"
#include "librarycontent.h"
#include "librarydatabase.h"
#include "librarymodel.h"
#include "librarytable.h"
#include "queryproblemslabel.h"
#include "voiceexport.h"

#include <QCheckBox>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace {

enum CategoryRow { AllVoices, Favourites, FirstCategory };

} // namespace

LibraryPanel::LibraryPanel(const QString &path, QWidget *parent)
    : QWidget(parent)
    , m_path(path)
    , m_connection(QStringLiteral("library-panel-%1").arg(quintptr(this)))
{
    setObjectName(QStringLiteral("libraryPanel"));
    setAcceptDrops(true);
    m_undo = new QUndoStack(this);
    QString error;
    if (LibraryDatabase::open(path, m_connection, &error))
        m_library.emplace(QSqlDatabase::database(m_connection, false), LibraryContent::embedded());
    build();
    if (!m_library) {
        m_status->setText(error);
        setEnabled(false);
    }
}

LibraryPanel::~LibraryPanel()
{
    if (m_importer) {
        m_importer->cancel();
        m_importWatcher.waitForFinished();
    }
    delete m_model;
    m_model = nullptr;
    m_undo->clear();
    m_library.reset();
    LibraryDatabase::close(m_connection);
}

void LibraryPanel::build()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("librarySearch"));
    m_search->setClearButtonEnabled(true);
    m_search->setPlaceholderText(tr("Search: pad warm cutoff<2kHz \"reverb type\"=\"Hall 1\""));
    m_search->setToolTip(
        tr("Words find names, comments, tags and categories. A condition names a parameter as the "
           "view does and a value: cutoff<2kHz, \"filter type\"=BPF12, \"attack time\">=500ms."));
    layout->addWidget(m_search);
    m_problems = new QueryProblemsLabel(this);
    m_problems->setObjectName(QStringLiteral("libraryProblems"));
    layout->addWidget(m_problems);

    // Two rows of commands, so that the panel fits a narrow dock.
    auto *buttons = new QGridLayout;
    auto button = [this, buttons](const QString &text, auto slot) {
        auto *b = new QPushButton(text, this);
        connect(b, &QPushButton::clicked, this, slot);
        const int placed = buttons->count();
        buttons->addWidget(b, placed / 4, placed % 4);
        return b;
    };
    button(tr("Import..."), &LibraryPanel::chooseImport);
    button(tr("Open"), &LibraryPanel::openCurrent);
    button(tr("Similar"), [this] {
        const std::vector<qint64> ids = selectedIds();
        if (!ids.empty())
            showSimilar(ids.front());
    });
    button(tr("Export..."), &LibraryPanel::chooseExport);
    button(tr("Delete"), &LibraryPanel::deleteSelected);
    QPushButton *undo = button(tr("Undo"), [this] { m_undo->undo(); });
    undo->setEnabled(false);
    connect(m_undo, &QUndoStack::canUndoChanged, undo, &QWidget::setEnabled);
    connect(m_undo, &QUndoStack::undoTextChanged, undo, [undo](const QString &text) {
        undo->setToolTip(text.isEmpty() ? QString() : tr("Undo: %1").arg(text));
    });
    m_showHidden = new QCheckBox(tr("Show hidden"), this);
    buttons->addWidget(m_showHidden, 1, 2, 1, 2, Qt::AlignLeft);
    layout->addLayout(buttons);

    auto *split = new QSplitter(Qt::Horizontal, this);
    m_categories = new QListWidget(split);
    m_categories->setObjectName(QStringLiteral("libraryCategories"));
    m_categories->addItems({ tr("All Voices"), tr("Favourites") });
    m_categories->addItems(Voice::categories());
    m_categories->setCurrentRow(AllVoices);
    auto *right = new QSplitter(Qt::Vertical, split);
    m_table = new LibraryTable(right);
    m_table->setObjectName(QStringLiteral("libraryTable"));
    m_table->setEditTriggers(QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::SelectedClicked);
    m_table->setSortingEnabled(true);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_similar = new QTreeWidget(right);
    m_similar->setObjectName(QStringLiteral("librarySimilar"));
    m_similar->setRootIsDecorated(false);
    m_similar->setHeaderLabels({ tr("Similar"), tr("Distance"), tr("Parameters differing") });
    m_similar->hide();
    split->addWidget(m_categories);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setSizes({ 140, 600 });
    layout->addWidget(split, 1);

    m_importRow = new QWidget(this);
    auto *importLayout = new QHBoxLayout(m_importRow);
    importLayout->setContentsMargins(0, 0, 0, 0);
    m_progress = new QProgressBar(m_importRow);
    m_importCount = new QLabel(m_importRow);
    m_cancel = new QPushButton(tr("Cancel"), m_importRow);
    m_cancel->setObjectName(QStringLiteral("libraryCancelImport"));
    importLayout->addWidget(m_progress, 1);
    importLayout->addWidget(m_importCount);
    importLayout->addWidget(m_cancel);
    m_importRow->hide();
    layout->addWidget(m_importRow);
    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_status);

    if (!m_library)
        return;
    m_model = new LibraryModel(&*m_library, this);
    m_table->setModel(m_model);
    m_table->sortByColumn(LibraryModel::Name, Qt::AscendingOrder);
    m_table->fitColumns();

    m_searchDelay = new QTimer(this);
    m_searchDelay->setSingleShot(true);
    m_searchDelay->setInterval(200);
    connect(m_searchDelay, &QTimer::timeout, this, &LibraryPanel::applyFilter);
    connect(m_search, &QLineEdit::textChanged, m_searchDelay, qOverload<>(&QTimer::start));
    connect(m_search, &QLineEdit::returnPressed, this, &LibraryPanel::applyFilter);
    connect(m_categories, &QListWidget::currentRowChanged, this, &LibraryPanel::applyFilter);
    connect(m_showHidden, &QCheckBox::toggled, this, &LibraryPanel::applyFilter);
    m_problems->watch(m_model);
    connect(m_model, &LibraryModel::failed, m_status, &QLabel::setText);
    connect(m_table, &QTableView::doubleClicked, this, &LibraryPanel::openCurrent);
    connect(m_table, &QTableView::clicked, this, [this](const QModelIndex &index) {
        if (index.column() == LibraryModel::Favourite)
            m_model->setData(index, !index.data(Qt::EditRole).toBool());
    });
    connect(m_table, &QWidget::customContextMenuRequested, this, &LibraryPanel::showMenu);
    connect(m_similar, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        emit openRequested(item->data(0, Qt::UserRole).toLongLong());
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        if (m_importer)
            m_importer->cancel();
        m_cancel->setEnabled(false);
    });
    connect(&m_importWatcher, &QFutureWatcher<LibraryImporter::Result>::finished, this,
            &LibraryPanel::importDone);
    m_table->installEventFilter(this);
    showCount();
}

void LibraryPanel::showCount()
{
    const int all = m_library->count();
    const bool narrowed = !m_search->text().trimmed().isEmpty()
        || m_categories->currentRow() != AllVoices || m_showHidden->isChecked();
    m_status->setText(narrowed ? tr("%n of %1 voice(s) shown, in %2", nullptr, m_model->rowCount())
                                     .arg(all)
                                     .arg(m_path)
                               : tr("%n voice(s) in %1", nullptr, all).arg(m_path));
}

void LibraryPanel::applyFilter()
{
    if (!m_model)
        return;
    m_searchDelay->stop();
    const int row = m_categories->currentRow();
    m_model->setFilter(m_search->text(),
                       row >= FirstCategory ? m_categories->item(row)->text() : QString(),
                       row == Favourites, m_showHidden->isChecked());
    showCount();
}

void LibraryPanel::changed(const QString &error)
{
    if (m_model)
        m_model->refresh();
    if (!error.isEmpty())
        m_status->setText(error);
    else if (m_model)
        showCount();
}

std::vector<qint64> LibraryPanel::selectedIds() const
{
    std::vector<qint64> ids;
    if (!m_model)
        return ids;
    QModelIndexList rows = m_table->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    for (const QModelIndex &index : std::as_const(rows))
        ids.push_back(m_model->idAt(index.row()));
    return ids;
}

void LibraryPanel::openCurrent()
{
    const QModelIndex current = m_table->currentIndex();
    if (current.isValid() && m_model)
        emit openRequested(m_model->idAt(current.row()));
}

void LibraryPanel::showMenu(const QPoint &at)
{
    const std::vector<qint64> ids = selectedIds();
    if (ids.empty())
        return;
    QMenu menu(this);
    menu.addAction(tr("Open in the Editor"), this, &LibraryPanel::openCurrent);
    menu.addAction(tr("Similar Voices"), this, [this, id = ids.front()] { showSimilar(id); });
    menu.addSeparator();
    QMenu *categories = menu.addMenu(tr("Category"));
    for (const QString &category : Voice::categories())
        categories->addAction(category, this, [this, category] {
            setForSelected(VoiceLibrary::Field::Category, category);
        });
    menu.addAction(tr("Mark as Favourite"), this,
                   [this] { setForSelected(VoiceLibrary::Field::Favourite, true); });
    menu.addAction(tr("Unmark as Favourite"), this,
                   [this] { setForSelected(VoiceLibrary::Field::Favourite, false); });
    menu.addAction(tr("Hide"), this, [this] { setForSelected(VoiceLibrary::Field::Hidden, true); });
    menu.addAction(tr("Show"), this,
                   [this] { setForSelected(VoiceLibrary::Field::Hidden, false); });
    menu.addSeparator();
    menu.addAction(tr("Export..."), this, &LibraryPanel::chooseExport);
    menu.addAction(tr("Delete"), this, &LibraryPanel::deleteSelected);
    menu.exec(m_table->viewport()->mapToGlobal(at));
}

void LibraryPanel::setForSelected(VoiceLibrary::Field field, const QVariant &value)
{
    QString error;
    for (qint64 id : selectedIds()) {
        if (!m_library->set(id, field, value, &error))
            break;
    }
    changed(error);
}

void LibraryPanel::deleteSelected()
{
    const std::vector<qint64> ids = selectedIds();
    if (!ids.empty())
        m_undo->push(new DeleteVoicesCommand(&*m_library, ids,
                                             [this](const QString &error) { changed(error); }));
}

qint64 LibraryPanel::store(const Voice &voice, qint64 replaceId, QString *error)
{
    if (!m_library) {
        *error = m_status->text();
        return 0;
    }
    qint64 id = replaceId;
    if (replaceId != 0) {
        if (!m_library->replace(replaceId, voice, error))
            return 0;
    } else {
        const VoiceLibrary::Added added = m_library->add(voice, QString(), &id, error);
        if (added == VoiceLibrary::Added::Failed)
            return 0;
        if (added == VoiceLibrary::Added::Same) {
            LibraryEntry there;
            m_library->entry(id, &there, nullptr);
            *error = tr("The library holds this voice already, as \"%1\".").arg(there.voice.name);
            return 0;
        }
    }
    changed(QString());
    const int row = m_model->rowOf(id);
    if (row >= 0)
        m_table->selectRow(row);
    return id;
}

void LibraryPanel::showSimilar(qint64 id)
{
    QString error;
    LibraryEntry chosen;
    if (!m_library->entry(id, &chosen, &error)) {
        m_status->setText(error);
        return;
    }
    const std::vector<VoiceLibrary::Similar> found = m_library->similar(id, 10, &error);
    m_similar->clear();
    m_similar->setHeaderLabels(
        { tr("Similar to %1").arg(chosen.voice.name), tr("Distance"), tr("Parameters differing") });
    for (const VoiceLibrary::Similar &s : found) {
        LibraryEntry entry;
        m_library->entry(s.id, &entry, nullptr);
        auto *item = new QTreeWidgetItem(m_similar,
                                         { entry.voice.name, QString::number(s.distance, 'f', 3),
                                           QString::number(s.differing) });
        item->setData(0, Qt::UserRole, s.id);
    }
    m_similar->show();
    if (!error.isEmpty())
        m_status->setText(error);
}

void LibraryPanel::chooseExport()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Export voices to"));
    if (!folder.isEmpty())
        exportVoices(folder);
}

void LibraryPanel::exportVoices(const QString &folder)
{
    std::vector<qint64> ids = selectedIds();
    if (ids.empty()) {
        for (int row = 0; row < m_model->rowCount(); ++row)
            ids.push_back(m_model->idAt(row));
    }
    QStringList errors;
    const int written = VoiceExport::write(*m_library, ids, folder, &errors);
    m_status->setText(
        tr("Exported %1 of %2 voices to %3").arg(written).arg(ids.size()).arg(folder)
        + (errors.isEmpty() ? QString() : QLatin1Char('\n') + errors.join(QLatin1Char('\n'))));
}

void LibraryPanel::chooseImport()
{
    QFileDialog dialog(this, tr("Import voices"), QString(), tr("Voices (*.json);;All files (*)"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (dialog.exec() == QDialog::Accepted)
        importPaths(dialog.selectedFiles());
}

bool LibraryPanel::importPaths(const QStringList &paths)
{
    if (m_importer || !m_library || paths.isEmpty())
        return false;
    m_importer = new LibraryImporter(m_path, paths, LibraryContent::embedded(), this);
    connect(m_importer, &LibraryImporter::progress, this,
            [this](int done, int total, int committed) {
                m_progress->setRange(0, std::max(1, total));
                m_progress->setValue(done);
                m_importCount->setText(
                    tr("%1 of %2 files, %3 voices stored").arg(done).arg(total).arg(committed));
            });
    m_progress->setValue(0);
    m_importCount->clear();
    m_cancel->setEnabled(true);
    m_importRow->show();
    m_importWatcher.setFuture(
        QtConcurrent::run([importer = m_importer] { return importer->run(); }));
    return true;
}

void LibraryPanel::importDone()
{
    const LibraryImporter::Result result = m_importWatcher.result();
    m_importer->deleteLater();
    m_importer = nullptr;
    m_importRow->hide();
    QString summary = tr("imported %1, same as before %2, refused %3")
                          .arg(result.imported)
                          .arg(result.same)
                          .arg(result.refused.size());
    if (result.cancelled)
        summary += tr(" (cancelled)");
    if (!result.error.isEmpty())
        summary += tr("; the import stopped: %1").arg(result.error);
    changed(QString());
    m_status->setText(summary);
    if (!result.refused.empty() || !result.error.isEmpty()) {
        QStringList lines;
        for (const LibraryImporter::Refused &refused : result.refused)
            lines << refused.reason;
        auto *box = new QMessageBox(result.error.isEmpty() ? QMessageBox::Information
                                                           : QMessageBox::Warning,
                                    tr("Import voices"), summary, QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("libraryImportReport"));
        box->setInformativeText(result.refused.empty() ? QString()
                                                       : tr("%n file(s) could not be read.",
                                                            nullptr, int(result.refused.size())));
        box->setDetailedText(lines.join(QLatin1Char('\n')));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        box->show();
    }
    emit importFinished(summary, result);
}

bool LibraryPanel::eventFilter(QObject *watched, QEvent *event)
{
    // Delete in the table deletes the selected voices (the editor's own
    // keys stay with the window).
    if (watched == m_table && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Delete)
        && !m_table->indexWidget(m_table->currentIndex()) && watched == m_table) {
        deleteSelected();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void LibraryPanel::dragEnterEvent(QDragEnterEvent *event)
{
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            return;
        }
    }
}

void LibraryPanel::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    if (!paths.isEmpty() && importPaths(paths))
        event->acceptProposedAction();
}
