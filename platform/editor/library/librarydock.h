#pragma once

#include <voicelibrary.h>

#include <QDockWidget>

class LibraryPanel;
class QMenu;
class TParameterMemory;
class VoiceDocument;

// The voice library in the editor's window: the library panel as a dock,
// and the File menu's library commands. It knows which library voice the
// editor holds, so that Store can put the edited voice back in its place.
class LibraryDock : public QDockWidget
{
    Q_OBJECT

public:
    LibraryDock(const QString &libraryPath, TParameterMemory *memory, VoiceDocument *document,
                QWidget *parent);

    LibraryPanel *panel() const { return m_panel; }

    // Adds Import into Library, Store in Library and Store as New Voice.
    void addFileActions(QMenu *file);

    // The library voice the editor holds, 0 for none; the document's other
    // ways of replacing the voice set it back to 0.
    qint64 currentVoice() const { return m_current; }
    void setCurrentVoice(const LibraryEntry &entry)
    {
        m_current = entry.id;
        m_currentEntry = entry;
    }

    // The voice in the editor, under `name` unless that is empty.
    Voice editedVoice(const QString &name) const;
    // Stores the edited voice over the library voice it came from, or as a
    // new one under `name` (asked for when empty); returns false with the
    // reason in message() and *error.
    bool store(bool asNew, const QString &name = QString(), QString *error = nullptr);

signals:
    // The panel asks for library voice `entry` in the editor.
    void openRequested(const LibraryEntry &entry);
    void message(const QString &text);

private:
    TParameterMemory *m_memory;
    VoiceDocument *m_document;
    LibraryPanel *m_panel;
    qint64 m_current = 0;
    LibraryEntry m_currentEntry;
};
