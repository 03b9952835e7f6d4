#include "widgets/FormLayout.h"

#include "widgets/PictureBox.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstring>

namespace mirendo {

namespace {

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const FormRow& row) {
    auto* label = new QLabel(QString::fromUtf8(row.caption), parent);
    switch (row.kind) {
    case ControlKind::BlueLabel:
        SetColour(label, QPalette::WindowText, QColor(0, 0, 255));
        break;
    case ControlKind::ValueLabel:
        label->setAutoFillBackground(true);
        SetColour(label, QPalette::Window, Qt::white);
        SetColour(label, QPalette::WindowText, Qt::black);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        break;
    case ControlKind::Heading:
        label->setFont(WindowFont(kWindowFontPixels + 1, true));
        break;
    case ControlKind::StepNumber:
        label->setFont(WindowFont(20, true)); // the full-width circled digit fills its 21-pixel label
        label->setAlignment(Qt::AlignCenter);
        SetColour(label, QPalette::WindowText, QColor(0, 0, 160));
        break;
    default:
        break;
    }
    return label;
}

QWidget* MakeControl(QWidget* parent, const FormRow& row) {
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::TextBox:
        return new QLineEdit(parent);
    case ControlKind::List:
        return new QListWidget(parent);
    case ControlKind::DriveList:
        return new QComboBox(parent);
    case ControlKind::Option:
        return new QRadioButton(caption, parent);
    case ControlKind::Group:
        return new QGroupBox(caption, parent);
    case ControlKind::Outline: {
        auto* frame = new QFrame(parent);
        frame->setFrameShape(QFrame::Box);
        return frame;
    }
    case ControlKind::Graph:
        return new PictureBox(TwipSize(row.width, row.height), parent);
    case ControlKind::Fill: {
        auto* line = new QFrame(parent);
        line->setAutoFillBackground(true);
        SetColour(line, QPalette::Window, QColor(QString::fromLatin1(row.caption)));
        return line;
    }
    default:
        return MakeLabel(parent, row);
    }
}

} // namespace

QRect TwipRect(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

QSize TwipSize(int width, int height) {
    return {width / kTwipsPerPixel, height / kTwipsPerPixel};
}

QFont WindowFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QWidget* FormControls::find(const char* name, int nth) const {
    for (QWidget* widget : m_widgets)
        if (widget->objectName() == QLatin1String(name) && nth-- == 0)
            return widget;
    return nullptr;
}

void SetUpWindow(QWidget* window, const char* objectName, const QString& title, int widthTwips,
                 int heightTwips) {
    window->setObjectName(QString::fromLatin1(objectName));
    window->setWindowTitle(title);
    window->setFont(WindowFont());
    window->setFixedSize(TwipSize(widthTwips, heightTwips));
}

FormControls BuildForm(QWidget* window, std::span<const FormRow> rows) {
    FormControls controls;
    for (const FormRow& row : rows) {
        QWidget* parent = row.parent ? controls.find(row.parent) : window;
        QWidget* widget = MakeControl(parent ? parent : window, row);
        widget->setObjectName(QString::fromLatin1(row.name));
        QRect box = TwipRect(row.left, row.top, row.width, row.height);
        if (row.width == 0 || row.height == 0) {
            widget->adjustSize();
            box.setSize(
                {row.width ? box.width() : widget->width(), row.height ? box.height() : widget->height()});
        }
        // A line is at least one pixel thick whatever its twips round to.
        if (row.kind == ControlKind::Fill)
            box.setSize({std::max(box.width(), 1), std::max(box.height(), 1)});
        widget->setGeometry(box);
        if (row.note)
            widget->setProperty("layoutNote", QString::fromUtf8(row.note));
        controls.m_widgets.push_back(widget);
    }
    return controls;
}

} // namespace mirendo
