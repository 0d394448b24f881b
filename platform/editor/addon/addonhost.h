#pragma once

#include <ihostcommandtarget.h>

#include <QLibrary>
#include <QObject>
#include <QString>
#include <QVector>

class IGenericEditorPluginInterface;
class IMemAPI;
class QWidget;

// The add-on as the editor holds it: the library loaded by path, its plug-in
// object, and the editor's host command interface, which reports every
// command a dialog sends.
class AddOnHost : public QObject, public IHostCommandTarget
{
    Q_OBJECT

public:
    struct Entry
    {
        int index;     // 1 to entryCount()
        QString title; // the record's title
        int instance;  // element number for the element entries, else 1
    };

    explicit AddOnHost(QObject *parent = nullptr);
    ~AddOnHost() override;

    // Loads the add-on; on failure returns false with *error saying why.
    bool load(const QString &path, QString *error);
    bool isLoaded() const { return m_addOn != nullptr; }
    QString path() const { return m_library.fileName(); }

    QVector<Entry> entries() const;

    // Creates entry `index`'s dialog and attaches the memory to it, as the
    // host opens a dialog. Null when the entry has no dialog.
    QWidget *open(int index, IMemAPI *memory);
    // Opens and runs the dialog (the dialog shows itself and deletes itself
    // when closed). Returns false when the entry has no dialog.
    bool run(int index, IMemAPI *memory);

    VESTRA_HOST_COMMAND_TARGET_PLACEHOLDERS
    HRESULT executeCommand(const W_GUID *group, int command, std::uint64_t *reply,
                           std::uint64_t reserved, bool synchronous) override;

signals:
    // A dialog asked the editor to carry out `command` (a selection window).
    void commandReceived(int command);

private:
    QLibrary m_library;
    IGenericEditorPluginInterface *m_addOn = nullptr;
};
