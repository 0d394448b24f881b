#pragma once

#include <igenericeditorplugininterface.h>

#include <atomic>

// The add-on's root object: what the exported factory returns to the host.
//
// It answers the host's questions about the menu entries the add-on offers,
// creates the dialog behind an entry and hands out each dialog's
// IEditorExtensions. It keeps no list of the dialogs it created: each one
// lives until it is closed.
class DetailDialogsAddOn final : public IGenericEditorPluginInterface
{
public:
    DetailDialogsAddOn();
    DetailDialogsAddOn(const DetailDialogsAddOn &) = delete;
    DetailDialogsAddOn &operator=(const DetailDialogsAddOn &) = delete;

    HRESULT QueryInterface(const W_GUID &iid, void **out) override;
    std::uint32_t AddRef() override;
    std::uint32_t Release() override;
    HRESULT attachHost(void *host, IHostCommandTarget *commands) override;
    HRESULT reserved4() override;
    HRESULT reserved5() override;
    int entryCount(HRESULT *code) override;
    MenuEntryRecord *menuEntry(int index, HRESULT *code) override;
    MenuEntryRecord *menuEntryAlias(int index, HRESULT *code) override;
    HRESULT releaseMenuEntry(MenuEntryRecord *record) override;
    QWidget *createDialog(int index, HRESULT *code) override;
    IEditorExtensions *editorExtensionsOf(QWidget *dialog, HRESULT *code) override;
    HRESULT notImplemented() override;
    void destroy(unsigned int deleteFlag) override;

    // The host command interface given to attachHost(); null before.
    IHostCommandTarget *hostCommands() const { return m_hostCommands; }

private:
    ~DetailDialogsAddOn();

    std::atomic<std::uint32_t> m_refCount;
    IHostCommandTarget *m_hostCommands = nullptr;
};
