#pragma once

#include <QWidget>

class QPushButton;
class QSpinBox;
class SoundTools;

// Randomise and Mutate: an amount (1 to 100 %) for Mutate and the amount
// above which Mutate changes types too. Each press is one step of the
// history, named with its seed so that a script can repeat it.
class VariationPanel : public QWidget
{
    Q_OBJECT

public:
    explicit VariationPanel(SoundTools *tools, QWidget *parent = nullptr);

    QSpinBox *amountBox() const { return m_amount; }
    QSpinBox *typesAboveBox() const { return m_typesAbove; }

    // With a seed drawn now, or the one given.
    bool randomise();
    bool randomise(quint64 seed);
    bool mutate();
    bool mutate(quint64 seed);

private:
    SoundTools *m_tools;
    QSpinBox *m_amount;
    QSpinBox *m_typesAbove;
};
