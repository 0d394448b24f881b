#pragma once

#include <imemapi.h>

#include <QObject>
#include <QPointer>

// A parameter memory that a dialog or a helper holds without owning it. The
// host may delete the memory while the dialog lives; when the memory is a
// QObject (as every memory of this platform is), the hold then reads null
// instead of pointing at freed memory. A memory that is not a QObject cannot
// be watched and is held as it was given.
class GuardedMemAPI
{
public:
    GuardedMemAPI &operator=(IMemAPI *memAPI)
    {
        m_memAPI = memAPI;
        m_object = dynamic_cast<QObject *>(memAPI);
        m_watched = !m_object.isNull();
        return *this;
    }

    IMemAPI *get() const { return m_watched && m_object.isNull() ? nullptr : m_memAPI; }
    operator IMemAPI *() const { return get(); }
    IMemAPI *operator->() const { return get(); }
    // The memory's QObject, or null when it is gone or is not one.
    QObject *object() const { return m_object; }

private:
    IMemAPI *m_memAPI = nullptr;
    QPointer<QObject> m_object;
    bool m_watched = false;
};
