#pragma once

#include <plugin_c_view.h>

#include <QString>

#include <dlfcn.h>

// The built add-on, opened the way a host written in C opens it: dlopen,
// dlsym of the factory, and calls through the object's table of functions.
class AddOnLibrary
{
public:
    AddOnLibrary()
        : m_handle(dlopen(VESTRA_ADDON_PATH, RTLD_NOW | RTLD_LOCAL))
    {
    }
    ~AddOnLibrary()
    {
        if (m_handle)
            dlclose(m_handle);
    }
    AddOnLibrary(const AddOnLibrary &) = delete;
    AddOnLibrary &operator=(const AddOnLibrary &) = delete;

    bool isLoaded() const { return m_handle != nullptr; }
    static QString error() { return QString::fromLocal8Bit(dlerror()); }

    // A new add-on object from the exported factory, or null.
    void *create() const
    {
        using Factory = void *(*)();
        auto factory = reinterpret_cast<Factory>(dlsym(m_handle, "vestra_vce_factory"));
        return factory ? factory() : nullptr;
    }

    static const IGenericEditorPluginInterfaceVtbl *table(void *object)
    {
        return *static_cast<const IGenericEditorPluginInterfaceVtbl *const *>(object);
    }

private:
    void *m_handle;
};
