#pragma once

#include <voice.h>

#include <QObject>
#include <QString>

#include <optional>

class TParameterMemory;

// The voice that Morph goes towards and Side by Side sets beside the one
// being edited: one for both, whichever of them chose it, with a text
// naming where it came from ("pad.json", "the stored voice", "from the
// library"). It is a copy, taken when chosen: what happens to its source later
// does not change it.
class SecondVoice : public QObject
{
    Q_OBJECT

public:
    explicit SecondVoice(const TParameterMemory *memory, QObject *parent = nullptr);

    const std::optional<Voice> &voice() const { return m_voice; }
    QString origin() const { return m_origin; }

    void set(const Voice &voice, const QString &origin);
    // Reads a voice file; false with *error set, and the second voice kept,
    // when it does not read or is of another voice type than the voice's.
    bool setFromFile(const QString &path, QString *error);
    void clear();

    // Why `voice` from `origin` cannot be the second voice of the voice
    // being edited (another voice type), or an empty text when it can.
    QString refusal(const Voice &voice, const QString &origin) const;

signals:
    void changed();

private:
    const TParameterMemory *m_memory;
    std::optional<Voice> m_voice;
    QString m_origin;
};
