#pragma once

#include <voice.h>

#include <QWidget>

#include <optional>

class QLabel;
class QSlider;
class SoundTools;

// Morph: the tools' second voice and a slider from 0 % (the voice as it
// was when the second voice was chosen, or when Start Here was pressed) to
// 100 % (the second voice). The voice follows the slider while it moves; a drag
// is one step of the history, and so is each key or click on the slider.
// Locks apply.
class MorphPanel : public QWidget
{
    Q_OBJECT

public:
    explicit MorphPanel(SoundTools *tools, QWidget *parent = nullptr);

    QSlider *slider() const { return m_slider; }

    // The voice as it is now becomes the 0 % end; the slider goes there.
    void startHere();

private:
    void secondVoiceChanged();
    void moved(int value);
    void pressed();
    void released();
    void apply(int value);
    void showEnds();
    const std::optional<Voice> &second() const;

    SoundTools *m_tools;
    QLabel *m_second;
    QSlider *m_slider;
    QLabel *m_amount;
    std::optional<Values> m_first;
    Values m_beforeDrag;
};
