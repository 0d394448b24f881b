#include "deletevoicescommand.h"

#include <QCoreApplication>

DeleteVoicesCommand::DeleteVoicesCommand(VoiceLibrary *library, const std::vector<qint64> &ids,
                                         std::function<void(const QString &)> changed)
    : m_library(library)
    , m_ids(ids)
    , m_changed(std::move(changed))
{
    setText(ids.size() == 1 ? QCoreApplication::translate("DeleteVoicesCommand", "Delete a voice")
                            : QCoreApplication::translate("DeleteVoicesCommand", "Delete %1 voices")
                                  .arg(ids.size()));
}

void DeleteVoicesCommand::redo()
{
    QString error;
    m_removed.clear();
    if (m_library->begin(&error)) {
        for (qint64 id : m_ids) {
            LibraryEntry removed;
            if (!m_library->remove(id, &removed, &error))
                break;
            m_removed.push_back(std::move(removed));
        }
        if (m_removed.size() == m_ids.size())
            m_library->commit(&error);
        else {
            m_library->rollback();
            m_removed.clear();
        }
    }
    if (m_changed)
        m_changed(error);
}

void DeleteVoicesCommand::undo()
{
    QString error;
    if (m_library->begin(&error)) {
        bool ok = true;
        for (const LibraryEntry &entry : m_removed)
            ok = ok && m_library->restore(entry, &error);
        ok ? void(m_library->commit(&error)) : m_library->rollback();
    }
    m_removed.clear();
    if (m_changed)
        m_changed(error);
}
