#pragma once

#include <QHash>
#include <QMap>
#include <voicetype.h>

#include <QMainWindow>

class AddOnHost;
class DetailDialogs;
class EditorVoiceData;
class ElementTools;
class FileCommands;
class LibraryDock;
class ParameterFilter;
class ParameterModel;
class ParameterView;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QTableView;
class QUndoView;
class SelectionWindow;
class ShapePanel;
class TParameterMemory;
class VoiceDocument;
class VoiceHistory;
class VoicePanel;

// The editor's window: the voice as a document (File menu), undo, redo and
// the element tools (Edit menu), the add-on's entries in menus by voice
// type, the live view of every parameter, the Voice panel and the History
// dock, and compare mode's sign in the status bar. Detail dialogs open
// beside it and stay open while the window and other dialogs are used.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(TParameterMemory *memory, EditorVoiceData *voiceData, AddOnHost *addOn,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    ParameterModel *model() const { return m_model; }
    QTableView *view() const;
    QLineEdit *filterBox() const { return m_filterBox; }
    QListWidget *commandLog() const;
    VoiceDocument *document() const { return m_document; }
    VoiceHistory *history() const { return m_history; }
    ElementTools *elementTools() const { return m_tools; }
    LibraryDock *library() const { return m_library; }

    // Opens entry `index`'s dialog beside the window, or brings it to the
    // front when it is open. Null, with the reason in *error, for an entry
    // without a dialog or of another voice type than the voice's.
    QWidget *openEntry(int index, QString *error = nullptr);
    // Entry `index`'s open dialog, or null.
    QWidget *entryDialog(int index) const;

    // File > Open and File > Save As without their questions (FileCommands).
    bool openVoice(const QString &path, QString *error = nullptr);
    bool saveVoice(const QString &path, QString *error = nullptr);

    // Answers a dialog's command with the selection window it asks for; the
    // chosen value is written to the voice. Null for other commands.
    SelectionWindow *openSelection(int command);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createView();
    void createActions();
    void createMenus();
    void createDetailMenu();
    void createDockWindows();
    void createStatusBar();

    void updateTitle();
    void chooseVoiceType(VoiceType type);
    void nameVoice(const QString &name);
    void fileVoiceUnder(const QString &category);
    void showVoiceType();
    void setCompareMode(bool on);
    void showMessage(const QString &text);

    void copyDrumKey();

    TParameterMemory *m_memory;
    EditorVoiceData *m_voiceData;
    AddOnHost *m_addOn;
    VoiceDocument *m_document;
    VoiceHistory *m_history;
    ElementTools *m_tools;
    ParameterModel *m_model;
    ParameterFilter *m_filter;
    ParameterView *m_view = nullptr;
    QLineEdit *m_filterBox = nullptr;
    ShapePanel *m_shape = nullptr;
    LibraryDock *m_library = nullptr;
    FileCommands *m_files = nullptr;
    QMenu *m_editMenu = nullptr;
    VoicePanel *m_panel = nullptr;
    QUndoView *m_historyView = nullptr;
    QLabel *m_compareSign = nullptr;

    QAction *m_storeAction = nullptr;
    QAction *m_quitAction = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QAction *m_copyDrumKeyAction = nullptr;
    QAction *m_findAction = nullptr;
    QAction *m_differencesAction = nullptr;
    QMenu *m_viewMenu = nullptr;
    DetailDialogs *m_dialogs = nullptr;
    // The entry actions by entry number and the voice types' menus.
    QHash<int, QAction *> m_entryActions;
    QMap<VoiceType, QMenu *> m_typeMenus;
};
