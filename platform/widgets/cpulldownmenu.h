#pragma once

#include "fittedtext.h"
#include "widgets_export.h"

#include <imemapi.h>
#include <tmemproxy.h>

#include <QLabel>
#include <QPointer>
#include <QStringList>

#include <QMenu>

// A label that selects its parameter's value from a menu: it shows the
// current item's text and, when clicked, opens a menu of all items in value
// order; choosing one writes that value. Delete and Ctrl+click go back to
// the parameter's default. Its items are those given to setMenuItemList()
// ("Off;On;", each text followed by ";"), one per value from the
// parameter's minimum; without them, the memory's value texts. A text too
// wide for the label is drawn narrower (see FittedText).
class VESTRA_WIDGETS_EXPORT CPullDownMenu : public QLabel,
                                            public TMemProxy,
                                            public IMemAPI::TSingleAddress
{
    Q_OBJECT

public:
    CPullDownMenu(QWidget *parent, const char *name);
    ~CPullDownMenu() override;

    void setMenuItemList(const QString &items);
    QStringList menuItemList() const { return m_items; }
    QStringList items() const;
    // How the label draws its text: font, area and the text drawn.
    FittedText drawnText() const;

    // The open menu (null when closed).
    QMenu *menu() const { return m_menu; }
    void openMenu();

    void destroy(unsigned int deleteFlag) override;

signals:
    void activated(int value);

protected:
    void memoryValueChanged(int value) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showValue();

    QStringList m_items;
    int m_value = 0;
    QPointer<QMenu> m_menu;
};
