#include "document/voicedocument.h"

#include <tparametermemory.h>
#include <voicefile.h>

#include <QFileInfo>

VoiceDocument::VoiceDocument(TParameterMemory *memory, QObject *parent)
    : QObject(parent)
    , m_memory(memory)
{
}

QString VoiceDocument::displayName() const
{
    if (!m_path.isEmpty())
        return QFileInfo(m_path).fileName();
    return m_title.isEmpty() ? tr("Untitled") : m_title;
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
    if (path == m_path && m_title.isEmpty())
        return;
    m_title.clear();
    m_path = path;
    emit filePathChanged(path);
}

void VoiceDocument::newVoice()
{
    m_memory->resetToDefaults();
    setFilePath(QString());
    setModified(false);
    emit voiceReplaced();
}

bool VoiceDocument::load(const QString &path, QString *error)
{
    Voice voice;
    if (!VoiceFile::read(path, m_memory->schema(), &voice, error))
        return false;
    m_memory->setVoice(voice);
    setFilePath(QFileInfo(path).absoluteFilePath());
    setModified(false);
    emit voiceReplaced();
    return true;
}

bool VoiceDocument::save(const QString &path, QString *error)
{
    if (!VoiceFile::save(path, m_memory->schema(), m_memory->voice(), error))
        return false;
    m_memory->storeVoice();
    setFilePath(QFileInfo(path).absoluteFilePath());
    setModified(false);
    emit saved(m_path);
    return true;
}

void VoiceDocument::take(const Voice &voice, const QString &title)
{
    m_memory->setVoice(voice);
    m_path.clear();
    m_title = title;
    setModified(false);
    emit filePathChanged(m_path);
    emit voiceReplaced();
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
