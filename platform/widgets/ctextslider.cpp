#include "ctextslider.h"

#include "controlaccessible.h"
#include "controlsupport.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include <utility>

namespace {
// Pixels of vertical drag per step.
constexpr int dragPixelsPerStep = 2;
// A press that moves less than this is a click.
constexpr int clickSlop = 3;
// How long the field flashes.
constexpr int flashMs = 300;

// A key that starts typing a value: a digit, a sign, a decimal point or a
// letter (of a value text such as "C#3" or "On"), without a modifier that
// would make it a shortcut.
bool startsEntry(const QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    if (text.size() != 1)
        return false;
    const QChar c = text.at(0);
    return c.isLetterOrNumber() || c == QLatin1Char('+') || c == QLatin1Char('-')
        || c == QLatin1Char('.');
}
} // namespace

CTextSlider::CTextSlider(QWidget *parent, const char *name, int)
    : QWidget(parent)
    , TMemProxy(this)
{
    setObjectName(QLatin1String(name));
    setFocusPolicy(Qt::WheelFocus);
    setAutoFillBackground(true);
    setFont(ControlSupport::controlFont());
    ControlAccessible::installFactory();
}

CTextSlider::~CTextSlider() = default;

void CTextSlider::destroy(unsigned int deleteFlag)
{
    if (deleteFlag)
        delete this;
}

void CTextSlider::setEnableFocusRect(bool on)
{
    m_focusRect = on;
    update();
}

void CTextSlider::setFocusColor(const QColor &colour)
{
    m_focusColor = colour;
    update();
}

void CTextSlider::setGreyOnDisable(bool on)
{
    m_greyOnDisable = on;
    update();
}

void CTextSlider::forceUpdate()
{
    if (isBound())
        showValue(value());
    update();
}

void CTextSlider::memoryValueChanged(int value)
{
    showValue(value);
    ControlSupport::valueShown(this, *this, m_text, true);
}

void CTextSlider::showValue(int value)
{
    const QString text = valueText(value);
    if (text != m_text) {
        m_text = text;
        update();
    }
}

QSize CTextSlider::sizeHint() const
{
    return QSize(60, 16);
}

FittedText CTextSlider::drawnText() const
{
    return FittedText(m_text, rect().adjusted(2, 0, -2, 0), this);
}

void CTextSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QColor background = palette().color(QPalette::Window);
    QColor text = ControlSupport::foreground(this, m_greyOnDisable);
    if (m_flashing)
        std::swap(background, text);
    painter.fillRect(rect(), background);
    painter.setPen(text);
    drawnText().draw(painter, Qt::AlignCenter);
    if (m_focusRect && hasFocus())
        ControlSupport::paintFocusRect(painter, this, m_focusColor);
}

void CTextSlider::mousePressEvent(QMouseEvent *event)
{
    // The toolkit gives the focus before it delivers the press; a window
    // that is not active yet takes none, and the press asks for it here.
    const bool focusing = m_focusedByMouse || !hasFocus();
    if (focusing && !hasFocus())
        setFocus(Qt::MouseFocusReason);
    m_focusedByMouse = false;
    if (ControlSupport::resetClick(event, *this))
        return;
    if (event->button() != Qt::LeftButton || !isBound()) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressFocused = focusing;
    m_pressed = true;
    m_dragged = false;
    m_pressPos = event->position().toPoint();
    m_pressValue = value();
}

void CTextSlider::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed)
        return;
    const int dy = m_pressPos.y() - event->position().toPoint().y();
    if (!m_dragged && std::abs(dy) < clickSlop)
        return;
    m_dragged = true;
    writeValue(m_pressValue + dy / dragPixelsPerStep);
}

void CTextSlider::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressed || event->button() != Qt::LeftButton)
        return;
    m_pressed = false;
    if (!m_dragged && m_clickStepping && !m_pressFocused) {
        const bool up = event->position().x() >= width() / 2.0;
        writeValue(value() + (up ? 1 : -1));
    }
}

void CTextSlider::wheelEvent(QWheelEvent *event)
{
    m_focusedByMouse = false;
    ControlSupport::wheelEdit(event, *this, value());
}

void CTextSlider::keyPressEvent(QKeyEvent *event)
{
    if (startsEntry(event) && !readOnly()) {
        openEntry(event->text());
        event->accept();
        return;
    }
    if (ControlSupport::keyEdit(event, *this, value()))
        return;
    QWidget::keyPressEvent(event);
}

void CTextSlider::focusInEvent(QFocusEvent *event)
{
    m_focusedByMouse = event->reason() == Qt::MouseFocusReason;
    QWidget::focusInEvent(event);
}

void CTextSlider::focusOutEvent(QFocusEvent *event)
{
    m_focusedByMouse = false;
    QWidget::focusOutEvent(event);
}

void CTextSlider::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(event);
}

void CTextSlider::openEntry(const QString &typed)
{
    if (!m_entry) {
        m_entry = new QLineEdit(this);
        m_entry->setFrame(false);
        m_entry->setAlignment(Qt::AlignCenter);
        QPalette colours = m_entry->palette();
        colours.setColor(QPalette::Base, palette().color(QPalette::Window));
        colours.setColor(QPalette::Text, palette().color(QPalette::WindowText));
        m_entry->setPalette(colours);
        m_entry->installEventFilter(this);
    }
    m_entry->setGeometry(rect());
    m_entry->setText(typed);
    m_entry->show();
    m_entry->setFocus(Qt::OtherFocusReason);
}

void CTextSlider::commitEntry()
{
    int v = 0;
    bool beyondRange = false;
    if (!valueForText(m_entry->text(), &v, &beyondRange)) {
        flash();
        m_entry->selectAll();
        return;
    }
    closeEntry();
    if (beyondRange)
        flash();
    writeValue(v);
}

void CTextSlider::closeEntry()
{
    QLineEdit *entry = m_entry;
    if (!entry)
        return;
    // Cleared first: taking the focus back makes the entry lose it, which
    // would close it again.
    m_entry = nullptr;
    if (entry->hasFocus())
        setFocus(Qt::OtherFocusReason);
    entry->hide();
    entry->deleteLater();
}

void CTextSlider::flash()
{
    m_flashing = true;
    update();
    QTimer::singleShot(flashMs, this, [this] {
        m_flashing = false;
        update();
    });
}

bool CTextSlider::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_entry || !m_entry)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            commitEntry();
            return true;
        case Qt::Key_Escape:
            closeEntry();
            return true;
        default:
            break;
        }
    } else if (event->type() == QEvent::FocusOut) {
        closeEntry();
    }
    return QWidget::eventFilter(watched, event);
}
