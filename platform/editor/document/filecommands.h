#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QWidget;
class VoiceDocument;

// The File menu's commands on the voice as a document, as a person meets
// them: New, Open, Open Recent, Save, Save As and Revert, with their file
// dialogs, the Save/Discard/Cancel question before anything unsaved is
// lost, and a message box for what fails. The window puts the actions in
// its menus; dialogs and message boxes open over `window`.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    FileCommands(VoiceDocument *document, QWidget *window);

    QAction *newAction() const { return m_new; }
    QAction *openAction() const { return m_open; }
    QAction *saveAction() const { return m_save; }
    QAction *saveAsAction() const { return m_saveAs; }
    QAction *revertAction() const { return m_revert; }
    // Fills itself with the recent files each time it opens.
    QMenu *recentMenu() const { return m_recentMenu; }

    // True when the voice has no unsaved changes, or the person had them
    // saved or chose to discard them; false for Cancel or a failed save.
    bool maybeSave();

    // Loads a voice file as File > Open does, without asking about unsaved
    // changes. On failure returns false and leaves the voice as it was; the
    // error goes to *error, or to a message box when error is null.
    bool openVoice(const QString &path, QString *error = nullptr);
    // Writes the voice to `path`, which becomes its file, as File > Save As
    // does without asking. On failure returns false and the voice stays
    // modified; the error goes to *error, or to a message box when error is
    // null.
    bool saveVoice(const QString &path, QString *error = nullptr);

signals:
    // A line for the status bar.
    void message(const QString &text);

private:
    void newVoice();
    void chooseAndOpenVoice();
    void openRecent(const QString &path);
    bool save();
    bool saveAs();
    void revert();
    void fillRecentMenu();

    VoiceDocument *m_document;
    QWidget *m_window;
    QAction *m_new;
    QAction *m_open;
    QAction *m_save;
    QAction *m_saveAs;
    QAction *m_revert;
    QMenu *m_recentMenu;
};
