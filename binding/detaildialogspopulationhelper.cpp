#include "detaildialogspopulationhelper.h"

#include "formrewriting.h"
#include "parameteraddress.h"

#include <izintavoicedata.h>
#include <mimesourcefactory.h>

#include <cdial.h>
#include <cfader.h>
#include <chotspotlabel.h>
#include <cpopup.h>
#include <cpulldownmenu.h>
#include <csimplenotifier.h>
#include <ctabwidget.h>
#include <ctextslider.h>
#include <QTabBar>
#include <imemapi.h>
#include <tmemproxy.h>

#include <QLabel>
#include <QTabWidget>

#include <cstdlib>

namespace {

const QColor formGrey(192, 192, 192);
const QColor valueCyan(0, 255, 255);
const QColor compareGrey(128, 128, 128);

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

// The direct children of `parent`, last to first.
template <typename Visit>
void forEachChildBackwards(QObject *parent, Visit visit)
{
    const QObjectList children = parent->children();
    for (int i = children.size() - 1; i >= 0; --i)
        visit(i, children.at(i));
}

// "Texts each followed by ;" for every value of a proxy's range.
QString valueTexts(IMemAPI *memAPI, TMemProxy *proxy, const IMemAPI::TSingleAddress &triple)
{
    double value = 0;
    double minimum = 0;
    double maximum = 0;
    bool valid = true;
    proxy->getInformation(value, minimum, maximum, valid);
    QString items;
    for (int v = static_cast<int>(minimum); v <= static_cast<int>(maximum); ++v) {
        QString text;
        QPixmap pixmap;
        memAPI->parameterText(triple.part, IMemAPI::ValueText, text, pixmap, v, 0, triple.high,
                              triple.low);
        items += text;
        items += QLatin1Char(';');
    }
    return items;
}

} // namespace

DetailDialogsPopulationHelper::DetailDialogsPopulationHelper(QObject *dialog)
    : m_dialog(dialog)
    , m_faderImage(fromMimeSource(QStringLiteral("zinta_horzfader.png")))
{
}

DetailDialogsPopulationHelper::~DetailDialogsPopulationHelper() = default;

void DetailDialogsPopulationHelper::setMemAPI(IMemAPI *memAPI)
{
    m_memAPI = memAPI;
}

void DetailDialogsPopulationHelper::setVoiceType(int voiceType)
{
    if (voiceType == 0 || !m_dialog || !m_memAPI)
        return;
    m_voiceType = voiceType;
    rewriteFormAddresses(m_dialog, voiceType);
}

void DetailDialogsPopulationHelper::setLabelAddressMap(LabelAddressMap *map)
{
    m_labelAddressMap = map;
}

QList<QWidget *> DetailDialogsPopulationHelper::pages() const
{
    QList<QWidget *> result;
    if (!m_dialog)
        return result;
    const auto tabWidgets =
        m_dialog->findChildren<QTabWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QTabWidget *tabWidget : tabWidgets) {
        for (int i = 0; i < tabWidget->count(); ++i)
            result.append(tabWidget->widget(i));
    }
    return result;
}

void DetailDialogsPopulationHelper::slotInitialise()
{
    if (!m_dialog || !m_memAPI || m_initialised)
        return;

    int pageIndex = 0;
    const auto tabWidgets =
        m_dialog->findChildren<QTabWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QTabWidget *tabWidget : tabWidgets) {
        setBackground(tabWidget, formGrey);
        for (int i = 0; i < tabWidget->count(); ++i, ++pageIndex) {
            QWidget *page = tabWidget->widget(i);
            setBackground(page, formGrey);
            populateLists(page);
            registerLabels(pageIndex, page);
            findCompanions(pageIndex, page);
        }
        if (auto *cTabWidget = qobject_cast<CTabWidget *>(tabWidget)) {
            if (QWidget *tabBar = cTabWidget->getTabBar())
                setBackground(tabBar, formGrey);
        }
    }

    m_memAPI->connectSignal("2enterCompareMode(bool)", this, "1slotEnterCompareMode(bool)", true);

    IZintaVoiceData *voiceData = ParameterAddress::voiceDataOf(m_memAPI);
    m_initialised = true;
    slotUpdateTabs();
    slotUpdateTabs();
    if (voiceData)
        voiceData->setCompareMode(voiceData->isCompareMode());
}

void DetailDialogsPopulationHelper::slotUpdateTabs()
{
    if (!m_initialised)
        return;
    if (m_refreshDepth++ > 0)
        return;
    if (!m_dialog || !m_memAPI) {
        m_refreshDepth = 0;
        return;
    }
    const QList<QWidget *> formPages = pages();
    for (int pageIndex = 0; pageIndex < formPages.size(); ++pageIndex) {
        displayNames(pageIndex);
        populateLists(formPages.at(pageIndex));
        updateVisibility(pageIndex);
    }
    m_refreshDepth = 0;
}

void DetailDialogsPopulationHelper::slotOnEditBufferLoaded(short, short)
{
    slotUpdateTabs();
}

void DetailDialogsPopulationHelper::slotEnterCompareMode(bool on)
{
    if (m_memAPI) {
        const QColor colour = on ? compareGrey : valueCyan;
        for (QWidget *page : pages()) {
            const auto widgets =
                page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
            for (QWidget *widget : widgets) {
                if (qobject_cast<CTextSlider *>(widget))
                    setForeground(widget, colour);
                widget->setEnabled(!on);
            }
        }
    }
    slotUpdateTabs();
}

