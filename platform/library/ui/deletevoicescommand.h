#pragma once

#include "voicelibrary.h"

#include <QUndoCommand>

#include <functional>
#include <vector>

// Deleting voices from the library as one step of the panel's history:
// undo puts them back with their ids, dates and marks.
class DeleteVoicesCommand : public QUndoCommand
{
public:
    // `changed` is called after each redo and undo, with a message when it failed.
    DeleteVoicesCommand(VoiceLibrary *library, const std::vector<qint64> &ids,
                        std::function<void(const QString &)> changed);

    void redo() override;
    void undo() override;

private:
    VoiceLibrary *m_library;
    std::vector<qint64> m_ids;
    std::vector<LibraryEntry> m_removed;
    std::function<void(const QString &)> m_changed;
};
