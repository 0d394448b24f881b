#pragma once

#include <QObject>
#include <QString>

struct Voice;

class TParameterMemory;

// The voice being edited as a document: the file it came from and whether it
// has changed since it was loaded or saved. The modified state lives here and
// nowhere else; the window shows it, and the undo history, which knows when
// the voice is back at its last save, sets it with setModified(). Loading,
// saving and starting a voice make it unmodified. A save is one event,
// saved(): the voice written becomes the memory's stored voice (the one
// compare shows), and whatever else follows a save (the history's clean
// state, the recent files) follows that signal.
class VoiceDocument : public QObject
{
    Q_OBJECT

public:
    explicit VoiceDocument(TParameterMemory *memory, QObject *parent = nullptr);

    // The voice file, empty for a voice that has none yet.
    QString filePath() const { return m_path; }
    // The file's name, or "Untitled".
    QString displayName() const;

    bool isModified() const { return m_modified; }
    void setModified(bool modified);

    // The initial voice: a normal voice with every parameter at its default,
    // without a file.
    void newVoice();
    // Loads the voice file `path`. On failure returns false with the memory's
    // message in *error and changes nothing.
    bool load(const QString &path, QString *error);
    // Writes the voice to `path`, which becomes its file, and emits saved().
    // On failure returns false with the memory's message in *error, emits
    // nothing and the voice stays modified.
    bool save(const QString &path, QString *error);
    // Puts `voice` into the memory as a voice without a file that the window
    // calls `title` (a voice opened from the library).
    void take(const Voice &voice, const QString &title);
    // Loads the voice's file again, dropping the changes since.
    bool revert(QString *error);

    // `path` ending in ".json", which voice files carry.
    static QString withVoiceSuffix(const QString &path);

signals:
    void modifiedChanged(bool modified);
    void filePathChanged(const QString &path);
    // The voice was written to `path`.
    void saved(const QString &path);
    // New, Open, Revert or a voice taken from elsewhere replaced the voice.
    void voiceReplaced();

private:
    void setFilePath(const QString &path);

    TParameterMemory *m_memory;
    QString m_path;
    QString m_title; // for a voice without a file
    bool m_modified = false;
};
