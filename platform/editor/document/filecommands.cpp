#include "filecommands.h"

#include "recentfiles.h"
#include "voicedocument.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMessageBox>
#include <QWidget>

FileCommands::FileCommands(VoiceDocument *document, QWidget *window)
    : QObject(window)
    , m_document(document)
    , m_window(window)
    , m_new(new QAction(tr("&New"), this))
    , m_open(new QAction(tr("&Open..."), this))
    , m_save(new QAction(tr("&Save"), this))
    , m_saveAs(new QAction(tr("Save &As..."), this))
    , m_revert(new QAction(tr("Re&vert to Saved"), this))
    , m_recentMenu(new QMenu(tr("Open &Recent"), window))
{
    m_new->setShortcuts(QKeySequence::New);
    connect(m_new, &QAction::triggered, this, &FileCommands::newVoice);
    m_open->setShortcuts(QKeySequence::Open);
    connect(m_open, &QAction::triggered, this, &FileCommands::chooseAndOpenVoice);
    m_save->setShortcuts(QKeySequence::Save);
    connect(m_save, &QAction::triggered, this, &FileCommands::save);
    // Save As answers Ctrl+Shift+S beside the platform's own keys.
    QList<QKeySequence> saveAsKeys = QKeySequence::keyBindings(QKeySequence::SaveAs);
    if (!saveAsKeys.contains(QKeySequence(tr("Ctrl+Shift+S"))))
        saveAsKeys << QKeySequence(tr("Ctrl+Shift+S"));
    m_saveAs->setShortcuts(saveAsKeys);
    connect(m_saveAs, &QAction::triggered, this, &FileCommands::saveAs);
    connect(m_revert, &QAction::triggered, this, &FileCommands::revert);
    auto updateRevert = [this] {
        m_revert->setEnabled(m_document->isModified() && !m_document->filePath().isEmpty());
    };
    connect(m_document, &VoiceDocument::modifiedChanged, this, updateRevert);
    connect(m_document, &VoiceDocument::filePathChanged, this, updateRevert);
    updateRevert();
    connect(m_recentMenu, &QMenu::aboutToShow, this, &FileCommands::fillRecentMenu);
}

bool FileCommands::maybeSave()
{
    if (!m_document->isModified())
        return true;
    QMessageBox box(
        QMessageBox::Warning, tr("Zinta Editor"),
        tr("The voice \"%1\" has changes that are not saved.").arg(m_document->displayName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_window);
    box.setInformativeText(tr("Save them first?"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void FileCommands::newVoice()
{
    if (maybeSave())
        m_document->newVoice();
}

void FileCommands::chooseAndOpenVoice()
{
    if (!maybeSave())
        return;
    QFileDialog dialog(m_window, tr("Open voice"), RecentFiles::lastFolder(),
                       tr("Voices (*.json);;All files (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        openVoice(dialog.selectedFiles().constFirst());
}

void FileCommands::openRecent(const QString &path)
{
    if (maybeSave() && !openVoice(path))
        RecentFiles::remove(path);
}

bool FileCommands::openVoice(const QString &path, QString *error)
{
    QString why;
    if (!m_document->load(path, &why)) {
        if (error)
            *error = why;
        else
            QMessageBox::warning(m_window, tr("Open voice"), why);
        emit message(why);
        return false;
    }
    RecentFiles::add(m_document->filePath());
    emit message(tr("Loaded %1").arg(m_document->filePath()));
    return true;
}

bool FileCommands::save()
{
    return m_document->filePath().isEmpty() ? saveAs() : saveVoice(m_document->filePath());
}

bool FileCommands::saveAs()
{
    const QString folder = m_document->filePath().isEmpty()
        ? RecentFiles::lastFolder()
        : QFileInfo(m_document->filePath()).absolutePath();
    QFileDialog dialog(m_window, tr("Save voice as"), folder, tr("Voices (*.json)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("json"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QString chosen = dialog.selectedFiles().constFirst();
    const QString path = VoiceDocument::withVoiceSuffix(chosen);
    // The dialog asked about replacing the name chosen, not this one.
    if (path != chosen && QFileInfo::exists(path)
        && QMessageBox::question(
               m_window, tr("Save voice as"),
               tr("%1 already exists. Replace it?").arg(QFileInfo(path).fileName()))
            != QMessageBox::Yes)
        return false;
    return saveVoice(path);
}

// The document saves; the history's clean state and the recent files follow
// its saved() signal.
bool FileCommands::saveVoice(const QString &path, QString *error)
{
    QString why;
    if (!m_document->save(path, &why)) {
        if (error)
            *error = why;
        else
            QMessageBox::warning(m_window, tr("Save voice"), why);
        emit message(why);
        return false;
    }
    emit message(tr("Saved %1").arg(m_document->filePath()));
    return true;
}

void FileCommands::revert()
{
    if (QMessageBox::question(
            m_window, tr("Revert to saved"),
            tr("Drop the changes to \"%1\" and load it again?").arg(m_document->displayName()))
        != QMessageBox::Yes)
        return;
    QString error;
    if (!m_document->revert(&error))
        QMessageBox::warning(m_window, tr("Revert to saved"), error);
}

void FileCommands::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList recent = RecentFiles::files();
    for (const QString &path : recent) {
        QAction *action = m_recentMenu->addAction(QFileInfo(path).fileName(), this,
                                                  [this, path] { openRecent(path); });
        action->setStatusTip(path);
    }
    if (recent.isEmpty()) {
        m_recentMenu->addAction(tr("(none)"))->setEnabled(false);
        return;
    }
    m_recentMenu->addSeparator();
    m_recentMenu->addAction(tr("Clear the list"), this, &RecentFiles::clear);
}
