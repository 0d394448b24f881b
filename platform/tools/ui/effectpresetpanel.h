#pragma once

#include <QWidget>

class QComboBox;
class QListWidget;
struct EffectPreset;
struct SoundBlock;
class SoundTools;

// Effect presets: the effect slot worked on (the insertion effects, the
// reverb, the chorus), the presets with those the slot's types do not take
// greyed, and Store, Recall, Rename and Delete. A recall is one step of the
// history.
class EffectPresetPanel : public QWidget
{
    Q_OBJECT

public:
    explicit EffectPresetPanel(SoundTools *tools, QWidget *parent = nullptr);

    QComboBox *slotBox() const { return m_slot; }
    QListWidget *list() const { return m_list; }

    // The slot chosen, or null when the voice has none.
    const SoundBlock *currentSlot() const;
    // Keeps the chosen slot's effect as preset `name`, replacing one of
    // that name; false with a message when it cannot.
    bool storeCurrent(const QString &name);
    // Recalls the chosen preset into the chosen slot.
    bool recallChosen();
    // Reads the presets again.
    void refresh();

private:
    void fillSlots();
    void storeAsked();
    void renameChosen();
    void deleteChosen();
    QString chosenName() const;

    SoundTools *m_tools;
    QComboBox *m_slot;
    QListWidget *m_list;
};
