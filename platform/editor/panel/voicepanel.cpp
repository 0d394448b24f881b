#include "panel/voicepanel.h"

#include <partnames.h>
#include <tparametermemory.h>
#include <voice.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>

VoicePanel::VoicePanel(int drumKey, QWidget *parent)
    : QWidget(parent)
    , m_name(new QLineEdit(this))
    , m_category(new QComboBox(this))
    , m_voiceType(new QComboBox(this))
    , m_element(new QComboBox(this))
    , m_drumKey(new QComboBox(this))
    , m_compare(new QCheckBox(tr("Compare with the stored voice"), this))
    , m_log(new QListWidget(this))
{
    auto *form = new QFormLayout(this);
    m_name->setObjectName(QStringLiteral("voiceName"));
    m_name->setMaxLength(Voice::nameLength);
    m_name->setPlaceholderText(tr("Init Voice"));
    form->addRow(tr("Name"), m_name);
    m_category->setObjectName(QStringLiteral("voiceCategory"));
    m_category->addItems(Voice::categories());
    form->addRow(tr("Category"), m_category);
    m_voiceType->setObjectName(QStringLiteral("voiceType"));
    for (const VoiceType type : { VoiceType::Normal, VoiceType::Plugin, VoiceType::Drum })
        m_voiceType->addItem(voiceTypeName(type), int(type));
    form->addRow(tr("Voice type"), m_voiceType);
    m_element->setObjectName(QStringLiteral("element"));
    for (int e = 1; e <= TParameterMemory::ElementCount; ++e)
        m_element->addItem(tr("Element %1").arg(e));
    form->addRow(tr("Element shown"), m_element);
    m_drumKey->setObjectName(QStringLiteral("drumKey"));
    for (int key = 0; key < TParameterMemory::DrumKeyCount; ++key)
        m_drumKey->addItem(PartNames::drumKeyName(key));
    m_drumKey->setCurrentIndex(drumKey);
    form->addRow(tr("Drum key"), m_drumKey);
    m_compare->setObjectName(QStringLiteral("compare"));
    form->addRow(m_compare);
    m_log->setObjectName(QStringLiteral("commandLog"));
    form->addRow(tr("Host commands"), m_log);

    // A name typed, not one shown: focus leaving an untouched field is nothing.
    connect(m_name, &QLineEdit::editingFinished, this, [this] {
        if (m_name->isModified()) {
            m_name->setModified(false);
            emit nameEdited(m_name->text());
        }
    });
    connect(m_category, &QComboBox::textActivated, this, &VoicePanel::categoryChosen);
    connect(m_voiceType, &QComboBox::currentIndexChanged, this,
            [this](int i) { emit voiceTypeChosen(VoiceType(m_voiceType->itemData(i).toInt())); });
    connect(m_element, &QComboBox::currentIndexChanged, this, &VoicePanel::elementChosen);
    connect(m_drumKey, &QComboBox::currentIndexChanged, this, &VoicePanel::drumKeyChosen);
    connect(m_compare, &QCheckBox::toggled, this, &VoicePanel::compareToggled);
}

void VoicePanel::showVoiceType(VoiceType type, int elements, bool hasDrumKeys)
{
    {
        const QSignalBlocker block(m_voiceType);
        m_voiceType->setCurrentIndex(m_voiceType->findData(int(type)));
    }
    if (elements < 2)
        m_element->setCurrentIndex(0);
    m_element->setEnabled(elements > 1);
    m_drumKey->setEnabled(hasDrumKeys);
}

void VoicePanel::showCompareMode(bool on)
{
    {
        const QSignalBlocker block(m_compare);
        m_compare->setChecked(on);
    }
    m_voiceType->setEnabled(!on);
    m_name->setEnabled(!on);
    m_category->setEnabled(!on);
}

void VoicePanel::showHead(const QString &name, const QString &category)
{
    if (m_name->text() != name)
        m_name->setText(name);
    const QSignalBlocker block(m_category);
    m_category->setCurrentIndex(
        int(Voice::categories().indexOf(category.isEmpty() ? Voice::noCategory() : category)));
}

void VoicePanel::logCommand(const QString &text)
{
    m_log->addItem(text);
    m_log->scrollToBottom();
}
