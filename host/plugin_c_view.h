#pragma once

/*
 * The add-on's tables as a host written in C sees them: each interface is a
 * pointer to a table of function pointers, in slot order, each taking the
 * object as its first argument (Linux x86-64, Itanium C++ ABI).
 */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
typedef bool vestra_bool;
#else
typedef _Bool vestra_bool;
#endif

typedef struct VestraGuidBytes
{
    uint8_t bytes[16];
} VestraGuidBytes;

typedef struct IGenericEditorPluginInterfaceVtbl
{
    int32_t (*QueryInterface)(void *self, const VestraGuidBytes *iid, void **out); /* 0 */
    uint32_t (*AddRef)(void *self);                                                /* 1 */
    uint32_t (*Release)(void *self);                                               /* 2 */
    int32_t (*attachHost)(void *self, void *host, void *commands);                 /* 3 */
    int32_t (*reserved4)(void *self);                                              /* 4 */
    int32_t (*reserved5)(void *self);                                              /* 5 */
    int (*entryCount)(void *self, int32_t *code);                                  /* 6 */
    void *(*menuEntry)(void *self, int index, int32_t *code);                      /* 7 */
    void *(*menuEntryAlias)(void *self, int index, int32_t *code);                 /* 8 */
    int32_t (*releaseMenuEntry)(void *self, void *record);                         /* 9 */
    void *(*createDialog)(void *self, int index, int32_t *code);                   /* 10 */
    void *(*editorExtensionsOf)(void *self, void *widget, int32_t *code);          /* 11 */
    int32_t (*notImplemented)(void *self);                                         /* 12 */
    void (*destroy)(void *self, unsigned int deleteFlag);                          /* 13 */
} IGenericEditorPluginInterfaceVtbl;

typedef struct IEditorExtensionsVtbl
{
    int32_t (*savePrivateData)(void *self, void *stream); /* 0 */
    int32_t (*loadPrivateData)(void *self, void *stream); /* 1 */
    int32_t (*attachMemAPI)(void *self, void *memAPI);    /* 2 */
    int32_t (*runDialog)(void *self);                     /* 3 */
    int32_t (*addOnOf)(void *self, void **out);           /* 4 */
} IEditorExtensionsVtbl;

typedef struct IHostCommandTargetVtbl
{
    void (*reserved[5])(void *self); /* 0 to 4 */
    int32_t (*executeCommand)(void *self, const VestraGuidBytes *group, int command,
                              uint64_t *reply, uint64_t reserved, vestra_bool synchronous); /* 5 */
} IHostCommandTargetVtbl;

#ifdef __cplusplus
}
#endif
