#pragma once

#include "libraryimporter.h"
#include "librarytable.h"
#include "queryproblemslabel.h"
#include "voicelibrary.h"

#include <QFutureWatcher>
#include <QWidget>

#include <memory>
#include <optional>

class LibraryModel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;
class QUndoStack;

// The library as a panel: a search field (words and parameter conditions,
// with what is wrong with them under it), the categories, the table of the
// voices found, the voices similar to the chosen one, and an import's
// progress with its Cancel. Files and folders dropped on it are imported.
// Deleting is undoable in the panel's own history.
class LibraryPanel : public QWidget
{
    Q_OBJECT

public:
    // Opens the library at `path` under its own connection; a library that
    // cannot be opened is left alone and the panel says why.
    explicit LibraryPanel(const QString &path, QWidget *parent = nullptr);
    ~LibraryPanel() override;

    bool isOpen() const { return m_library.has_value(); }
    QString path() const { return m_path; }
    VoiceLibrary *library() { return m_library ? &*m_library : nullptr; }

    LibraryModel *model() const { return m_model; }
    QTableView *table() const { return m_table; }
    QLineEdit *searchField() const { return m_search; }
    QLabel *problemLabel() const { return m_problems; }
    // The line under the table: how many voices the library holds and, while
    // a search or a category narrows them, how many of them are shown.
    QLabel *statusLabel() const { return m_status; }
    QTreeWidget *similarList() const { return m_similar; }
    QPushButton *cancelButton() const { return m_cancel; }
    QProgressBar *progressBar() const { return m_progress; }
    QUndoStack *undoStack() const { return m_undo; }
    QCheckBox *showHiddenBox() const { return m_showHidden; }
    QListWidget *categoryList() const { return m_categories; }

    // The ids of the selected voices, in table order.
    std::vector<qint64> selectedIds() const;

    // Imports files and folders in a worker thread; false while one runs.
    bool importPaths(const QStringList &paths);
    bool isImporting() const { return m_importer != nullptr; }

    // Stores `voice` as a new voice, or over voice `replaceId` when it is not
    // 0; returns its id, or 0 with *error set.
    qint64 store(const Voice &voice, qint64 replaceId, QString *error);

    // Lists the voices nearest to voice `id` by sound.
    void showSimilar(qint64 id);
    // Deletes the selected voices (undoable).
    void deleteSelected();
    // Writes the selected voices, or all that the search finds, to a folder.
    void exportVoices(const QString &folder);

signals:
    // Voice `id` is to be opened in the editor.
    void openRequested(qint64 id);
    // An import ended; `summary` is its line ("imported 10, same as before 2, refused 1").
    void importFinished(const QString &summary, const LibraryImporter::Result &result);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void build();
    void applyFilter();
    void changed(const QString &error);
    void showCount();
    void openCurrent();
    void showMenu(const QPoint &at);
    void setForSelected(VoiceLibrary::Field field, const QVariant &value);
    void chooseImport();
    void chooseExport();
    void importDone();

    QString m_path;
    QString m_connection;
    std::optional<VoiceLibrary> m_library;
    LibraryModel *m_model = nullptr;
    QLineEdit *m_search = nullptr;
    QueryProblemsLabel *m_problems = nullptr;
    QLabel *m_status = nullptr;
    QListWidget *m_categories = nullptr;
    QCheckBox *m_showHidden = nullptr;
    LibraryTable *m_table = nullptr;
    QTreeWidget *m_similar = nullptr;
    QWidget *m_importRow = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_importCount = nullptr;
    QPushButton *m_cancel = nullptr;
    QTimer *m_searchDelay = nullptr;
    QUndoStack *m_undo = nullptr;
    LibraryImporter *m_importer = nullptr;
    QFutureWatcher<LibraryImporter::Result> m_importWatcher;
};
