#pragma once

#include <QDockWidget>

class EffectPresetPanel;
class LockPanel;
class MorphPanel;
class QMenu;
class SideBySidePanel;
class SoundTools;
class VariationPanel;

// The Sound Tools dock: effect presets, Randomise and Mutate, Morph and
// the locks, and two voices side by side, one page each.
class SoundToolsDock : public QDockWidget
{
    Q_OBJECT

public:
    SoundToolsDock(SoundTools *tools, QWidget *parent = nullptr);

    EffectPresetPanel *presets() const { return m_presets; }
    VariationPanel *variation() const { return m_variation; }
    MorphPanel *morph() const { return m_morph; }
    LockPanel *locks() const { return m_locks; }
    SideBySidePanel *sideBySide() const { return m_sideBySide; }

    // The Tools menu's entries: each shows its page and acts.
    void addActionsTo(QMenu *menu);
    // The preset store was replaced.
    void presetsChanged();

private:
    void showPage(QWidget *page);

    EffectPresetPanel *m_presets;
    VariationPanel *m_variation;
    MorphPanel *m_morph;
    LockPanel *m_locks;
    SideBySidePanel *m_sideBySide;
};
