#include "document/voicedocument.h"

#include <tparametermemory.h>

#include <QFileInfo>

VoiceDocument::VoiceDocument(TParameterMemory *memory, QObject *parent)
    : QObject(parent)
    , m_memory(memory)
{
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

void VoiceDocument::setFilePath(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    emit filePathChanged(path);
}

void VoiceDocument::newVoice()
{
    m_memory->setVoiceType(1);
    m_memory->resetToDefaults();
    setFilePath(QString());
    setModified(false);
    emit voiceReplaced();
}

bool VoiceDocument::load(const QString &path, QString *error)
{
    if (!m_memory->loadVoice(path, error))
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
    m_memory->storeVoice();
    setFilePath(QFileInfo(path).absoluteFilePath());
    setModified(false);
    emit saved(m_path);
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
