#pragma once

#include <QObject>
#include <QString>

class TParameterMemory;

// The voice being edited as a document: the file it came from and whether it
// has changed since it was loaded or saved. The modified state lives here and
// nowhere else; the window shows it, and anything that knows better (an undo
// history's clean state) sets it with setModified().
//
// Until told otherwise every edit of a value in the memory marks the voice
// modified; loading a voice, the initial voice and compare mode do not.
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
    // Whether edits of values in the memory set the modified state (true at
    // first). An undo history that sets it from its clean state turns this off.
    void setTrackMemoryEdits(bool on) { m_trackEdits = on; }

    // The initial voice: a normal voice with every parameter at its default,
    // without a file.
    void newVoice();
    // Loads the voice file `path`. On failure returns false with the memory's
    // message in *error and changes nothing.
    bool load(const QString &path, QString *error);
    // Writes the voice to `path`, which becomes its file. On failure returns
    // false with the memory's message in *error; the voice stays modified.
    bool save(const QString &path, QString *error);
    // Loads the voice's file again, dropping the changes since.
    bool revert(QString *error);

    // `path` ending in ".json", which voice files carry.
    static QString withVoiceSuffix(const QString &path);

signals:
    void modifiedChanged(bool modified);
    void filePathChanged(const QString &path);
    // New, Open or Revert put another voice into the memory.
    void voiceReplaced();
    // The voice was written to filePath(): what is in the memory is now saved.
    void saved();

private:
    void memoryEdited();
    void setFilePath(const QString &path);

    TParameterMemory *m_memory;
    QString m_path;
    bool m_modified = false;
    bool m_trackEdits = true;
    // Set while the memory changes for reasons other than an edit.
    bool m_replacing = false;
    bool m_comparing = false;
};
