#pragma once

#include "recordinghost.h"
#include "testvoicedata.h"

#include <cfader.h>
#include <ieditorextensions.h>
#include <igenericeditorplugininterface.h>
#include <ctextslider.h>
#include <hostlook.h>
#include <tparametermemory.h>

#include <QHash>
#include <QLabel>
#include <QLibrary>
#include <QPointer>
#include <QRegularExpression>
#include <QTabWidget>
#include <QtTest>

// What a host gives a dialog: the built add-on loaded by path, a real
// parameter memory with voice data, and a host command interface that
// records commands. Dialogs are opened the way the host opens them:
// createDialog, editorExtensionsOf, attachMemAPI.
class HostFixture
{
public:
    HostFixture()
        : m_library(QStringLiteral(VESTRA_ADDON_PATH))
    {
        memory.setVoiceData(&voiceData);
        auto factory = reinterpret_cast<VestraVceFactory>(m_library.resolve("vestra_vce_factory"));
        if (factory)
            addOn = factory();
        if (addOn)
            addOn->attachHost(nullptr, &host);
    }
    ~HostFixture()
    {
        for (const QPointer<QWidget> &dialog : std::as_const(m_dialogs))
            delete dialog.data();
        if (addOn)
            addOn->Release();
    }
    HostFixture(const HostFixture &) = delete;
    HostFixture &operator=(const HostFixture &) = delete;

    QString loadError() const { return addOn ? QString() : m_library.errorString(); }

    // The dialog of a menu entry, created but without a parameter memory.
    // Its label texts as built are kept for namedByMemory().
    QWidget *create(int entry)
    {
        HRESULT code = -1;
        QWidget *dialog = addOn->createDialog(entry, &code);
        if (code != VESTRA_S_OK || !dialog)
            return nullptr;
        HostLook::applyTo(dialog);
        m_dialogs << dialog;
        for (QLabel *label : dialog->findChildren<QLabel *>())
            m_builtTexts.insert(label, label->text());
        return dialog;
    }
    IEditorExtensions *extensionsOf(QWidget *dialog)
    {
        return addOn->editorExtensionsOf(dialog, nullptr);
    }
    void attach(QWidget *dialog, IMemAPI *api)
    {
        if (IEditorExtensions *extensions = extensionsOf(dialog))
            extensions->attachMemAPI(api);
    }
    // Created and attached to the memory, as the host opens a dialog before
    // running it; shown (not modally), so that visibility can be checked.
    QWidget *open(int entry)
    {
        QWidget *dialog = create(entry);
        if (!dialog)
            return nullptr;
        attach(dialog, &memory);
        dialog->show();
        return dialog;
    }

    // Whether the form drew the label as a caption to be named by the memory.
    bool namedByMemory(QLabel *label) const
    {
        static const QRegularExpression address(QStringLiteral("^[0-9a-fA-F][0-9a-fA-F]k.*/k"));
        const QString text = m_builtTexts.value(label);
        return text == QLatin1String("StaticText") || address.match(text).hasMatch();
    }

    int minimum(const QString &address, int part) const
    {
        return bound(address, part, &TParameterMemory::minimum);
    }
    int maximum(const QString &address, int part) const
    {
        return bound(address, part, &TParameterMemory::maximum);
    }
    // A value of the parameter other than its current one.
    int otherValue(const QString &address, int part) const
    {
        const int low = minimum(address, part), high = maximum(address, part);
        const int middle = low + (high - low) / 2;
        return middle != memory.value(address, part) ? middle : middle < high ? middle + 1 : low;
    }
    // Every value text of a parameter's range, in value order.
    QStringList valueTexts(const QString &address, int part) const
    {
        QStringList texts;
        for (int v = minimum(address, part); v <= maximum(address, part); ++v)
            texts << memory.valueText(address, part, v);
        return texts;
    }

    RecordingHost host;
    TestVoiceData voiceData;
    TParameterMemory memory;
    IGenericEditorPluginInterface *addOn = nullptr;

private:
    int bound(const QString &address, int part,
              int (TParameterMemory::*end)(quint16, quint16, int) const) const
    {
        quint16 high = 0, low = 0;
        return memory.findParameter(address, &high, &low) ? (memory.*end)(high, low, part) : 0;
    }

    QLibrary m_library;
    QList<QPointer<QWidget>> m_dialogs;
    QHash<QLabel *, QString> m_builtTexts;
};

