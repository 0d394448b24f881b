#pragma once

#include <voice.h>

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class EffectPresetStore;
class QAbstractItemView;
class QAction;
class QMainWindow;
class QMenu;
class QModelIndex;
class QWidget;
class SecondVoice;
struct SoundBlock;
class SoundToolsDock;
class TParameterMemory;
class ToolLocks;

// The tools for making sounds in an editor window: copy and paste of a
// block through the system clipboard (Edit menu, Ctrl+Shift+C and
// Ctrl+Shift+V, and the view's context menu), effect presets, Randomise,
// Mutate, Morph and the locks they respect (the Tools menu and the Sound
// Tools dock). Every change goes through the parameter memory as one step
// of the window's history, so open dialogs and the view follow it.
class SoundTools : public QObject
{
    Q_OBJECT

public:
    // Runs `edits` as one step of the history named `name`; false when it
    // was refused (compare mode). The editor passes its history's
    // runAsOneStep.
    using StepRunner = std::function<bool(const QString &name, const std::function<void()> &edits)>;
    // The item roles of the view's rows that give a row's block, parameter
    // and part in the memory.
    struct ViewRoles
    {
        int high;
        int low;
        int part;
    };

    SoundTools(TParameterMemory *memory, StepRunner runStep, QObject *parent = nullptr);
    ~SoundTools() override;

    // Puts the tools into `window`: Copy Block and Paste Block at the end
    // of `editMenu`, a Tools menu before the window's last menu, the Sound
    // Tools dock, and the view's context menu when the view has none of
    // its own (otherwise the view can add contextMenu()).
    void install(QMainWindow *window, QMenu *editMenu, QAbstractItemView *view, ViewRoles roles);

    TParameterMemory *memory() const { return m_memory; }
    ToolLocks *locks() const { return m_locks; }
    // The voice Morph and Side by Side work with beside the edited one.
    SecondVoice *secondVoice() const { return m_secondVoice; }

    // Lets a person find a voice in the editor's library: the voice and the
    // text that names where it came from ("from the library"), or nothing
    // when cancelled. Without one (no library open) the choice is offered
    // disabled.
    using LibraryVoicePicker =
        std::function<std::optional<std::pair<Voice, QString>>(QWidget *parent)>;
    void setLibraryVoicePicker(LibraryVoicePicker picker)
    {
        m_pickLibraryVoice = std::move(picker);
    }
    const LibraryVoicePicker &libraryVoicePicker() const { return m_pickLibraryVoice; }
    EffectPresetStore *presetStore() const { return m_presets.get(); }
    // Replaces the preset store (the default keeps them in a JSON file).
    void setPresetStore(std::unique_ptr<EffectPresetStore> store);
    SoundToolsDock *dock() const { return m_dock; }
    QAction *copyBlockAction() const { return m_copy; }
    QAction *pasteBlockAction() const { return m_paste; }

    bool runStep(const QString &name, const std::function<void()> &edits) const;

    // The block and part of a row of the view.
    struct Place
    {
        const SoundBlock *block;
        int part;
    };
    std::optional<Place> placeOf(const QModelIndex &index) const;

    // Copies `block` in `part` to the clipboard; pastes the clipboard's
    // block into `block` in `part` as one step. False with a message when
    // there is nothing to do.
    bool copyBlock(const SoundBlock &block, int part);
    bool pasteBlock(const SoundBlock &block, int part);

    // The view's context menu for a row: the block's copy and paste and
    // the locks of its parameter, block and element or key.
    QMenu *contextMenu(const QModelIndex &index, QWidget *parent);

signals:
    // A message for the status bar.
    void message(const QString &text);

private:
    void copyCurrent();
    void pasteCurrent();

    TParameterMemory *m_memory;
    StepRunner m_runStep;
    ToolLocks *m_locks;
    SecondVoice *m_secondVoice;
    LibraryVoicePicker m_pickLibraryVoice;
    std::unique_ptr<EffectPresetStore> m_presets;
    QPointer<QAbstractItemView> m_view;
    ViewRoles m_roles{ 0, 0, 0 };
    SoundToolsDock *m_dock = nullptr;
    QAction *m_copy;
    QAction *m_paste;
};
