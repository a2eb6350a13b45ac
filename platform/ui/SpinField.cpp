#include "platform/ui/SpinField.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QProxyStyle>
#include <QRegularExpression>

namespace platform {
namespace {

// Draws no text caret in a line edit whose field asked to hide it.
class CaretStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TextCursorWidth && widget && widget->parentWidget() &&
            widget->parentWidget()->property("caretHidden").toBool())
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QStyle* caretStyle() {
    static CaretStyle* style = [] {
        auto* s = new CaretStyle;
        s->setParent(qApp);
        return s;
    }();
    return style;
}

}  // namespace

SpinField::SpinField(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent), min_(minimum), max_(maximum) {
    lineEdit()->setStyle(caretStyle());
    lineEdit()->setText(QStringLiteral("0"));
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    setCursor(Qt::ArrowCursor);
    lineEdit()->setCursor(Qt::ArrowCursor);
    setContextMenuPolicy(Qt::NoContextMenu);
    lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    lineEdit()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinField::changed);
}

bool SpinField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress) {
        const bool handled = QAbstractSpinBox::eventFilter(watched, event);
        hideCaret();
        return handled;
    }
    return QAbstractSpinBox::eventFilter(watched, event);
}

int SpinField::bounded(int value) const {
    return limited() ? std::clamp(value, min_, max_) : value;
}

int SpinField::value() const {
    bool ok = false;
    const int v = text().trimmed().toInt(&ok);
    return ok ? v : min_;
}

void SpinField::setValue(int value) {
    const QString text = QString::number(bounded(value));
    if (lineEdit()->text() != text) lineEdit()->setText(text);
}

void SpinField::stepBy(int steps) { setValue(bounded(value()) + steps); }

QAbstractSpinBox::StepEnabled SpinField::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

QValidator::State SpinField::validate(QString& input, int&) const {
    static const QRegularExpression integerSoFar(QStringLiteral("^[+-]?\\d*$"));
    return integerSoFar.match(input).hasMatch() ? QValidator::Acceptable : QValidator::Invalid;
}

void SpinField::hideCaret() {
    setProperty("caretHidden", true);
    lineEdit()->update();
}

bool SpinField::caretHidden() const { return property("caretHidden").toBool(); }

void SpinField::focusInEvent(QFocusEvent* event) {
    setProperty("caretHidden", false);
    QAbstractSpinBox::focusInEvent(event);
}

void SpinField::focusOutEvent(QFocusEvent* event) {
    // A number typed outside the range is used as typed until now.
    bool ok = false;
    const int typed = text().trimmed().toInt(&ok);
    if (ok && bounded(typed) != typed) setValue(typed);
    QAbstractSpinBox::focusOutEvent(event);
}

void SpinField::mousePressEvent(QMouseEvent* event) {
    QAbstractSpinBox::mousePressEvent(event);
    hideCaret();
}

}  // namespace platform