namespace Form {

template <typename T = QWidget>
T *child(const QObject *parent, const QString &name)
{
    return parent->findChild<T *>(name);
}

inline QString addressOf(QObject *widget)
{
    auto *proxy = dynamic_cast<TMemProxy *>(widget);
    return proxy ? proxy->namedAddress() : QString();
}

// The pages of the dialog's tab widget, in order.
inline QList<QWidget *> pages(QWidget *dialog)
{
    QList<QWidget *> result;
    for (QTabWidget *tabs :
         dialog->findChildren<QTabWidget *>(QString(), Qt::FindDirectChildrenOnly))
        for (int i = 0; i < tabs->count(); ++i)
            result << tabs->widget(i);
    return result;
}

// The widgets of type T directly on a page, in creation order.
template <typename T>
QList<T *> on(QWidget *page)
{
    return page->findChildren<T *>(QString(), Qt::FindDirectChildrenOnly);
}

// Whether `fader` stands beside `field` as the fader of its row: on the
// same page and line (a pixel off at most), just right of it.
inline bool besideEachOther(const QWidget *field, const QWidget *fader)
{
    const int gap = fader->x() - field->geometry().right() - 1;
    return field->parentWidget() == fader->parentWidget() && qAbs(fader->y() - field->y()) <= 1
        && gap >= 0 && gap <= 15;
}

// The fader of a row: the one beside the value field.
inline CFader *faderBeside(CTextSlider *field)
{
    for (CFader *fader : on<CFader>(field->parentWidget()))
        if (besideEachOther(field, fader))
            return fader;
    return nullptr;
}

// The caption of a row: the nearest label standing on the value field, its
// left edge at most 20 pixels left of the field's.
inline QLabel *captionAbove(QWidget *field)
{
    QLabel *best = nullptr;
    for (QLabel *label : on<QLabel>(field->parentWidget())) {
        const int dx = field->x() - label->x();
        if (dx >= 0 && dx <= 20 && qAbs(label->geometry().bottom() + 1 - field->y()) <= 1
            && (!best || dx < field->x() - best->x()))
            best = label;
    }
    return best;
}

// The part an address stands for in a dialog that edits `editPart`.
inline int partOf(const QString &address, int editPart)
{
    return address.startsWith(QLatin1String("FE"), Qt::CaseInsensitive)
        ? editPart
        : address.left(2).toInt(nullptr, 16) / 16;
}

// Every slider-and-fader row of an open dialog, checked as a user meets it:
// every shown fader with an address stands beside a value field of the same
// address; the fader beside the value field edits the same parameter, the caption
// above names it when the form left the naming to the memory, a value set
// in the memory shows in both controls, a click into the value field focuses
// it without a step, and keys on it (Home, then Page Up, which must move any
// range of two values or more) and a second click on its left half (one step
// down) write the parameter and reach the fader.
// Returns what is wrong, one line a row; `rows` counts the rows with a fader.
inline QStringList checkRows(HostFixture &host, QWidget *dialog, int editPart, int *rows = nullptr)
{
    TParameterMemory &memory = host.memory;
    QStringList wrong;
    int seen = 0;
    // The dialog in front, as a click into it would bring it.
    QApplication::setActiveWindow(dialog);
    if (!QTest::qWaitForWindowActive(dialog))
        return { QStringLiteral("the dialog cannot be made the active window") };
    for (QWidget *page : pages(dialog)) {
        for (CFader *fader : on<CFader>(page)) {
            const QString address = fader->namedAddress();
            if (address.isEmpty() || fader->isHidden())
                continue;
            bool paired = false;
            for (CTextSlider *field : on<CTextSlider>(page))
                paired =
                    paired || (field->namedAddress() == address && besideEachOther(field, fader));
            if (!paired)
                wrong << fader->objectName() + QLatin1Char(' ') + address
                        + QLatin1String(": no value field beside it");
        }
        for (CTextSlider *field : on<CTextSlider>(page)) {
            const QString address = field->namedAddress();
            if (address.isEmpty() || field->isHidden() || !field->isBound())
                continue;
            const int part = partOf(address, editPart);
            const QString where =
                field->objectName() + QLatin1Char(' ') + address + QLatin1String(": ");
            // A field without a fader beside it stands alone (controller
            // sets, the drum key's wave number; a fader standing away from
            // its field is reported above); the fader stands for it.
            CFader *fader = faderBeside(field);
            QWidget *follower = fader ? static_cast<QWidget *>(fader) : field;
            auto shown = [fader, field] { return fader ? fader->value() : field->value(); };
            if (fader) {
                ++seen;
                QLabel *caption = captionAbove(field);
                if (!caption || fader->namedAddress() != address || fader->isHidden()
                    || caption->isHidden()) {
                    wrong << where + QLatin1String("no shown fader and caption beside it");
                    continue;
                }
                if (host.namedByMemory(caption) && caption->text() != memory.name(address, part))
                    wrong << where + QLatin1String("caption ") + caption->text();
            }
            const int v = host.otherValue(address, part);
            memory.setValue(address, part, v);
            if (field->value() != v || shown() != v)
                wrong << where + QLatin1String("a value set in the memory does not show");
            // Clicking into the field focuses it and, unless the focus had
            // come to it already, leaves the value alone.
            const bool hadFocus = field->hasFocus();
            QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier,
                              QPoint(4, field->height() / 2));
            if (!field->hasFocus() || (!hadFocus && memory.value(address, part) != v))
                wrong << where
                        + QLatin1String("a click into the field stepped it or did not focus it");
            QTest::keyClick(field, Qt::Key_Home);
            const int low = memory.value(address, part);
            QTest::keyClick(field, Qt::Key_PageUp);
            const int high = memory.value(address, part);
            const bool moves = host.maximum(address, part) > host.minimum(address, part);
            // A click on the field's left half steps down.
            QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier,
                              QPoint(4, field->height() / 2));
            const int clicked = memory.value(address, part);
            if (low != host.minimum(address, part)
                || (moves && (high <= low || clicked != high - 1)) || shown() != clicked)
                wrong << where
                        + QStringLiteral("Home gave %1, Page Up %2, a click %3, %4 shows %5")
                              .arg(low)
                              .arg(high)
                              .arg(clicked)
                              .arg(follower->objectName())
                              .arg(shown());
        }
    }
    if (rows)
        *rows = seen;
    return wrong;
}

} // namespace Form
