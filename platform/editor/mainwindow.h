#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class AddOnHost;
class EditorVoiceData;
class LibraryDock;
class ParameterFilter;
class ParameterModel;
class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QTableView;
class SelectionWindow;
class TParameterMemory;
class VoiceHistory;
class VoiceDocument;

// The editor's window: the voice as a document (File menu), the add-on's
// entries in menus by voice type, the live view of every parameter, the
// voice type, element, drum key and compare-mode switches, and the commands
// the dialogs sent. Detail dialogs open beside it and stay open while the
// window and other dialogs are used.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(TParameterMemory *memory, EditorVoiceData *voiceData, AddOnHost *addOn,
               QWidget *parent = nullptr);

    ParameterModel *model() const { return m_model; }
    QTableView *view() const { return m_view; }
    QLineEdit *filterBox() const { return m_filterBox; }
    QListWidget *commandLog() const { return m_log; }
    VoiceDocument *document() const { return m_document; }
    LibraryDock *library() const { return m_library; }

    // Opens entry `index`'s dialog beside the window, or brings it to the
    // front when it is open. Null, with the reason in *error, for an entry
    // without a dialog or of another voice type than the voice's.
    QWidget *openEntry(int index, QString *error = nullptr);
    // Entry `index`'s open dialog, or null.
    QWidget *entryDialog(int index) const { return m_dialogs.value(index); }

    // Loads a voice file as File > Open does, without asking about unsaved
    // changes. On failure returns false and leaves the voice as it was; the
    // error goes to *error, or to a message box when error is null.
    bool openVoice(const QString &path, QString *error = nullptr);

    // Writes the voice to `path`, which becomes its file, as File > Save As
    // does without asking. On failure returns false and the voice stays
    // modified; the error goes to *error, or to a message box when error is
    // null.
    bool saveVoice(const QString &path, QString *error = nullptr);

    // Answers a dialog's command with the selection window it asks for; the
    // chosen value is written to the voice. Null for other commands.
    SelectionWindow *openSelection(int command);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildControls();
    void updateTitle();
    void setVoiceType(int type);
    void showVoiceType();

    // File commands. The ones that replace the voice first ask whether to
    // save unsaved changes and do nothing when the answer is Cancel.
    bool okToReplace();
    void newVoice();
    void chooseAndOpenVoice();
    void openRecent(const QString &path);
    bool save();
    bool saveAs();
    void revert();
    void rememberFile(const QString &path);
    void fillRecentMenu();

    QPoint placeBeside(const QSize &size) const;

    TParameterMemory *m_memory;
    EditorVoiceData *m_voiceData;
    AddOnHost *m_addOn;
    VoiceDocument *m_document;
    ParameterModel *m_model;
    ParameterFilter *m_filter;
    QTableView *m_view = nullptr;
    QLineEdit *m_filterBox = nullptr;
    QListWidget *m_log = nullptr;
    QComboBox *m_voiceType = nullptr;
    QComboBox *m_element = nullptr;
    QComboBox *m_drumKey = nullptr;
    QCheckBox *m_compare = nullptr;
    VoiceHistory *m_history = nullptr;
    LibraryDock *m_library = nullptr;
    QMenu *m_recentMenu = nullptr;
    QAction *m_revertAction = nullptr;
    // The entry actions by entry number, and the open dialogs.
    QHash<int, QAction *> m_entryActions;
    QHash<int, QPointer<QWidget>> m_dialogs;
};
