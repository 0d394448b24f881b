#pragma once

#include <QToolButton>

class SoundTools;
struct Voice;

// Chooses the tools' second voice, for Morph and Side by Side alike: from a
// voice file, the stored voice (the one Compare shows) or the library (when
// the editor has one open). A voice of another voice type than the edited
// one is refused with a message, and the second voice stays as it was.
class SecondVoiceButton : public QToolButton
{
    Q_OBJECT

public:
    // `title` heads the messages ("Morph").
    SecondVoiceButton(SoundTools *tools, const QString &title, QWidget *parent = nullptr);

    QAction *fileAction() const { return m_file; }
    QAction *storedAction() const { return m_stored; }
    QAction *libraryAction() const { return m_library; }

private:
    void chooseFile();
    void pickFromLibrary();
    // Makes `voice` the second voice unless it is refused.
    void take(const Voice &voice, const QString &origin);

    SoundTools *m_tools;
    QString m_title;
    QAction *m_file;
    QAction *m_stored;
    QAction *m_library;
};
