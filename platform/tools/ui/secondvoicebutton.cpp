#include "secondvoicebutton.h"

#include "soundtools.h"

#include <secondvoice.h>

#include <tparametermemory.h>

#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>

SecondVoiceButton::SecondVoiceButton(SoundTools *tools, const QString &title, QWidget *parent)
    : QToolButton(parent)
    , m_tools(tools)
    , m_title(title)
{
    setText(tr("Second Voice"));
    setToolTip(tr("Choose the voice to set beside this one or to morph towards"));
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto *menu = new QMenu(this);
    m_file = menu->addAction(tr("Voice File..."), this, &SecondVoiceButton::chooseFile);
    m_stored = menu->addAction(tr("Stored Voice"), this, [this] {
        take(m_tools->memory()->storedVoice(), tr("the stored voice"));
    });
    m_stored->setStatusTip(tr("The voice as it was last stored: the one Compare shows"));
    m_library = menu->addAction(tr("Library Voice..."), this, &SecondVoiceButton::pickFromLibrary);
    m_file->setObjectName(QStringLiteral("secondVoiceFile"));
    m_stored->setObjectName(QStringLiteral("secondVoiceStored"));
    m_library->setObjectName(QStringLiteral("secondVoiceLibrary"));
    // The library is offered where the editor has one open.
    connect(menu, &QMenu::aboutToShow, this,
            [this] { m_library->setEnabled(bool(m_tools->libraryVoicePicker())); });
    setMenu(menu);
}

void SecondVoiceButton::chooseFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Second voice"), QSettings().value(QStringLiteral("files/lastFolder")).toString(),
        tr("Voices (*.json);;All files (*)"));
    QString error;
    if (!path.isEmpty() && !m_tools->secondVoice()->setFromFile(path, &error))
        QMessageBox::warning(this, m_title, error);
}

void SecondVoiceButton::pickFromLibrary()
{
    if (!m_tools->libraryVoicePicker())
        return;
    if (const auto picked = m_tools->libraryVoicePicker()(window()))
        take(picked->first, picked->second);
}

void SecondVoiceButton::take(const Voice &voice, const QString &origin)
{
    SecondVoice *second = m_tools->secondVoice();
    const QString refusal = second->refusal(voice, origin);
    if (refusal.isEmpty())
        second->set(voice, origin);
    else
        QMessageBox::warning(this, m_title, refusal);
}
