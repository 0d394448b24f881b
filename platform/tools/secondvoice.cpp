#include "secondvoice.h"

#include <tparametermemory.h>
#include <voicefile.h>

#include <QFileInfo>

SecondVoice::SecondVoice(const TParameterMemory *memory, QObject *parent)
    : QObject(parent)
    , m_memory(memory)
{
}

void SecondVoice::set(const Voice &voice, const QString &origin)
{
    m_voice = voice;
    m_origin = origin;
    emit changed();
}

bool SecondVoice::setFromFile(const QString &path, QString *error)
{
    Voice voice;
    QString why;
    const QString origin = QFileInfo(path).fileName();
    if (!VoiceFile::read(path, m_memory->schema(), &voice, &why)
        || !(why = refusal(voice, origin)).isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    set(voice, origin);
    return true;
}

void SecondVoice::clear()
{
    if (!m_voice)
        return;
    m_voice.reset();
    m_origin.clear();
    emit changed();
}

QString SecondVoice::refusal(const Voice &voice, const QString &origin) const
{
    if (voice.type == m_memory->voiceType())
        return QString();
    return tr("Not taken as the second voice: %1 is a %2 voice, and the voice edited a %3 voice")
        .arg(origin, voiceTypeName(voice.type), voiceTypeName(m_memory->voiceType()));
}
