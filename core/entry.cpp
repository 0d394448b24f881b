// The library's entry: what happens when the host loads and unloads it, and
// the one function it exports.

#include "detaildialogsaddon.h"

#include <mimesourcefactory.h>

#include <new>

namespace {

// While the library is loaded its embedded images are served by name
// (zinta_horzfader.png, zinta_horzfaderthumb.png) through the default
// mime-source factory.
struct LibraryLifetime
{
    LibraryLifetime() { MimeSourceFactory_vestra_ziv21_editor_detail_dialogs_addon::install(); }
    ~LibraryLifetime() { MimeSourceFactory_vestra_ziv21_editor_detail_dialogs_addon::uninstall(); }
};

const LibraryLifetime libraryLifetime;

} // namespace

extern "C" __attribute__((visibility("default"))) IGenericEditorPluginInterface *
vestra_vce_factory()
{
    return new (std::nothrow) DetailDialogsAddOn;
}