void DetailDialogsPopulationHelper::slotSetEditChannel(int channel)
{
    m_editChannel = channel;
}

void DetailDialogsPopulationHelper::slotRegisterNotifier(QString address, bool bCanFlush)
{
    address = ParameterAddress::forVoiceType(address, m_voiceType);
    if (!m_memAPI || !m_dialog)
        return;
    int part = m_editChannel;
    if (ParameterAddress::isDrumKeyAddress(address)) {
        if (IZintaVoiceData *voiceData = ParameterAddress::voiceDataOf(m_memAPI))
            part = voiceData->currentDrumKey();
    }
    auto *notifier = new CSimpleNotifier(m_dialog, nullptr);
    CSimpleNotifier::Create(m_memAPI, this, address, part, "1slotUpdateTabs()", notifier, nullptr);
    if (bCanFlush)
        m_flushableNotifiers.push_back(notifier);
}

void DetailDialogsPopulationHelper::populateLists(QWidget *page)
{
    forEachChildBackwards(page, [this](int, QObject *child) {
        if (auto *menu = qobject_cast<CPullDownMenu *>(child)) {
            menu->setMenuItemList(valueTexts(m_memAPI, menu, *menu));
            menu->process(nullptr, 0, 0);
        } else if (auto *popup = qobject_cast<CPopup *>(child)) {
            popup->setLabels(valueTexts(m_memAPI, popup, *popup));
            popup->process(nullptr, 0, 0);
            popup->update();
        }
    });
}

void DetailDialogsPopulationHelper::registerLabels(int pageIndex, QWidget *page)
{
    forEachChildBackwards(page, [&](int childIndex, QObject *child) {
        auto *label = qobject_cast<QLabel *>(child);
        if (!label)
            return;
        const QString text = label->text();
        const Key key(pageIndex, childIndex);
        if (ParameterAddress::isAddress(text) || text == QLatin1String("StaticText")) {
            if (!m_labelAddressMap)
                return;
            const auto mapped = m_labelAddressMap->find(label->objectName());
            if (mapped == m_labelAddressMap->end())
                return;
            if (!ParameterAddress::resolve(m_memAPI, mapped->second, nullptr))
                return;
            m_labels[key] = LabelEntry{ label, mapped->second, true };
        } else {
            m_labels[key] = LabelEntry{ label, QString(), false };
        }
    });
}

void DetailDialogsPopulationHelper::findCompanions(int pageIndex, QWidget *page)
{
    forEachChildBackwards(page, [&](int childIndex, QObject *child) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget)
            return;
        const Key key(pageIndex, childIndex);
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            m_companions[key] = Companion{ widget, label };
            return;
        }
        if (!qobject_cast<CDial *>(widget) && !qobject_cast<CTextSlider *>(widget)
            && !qobject_cast<CFader *>(widget))
            return;
        const QPoint c = widget->pos();
        QLabel *best = nullptr;
        int bestDistance = 0;
        for (auto it = m_labels.lower_bound(Key(pageIndex, 0));
             it != m_labels.end() && it->first.first == pageIndex; ++it) {
            QLabel *label = it->second.label;
            if (qobject_cast<CPullDownMenu *>(label) || qobject_cast<CHotspotLabel *>(label))
                continue;
            const QPoint l = label->pos();
            const int below = c.y() - l.y();
            if (below < 0 || below > 24 || c.x() < l.x() - 10 || c.x() > l.x() + 200)
                continue;
            const int distance = std::abs(c.x() - l.x()) + below;
            if (!best || distance < bestDistance) {
                best = label;
                bestDistance = distance;
            }
        }
        if (best)
            m_companions[key] = Companion{ widget, best };
    });
}

void DetailDialogsPopulationHelper::displayNames(int pageIndex)
{
    for (auto it = m_labels.lower_bound(Key(pageIndex, 0));
         it != m_labels.end() && it->first.first == pageIndex; ++it) {
        const LabelEntry &entry = it->second;
        if (!entry.bound)
            continue;
        const QString address = ParameterAddress::forVoiceType(entry.address, m_voiceType);
        IMemAPI::TSingleAddress triple;
        if (!ParameterAddress::resolve(m_memAPI, address, &triple))
            continue;
        const int part = ParameterAddress::partFor(m_memAPI, address, triple, m_editChannel);
        QString name;
        QPixmap pixmap;
        if (m_memAPI->parameterText(static_cast<quint16>(part), IMemAPI::NameText, name, pixmap, 0,
                                    0, triple.high, triple.low)
            != 0)
            continue;
        entry.label->setText(name);
        entry.label->setToolTip(name);
    }
}

void DetailDialogsPopulationHelper::updateVisibility(int pageIndex)
{
    for (auto it = m_companions.lower_bound(Key(pageIndex, 0));
         it != m_companions.end() && it->first.first == pageIndex; ++it) {
        QWidget *widget = it->second.widget;
        if (auto *proxy = dynamic_cast<TMemProxy *>(widget)) {
            proxy->process(nullptr, 0, 0);
            it->second.label->setVisible(!widget->isHidden());
        }
        if (auto *slider = qobject_cast<CTextSlider *>(widget)) {
            slider->forceUpdate();
        } else if (auto *fader = qobject_cast<CFader *>(widget)) {
            QPalette palette = fader->palette();
            palette.setBrush(QPalette::Window, QBrush(m_faderImage));
            fader->setPalette(palette);
            fader->setAutoFillBackground(true);
            fader->setHorDir(true);
        }
    }
}
