#include "voicedocument.h"

#include <tparametermemory.h>

#include <QFileInfo>

VoiceDocument::VoiceDocument(TParameterMemory *memory, QObject *parent)
    : QObject(parent)
    , m_memory(memory)
    , m_comparing(memory->compareMode())
{
    connect(memory, &TParameterMemory::parameterChanged, this, &VoiceDocument::memoryEdited);
    // Compare mode reports the values it shows and hides as changes, before
    // it tells that it changed: those are no edits.
    connect(memory, &TParameterMemory::enterCompareMode, this, [this](bool on) { m_comparing = on; });
}

QString VoiceDocument::displayName() const
{
    return m_path.isEmpty() ? tr("Untitled") : QFileInfo(m_path).fileName();
}

void VoiceDocument::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void VoiceDocument::memoryEdited()
{
    if (m_trackEdits && !m_replacing && !m_comparing && !m_memory->compareMode())
        setModified(true);
}

void VoiceDocument::setFilePath(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    emit filePathChanged(path);
}

void VoiceDocument::newVoice()
{
    m_replacing = true;
    m_memory->setVoiceType(1);
    m_memory->resetToDefaults();
    m_replacing = false;
    setFilePath(QString());
    setModified(false);
    emit voiceReplaced();
}

bool VoiceDocument::load(const QString &path, QString *error)
{
    m_replacing = true;
    const bool loaded = m_memory->loadVoice(path, error);
    m_replacing = false;
    if (!loaded)
        return false;
    setFilePath(QFileInfo(path).absoluteFilePath());
    setModified(false);
    emit voiceReplaced();
    return true;
}

bool VoiceDocument::save(const QString &path, QString *error)
{
    if (!m_memory->saveVoice(path, error))
        return false;
    setFilePath(QFileInfo(path).absoluteFilePath());
    setModified(false);
    emit saved();
    return true;
}

bool VoiceDocument::revert(QString *error)
{
    return !m_path.isEmpty() && load(m_path, error);
}

QString VoiceDocument::withVoiceSuffix(const QString &path)
{
    if (path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
        return path;
    return path + QLatin1String(".json");
}
