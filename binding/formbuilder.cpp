#include "formbuilder.h"

#include <mimesourcefactory.h>

#include <cdial.h>
#include <cfader.h>
#include <chotspotlabel.h>
#include <clabeldisplay.h>
#include <conoffbutton.h>
#include <cpopup.h>
#include <cpulldownmenu.h>
#include <ctextslider.h>
#include <tmemproxy.h>

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace Form {
namespace {

QWidget *create(Kind kind, QWidget *page, const QByteArray &name)
{
    switch (kind) {
    case Kind::Label:
        return new QLabel(page);
    case Kind::Frame: {
        // Every frame of the forms is a sunken group-box panel.
        auto *frame = new QFrame(page);
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Sunken);
        return frame;
    }
    case Kind::TextSlider:
        return new CTextSlider(page, name.constData(), 0);
    case Kind::Fader:
        return new CFader(page, name.constData());
    case Kind::Popup:
        return new CPopup(page, name.constData());
    case Kind::PullDownMenu:
        return new CPullDownMenu(page, name.constData());
    case Kind::HotspotLabel:
        return new CHotspotLabel(page, name.constData());
    case Kind::LabelDisplay:
        return new CLabelDisplay(page, name.constData());
    case Kind::OnOffButton:
        return new COnOffButton(page, name.constData());
    case Kind::PushButton:
        return new QPushButton(page);
    case Kind::Dial:
        return new CDial(page, name.constData());
    }
    return nullptr;
}

QString translated(const char *context, const char *text)
{
    return QCoreApplication::translate(context, text);
}

void setAddress(QWidget *widget, const QString &address)
{
    if (auto *proxy = dynamic_cast<TMemProxy *>(widget))
        proxy->setNamedAddress(address);
}

} // namespace

int runningNumber(const QString &name)
{
    auto digitsBefore = [&name](int end) {
        int start = end;
        while (start > 0 && name.at(start - 1).isDigit())
            --start;
        return start;
    };
    int end = name.size();
    int start = digitsBefore(end);
    if (start == end)
        return -1;
    // A copy of a widget ("pushButton2375_2") was drawn with its original:
    // it takes the original's number, the builder keeping table order
    // among equal numbers.
    if (start > 1 && name.at(start - 1) == QLatin1Char('_') && name.at(start - 2).isDigit()) {
        end = start - 1;
        start = digitsBefore(end);
    }
    return name.mid(start, end - start).toInt();
}

Builder::Builder(QWidget *page)
    : m_page(page)
{
}

Builder &Builder::rows(const Row *rows, std::size_t count, const RowLayout &layout)
{
    for (std::size_t i = 0; i < count; ++i) {
        const Row &row = rows[i];
        const int rowIndex = static_cast<int>(m_rows.size());
        m_rows.push_back(&row);
        const int captionWidth =
            row.exception.captionWidth ? row.exception.captionWidth : layout.captionWidth;
        auto add = [&](const char *name, Kind kind, int x, int y, int width, int height, int slot) {
            const QString objectName = QLatin1String(name);
            m_pending.push_back({ runningNumber(objectName), static_cast<int>(m_pending.size()),
                                  kind, objectName, x, y, width, height, rowIndex, slot, nullptr });
        };
        add(row.captionLabel, Kind::Label, row.x + layout.captionDx,
            row.y + layout.captionDy + row.exception.captionDy, captionWidth, layout.captionHeight,
            0);
        add(row.valueField, Kind::TextSlider, row.x, row.y, layout.valueWidth, layout.valueHeight,
            1);
        add(row.fader, Kind::Fader, row.x + layout.faderDx, row.y + row.exception.faderDy,
            layout.faderWidth, layout.faderHeight, 2);
    }
    return *this;
}

Builder &Builder::widgets(const Widget *widgets, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const Widget &w = widgets[i];
        const QString objectName = QLatin1String(w.name);
        m_pending.push_back({ runningNumber(objectName), static_cast<int>(m_pending.size()), w.kind,
                              objectName, w.x, w.y, w.width, w.height, -1, 0, &w });
    }
    return *this;
}

