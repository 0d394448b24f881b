#pragma once

#include <QMainWindow>

class AddOnHost;
class EditorVoiceData;
class ParameterModel;
class QCheckBox;
class QComboBox;
class QListWidget;
class QSpinBox;
class QTableView;
class SelectionWindow;
class TParameterMemory;
class VoiceHistory;

// The editor's window: the add-on's entries in menus by voice type, the live
// view of every parameter, the voice type, part, drum key and compare-mode
// switches, the commands the dialogs sent, and voice files.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(TParameterMemory *memory, EditorVoiceData *voiceData, AddOnHost *addOn,
               QWidget *parent = nullptr);

    ParameterModel *model() const { return m_model; }
    QListWidget *commandLog() const { return m_log; }

    // Loads or saves a voice file; on failure shows the error in a message
    // box (unless quiet) and returns false, leaving the voice as it was.
    bool openVoice(const QString &path, bool quiet = false);
    bool saveVoice(const QString &path, bool quiet = false);

    // Answers a dialog's command with the selection window it asks for; the
    // chosen value is written to the voice. Null for other commands.
    SelectionWindow *openSelection(int command);

private:
    void buildMenus();
    void buildControls();
    void openEntry(int index);
    void setVoiceType(int type);

    TParameterMemory *m_memory;
    EditorVoiceData *m_voiceData;
    AddOnHost *m_addOn;
    ParameterModel *m_model;
    QTableView *m_view = nullptr;
    QListWidget *m_log = nullptr;
    QComboBox *m_voiceType = nullptr;
    QSpinBox *m_part = nullptr;
    QSpinBox *m_drumKey = nullptr;
    QCheckBox *m_compare = nullptr;
    VoiceHistory *m_history = nullptr;
};
