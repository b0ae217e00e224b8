#include "qt/QtControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QTimer>

#include "qt/WindowGeometry.h"

namespace veltrano {

namespace {

QString text(const char16_t* characters) {
    return QString::fromUtf16(characters);
}

QColor colour(int rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QWidget* makePictureBox(const ControlDesign& design, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, colour(design.backColour));
    frame->setPalette(palette);
    // A picture box takes the focus in its turn of the tab order, though it shows nothing.
    frame->setFocusPolicy(Qt::StrongFocus);
    return frame;
}

QWidget* makeTextBox(const ControlDesign& design, QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setFont(QtControls::font(design.font));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour(design.backColour));
    palette.setColor(QPalette::Text, colour(design.foreColour));
    box->setPalette(palette);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->setTabChangesFocus(true);
    return box;
}

QWidget* makeLabel(const ControlDesign& design, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text(design.caption));
    return label;
}

QWidget* makeComboBox(const ControlDesign& design, QWidget* parent) {
    auto* list = new QComboBox(parent);
    for (const char16_t* item : design.items) {
        list->addItem(text(item));
    }
    return list;
}

QWidget* makeCheckBox(const ControlDesign& design, QWidget* parent) {
    auto* box = new QCheckBox(text(design.caption), parent);
    // The tick box stands to the right of its caption.
    box->setLayoutDirection(Qt::RightToLeft);
    return box;
}

QWidget* makeImage(QWidget* parent) {
    auto* image = new QLabel(parent);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

}  // namespace

QtControls::QtControls(QWidget& window, WindowId id) {
    for (const ControlDesign& design : ControlTable::controls()) {
        if (design.window != id) {
            continue;
        }
        if (design.kind == ControlKind::Timer) {
            auto* timer = new QTimer(&window);
            timer->setObjectName(QString::fromLatin1(design.name));
            timer->setInterval(design.interval);
            if (design.interval != 0) {
                timer->start();
            }
            m_timers[slot(design.id)] = timer;
            continue;
        }
        QWidget* control = create(design, window);
        control->setObjectName(QString::fromLatin1(design.name));
        placeInTwips(*control, design.place);
        if (!design.visible) {
            control->setVisible(false);
        }
        m_widgets[slot(design.id)] = control;
    }
    // The table lists each window's controls in their tab order, and Qt's focus chain follows
    // the order in which they were made.
}

QWidget* QtControls::create(const ControlDesign& design, QWidget& window) {
    QWidget* parent = design.onWindow() ? &window : widget(design.parent);
    switch (design.kind) {
        case ControlKind::PictureBox:
            return makePictureBox(design, parent);
        case ControlKind::CommandButton:
            return new QPushButton(text(design.caption), parent);
        case ControlKind::TextBox:
            return makeTextBox(design, parent);
        case ControlKind::ComboBox:
            return makeComboBox(design, parent);
        case ControlKind::CheckBox:
            return makeCheckBox(design, parent);
        case ControlKind::Image:
            return makeImage(parent);
        case ControlKind::Label:
        case ControlKind::Timer:
            break;
    }
    return makeLabel(design, parent);
}

void QtControls::setCaption(ControlId control, const std::u16string& caption) {
    const QString value = QString::fromStdU16String(caption);
    if (auto* button = qobject_cast<QAbstractButton*>(widget(control))) {
        button->setText(value);
    } else if (auto* label = qobject_cast<QLabel*>(widget(control))) {
        label->setText(value);
    }
}

void QtControls::setToolTip(ControlId control, const std::u16string& tip) {
    widget(control)->setToolTip(QString::fromStdU16String(tip));
}

void QtControls::setEnabled(ControlId control, bool enabled) {
    widget(control)->setEnabled(enabled);
}

void QtControls::setVisible(ControlId control, bool visible) {
    widget(control)->setVisible(visible);
}

void QtControls::setPosition(ControlId control, int left, int top) {
    widget(control)->move(twipsToPixels(left), twipsToPixels(top));
}

void QtControls::setListItems(ControlId list, const std::vector<std::u16string>& items) {
    auto* combo = as<QComboBox>(list);
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (const std::u16string& item : items) {
        combo->addItem(QString::fromStdU16String(item));
    }
    combo->setCurrentIndex(-1);
}

void QtControls::setListIndex(ControlId list, int index) {
    auto* combo = as<QComboBox>(list);
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(index);
}

QFont QtControls::dialogFont() {
    return font(FontId::Dialog);
}

QFont QtControls::font(FontId id) {
    const FontDesign& design = ControlTable::font(id);
    QStringList families{QString::fromUtf16(design.face)};
    for (const char16_t* standIn : design.standIns) {
        families.append(QString::fromUtf16(standIn));
    }
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(id == FontId::Protocol ? QFont::TypeWriter : QFont::SansSerif);
    font.setPointSizeF(design.points);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace veltrano