void Builder::build(Built &built)
{
    std::stable_sort(m_pending.begin(), m_pending.end(), [](const Pending &a, const Pending &b) {
        if (a.number != b.number)
            return a.number < b.number;
        return a.sequence < b.sequence;
    });

    const std::size_t firstRow = built.rows.size();
    for (const Row *row : m_rows)
        built.rows.push_back({ row, nullptr, nullptr, nullptr });

    for (const Pending &p : m_pending) {
        QWidget *widget = create(p.kind, m_page, p.name.toLatin1());
        widget->setObjectName(p.name);
        widget->setGeometry(p.x, p.y, p.width, p.height);
        built.byName.insert(p.name, widget);
        if (p.kind == Kind::TextSlider)
            setUpValueField(static_cast<CTextSlider *>(widget));
        else if (p.kind == Kind::Fader)
            setUpFader(static_cast<CFader *>(widget));
        if (p.rowIndex >= 0) {
            RowWidgets &r = built.rows[firstRow + static_cast<std::size_t>(p.rowIndex)];
            if (p.rowSlot == 0)
                r.caption = static_cast<QLabel *>(widget);
            else if (p.rowSlot == 1)
                r.valueField = static_cast<CTextSlider *>(widget);
            else
                r.fader = static_cast<CFader *>(widget);
        } else {
            built.widgets.emplace_back(p.widget, widget);
        }
    }
    m_pending.clear();
    m_rows.clear();
}

void applyTexts(const char *context, const Built &built)
{
    for (const RowWidgets &r : built.rows) {
        const QString address = translated(context, r.row->address);
        if (r.row->caption == nameA)
            r.caption->setText(address);
        else if (r.row->caption == nameP)
            r.caption->setText(translated(context, "StaticText"));
        else
            r.caption->setText(translated(context, r.row->caption));
        r.valueField->setNamedAddress(address);
        r.fader->setNamedAddress(address);
    }
    for (const auto &[entry, widget] : built.widgets) {
        if (entry->text) {
            if (auto *label = qobject_cast<QLabel *>(widget))
                label->setText(translated(context, entry->text));
            else if (auto *button = qobject_cast<QPushButton *>(widget))
                button->setText(translated(context, entry->text));
        }
        if (entry->address)
            setAddress(widget, translated(context, entry->address));
    }
}

void setUpValueField(CTextSlider *valueField)
{
    QPalette palette = valueField->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 255, 255));
    palette.setColor(QPalette::Text, QColor(0, 255, 255));
    palette.setColor(QPalette::Window, QColor(0, 0, 0));
    palette.setColor(QPalette::Base, QColor(0, 0, 0));
    valueField->setPalette(palette);
    valueField->setAutoFillBackground(true);
    valueField->setTableId(0);
    valueField->setUseTableId(true);
    valueField->setClickStepping(true);
    valueField->setProperty("enableFocusRect", true);
}

void setUpFader(CFader *fader)
{
    fader->setOrientation(Qt::Horizontal);
    fader->setPixmap(fromMimeSource(QStringLiteral("zinta_horzfader.png")));
    fader->setThumbImage(fromMimeSource(QStringLiteral("zinta_horzfaderthumb.png")));
    fader->setTableId(0);
    fader->setFocusColor(QColor(155, 255, 255));
}

void setUpPopup(CPopup *popup, const QColor &foreground, Qt::FocusPolicy focus, int columns)
{
    QPalette palette = popup->palette();
    palette.setColor(QPalette::WindowText, foreground);
    palette.setColor(QPalette::Text, foreground);
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::Base, Qt::black);
    popup->setPalette(palette);
    popup->setAutoFillBackground(true);
    popup->setProperty("enableFocusRect", true);
    popup->setFocusPolicy(focus);
    popup->setFocusColor(QColor(155, 255, 255));
    popup->setColumnsCount(columns);
    popup->setButtonTextColor(QColor(0, 255, 255));
    popup->setGrouping(false);
    popup->setLabelSizeToContents(true);
    popup->setGreyOnDisable(true);
}

void setUpDisplay(CHotspotLabel *display)
{
    QPalette palette = display->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 255, 255));
    palette.setColor(QPalette::Window, Qt::black);
    display->setPalette(palette);
    display->setAutoFillBackground(true);
    display->setCursor(Qt::ArrowCursor);
    display->setFocusColor(QColor(155, 255, 255));
    display->setInverseColorOnFocus(true);
    display->setGreyOnDisable(true);
    display->setHotSpot(0, 0, display->width(), display->height());
}

} // namespace Form
