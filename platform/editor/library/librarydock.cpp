#include "librarydock.h"

#include "librarypanel.h"
#include "document/voicedocument.h"

#include <tparametermemory.h>

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>

LibraryDock::LibraryDock(const QString &libraryPath, TParameterMemory *memory,
                         VoiceDocument *document, QWidget *parent)
    : QDockWidget(tr("Library"), parent)
    , m_memory(memory)
    , m_document(document)
    , m_panel(new LibraryPanel(libraryPath, this))
{
    setObjectName(QStringLiteral("libraryDock"));
    setWidget(m_panel);
    connect(m_document, &VoiceDocument::voiceReplaced, this, [this] { m_current = 0; });
    connect(m_panel, &LibraryPanel::openRequested, this, [this](qint64 id) {
        LibraryEntry entry;
        QString error;
        if (!m_panel->library()->entry(id, &entry, &error)) {
            emit message(error);
            return;
        }
        emit openRequested(entry);
    });
}

void LibraryDock::addFileActions(QMenu *file)
{
    file->addAction(tr("&Import into Library..."), this, [this] {
        QFileDialog dialog(this, tr("Import voices into the library"), QString(),
                           tr("Voices (*.json);;All files (*)"));
        dialog.setFileMode(QFileDialog::ExistingFiles);
        if (dialog.exec() == QDialog::Accepted) {
            show();
            m_panel->importPaths(dialog.selectedFiles());
        }
    });
    file->addAction(tr("Import &Folder into Library..."), this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(
            this, tr("Import a folder of voices into the library"));
        if (!folder.isEmpty()) {
            show();
            m_panel->importPaths({ folder });
        }
    });
    file->addAction(tr("Store in &Library"), this, [this] { store(false); });
    file->addAction(tr("Store in Library as a &New Voice..."), this, [this] { store(true); });
}

Voice LibraryDock::editedVoice(const QString &name) const
{
    Voice voice = m_memory->voice();
    if (!name.isEmpty())
        voice.name = name;
    return voice;
}

bool LibraryDock::store(bool asNew, const QString &given, QString *error)
{
    QString why;
    QString name = !given.isEmpty() ? given : m_memory->voice().name;
    if (name.isEmpty())
        name = QFileInfo(m_document->filePath()).completeBaseName();
    if (given.isEmpty() && (asNew || m_current == 0)) {
        bool ok = false;
        name = QInputDialog::getText(this, tr("Store in library"), tr("Name of the voice:"),
                                     QLineEdit::Normal, Voice::fittedName(name), &ok);
        if (!ok)
            return false;
    }
    const Voice voice = editedVoice(name.trimmed().isEmpty() ? tr("Untitled") : name);
    const qint64 id = m_panel->store(voice, asNew ? 0 : m_current, &why);
    if (id == 0) {
        emit message(why);
        if (error)
            *error = why;
        return false;
    }
    m_current = id;
    m_panel->library()->entry(id, &m_currentEntry, nullptr);
    emit message(tr("Stored \"%1\" in the library").arg(m_currentEntry.voice.name));
    return true;
}
