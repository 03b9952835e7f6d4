#include "widgets/FormLayout.h"
#include "qt/canvas/GraphPicture.h"

#include "widgets/PictureBox.h"
#include "widgets/ValueLabel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaMethod>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace mirendo {

namespace {

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const FormRow& row) {
    // A value's label makes the value its accessible name.
    const bool value = row.kind == ControlKind::ValueLabel || row.kind == ControlKind::ValueText;
    QLabel* label = value ? new ValueLabel(parent) : new QLabel(parent);
    label->setText(row.caption);
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
    // Plain text, or no label at all (MakeControl builds those kinds).
    case ControlKind::Label:
    case ControlKind::Picture:
    case ControlKind::Button:
    case ControlKind::TextBox:
    case ControlKind::List:
    case ControlKind::DriveList:
    case ControlKind::Option:
    case ControlKind::Group:
    case ControlKind::Fill:
    case ControlKind::Outline:
    case ControlKind::Graph:
    case ControlKind::Choice:
    case ControlKind::ValueText:
    case ControlKind::TextArea:
    case ControlKind::Table:
        break;
    }
    return label;
}

QWidget* MakeControl(QWidget* parent, const FormRow& row) {
    const QString& caption = row.caption;
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
    case ControlKind::Choice: {
        auto* choice = new QComboBox(parent);
        if (!caption.isEmpty()) // a choice without a caption is filled by its window
            choice->addItems(caption.split(QLatin1Char('|')));
        return choice;
    }
    case ControlKind::Fill: {
        auto* line = new QFrame(parent);
        line->setAutoFillBackground(true);
        SetColour(line, QPalette::Window, QColor(row.caption));
        return line;
    }
    case ControlKind::TextArea:
        return new QPlainTextEdit(parent);
    case ControlKind::Table:
        return new QTableView(parent);
    case ControlKind::Label:
    case ControlKind::BlueLabel:
    case ControlKind::ValueLabel:
    case ControlKind::Heading:
    case ControlKind::StepNumber:
    case ControlKind::Picture:
    case ControlKind::ValueText:
        return MakeLabel(parent, row);
    }
    return MakeLabel(parent, row); // not a kind of the list
}

// The edges a table's cell names, or nullopt for a word that is no edge.
std::optional<int> AnchorsOfText(const QString& text) {
    int anchors = 0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int edge = word == QLatin1String("left")     ? AnchorLeft
                         : word == QLatin1String("top")    ? AnchorTop
                         : word == QLatin1String("right")  ? AnchorRight
                         : word == QLatin1String("bottom") ? AnchorBottom
                                                           : 0;
        if (edge == 0)
            return std::nullopt;
        anchors |= edge;
    }
    return anchors;
}

// Places a parent's controls that follow its right or bottom edge again after every resize: each
// keeps its distance to the edges it follows as they were when it was built.
class AnchorFollower : public QObject {
  public:
    explicit AnchorFollower(QWidget* parent) : QObject(parent), m_builtSize(parent->size()) {
        parent->installEventFilter(this);
    }
    void follow(QWidget* control, int anchors) {
        m_controls.push_back({control, control->geometry(), anchors});
    }

  private:
    struct Followed {
        QWidget* control;
        QRect built;
        int anchors;
    };
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize && watched == parent()) {
            const QSize grown = static_cast<QWidget*>(watched)->size() - m_builtSize;
            for (const Followed& f : m_controls)
                f.control->setGeometry(Follow(f.built, f.anchors, grown));
        }
        return false;
    }
    static QRect Follow(QRect box, int anchors, QSize grown) {
        const auto along = [](int& start, int& length, bool near, bool far, int by) {
            if (far && near)
                length = std::max(length + by, 0);
            else if (far)
                start += by;
        };
        int x = box.x(), y = box.y(), width = box.width(), height = box.height();
        along(x, width, anchors & AnchorLeft || !(anchors & AnchorRight), anchors & AnchorRight,
              grown.width());
        along(y, height, anchors & AnchorTop || !(anchors & AnchorBottom), anchors & AnchorBottom,
              grown.height());
        return {x, y, width, height};
    }

    QSize m_builtSize;
    std::vector<Followed> m_controls;
};

} // namespace

const char* ControlKindName(ControlKind kind) {
    // No default: a kind added to the enum without its name here is a compiler warning.
    switch (kind) {
    case ControlKind::Label:
        return "Label";
    case ControlKind::BlueLabel:
        return "BlueLabel";
    case ControlKind::ValueLabel:
        return "ValueLabel";
    case ControlKind::Heading:
        return "Heading";
    case ControlKind::StepNumber:
        return "StepNumber";
    case ControlKind::Picture:
        return "Picture";
    case ControlKind::Button:
        return "Button";
    case ControlKind::TextBox:
        return "TextBox";
    case ControlKind::List:
        return "List";
    case ControlKind::DriveList:
        return "DriveList";
    case ControlKind::Option:
        return "Option";
    case ControlKind::Group:
        return "Group";
    case ControlKind::Fill:
        return "Fill";
    case ControlKind::Outline:
        return "Outline";
    case ControlKind::Graph:
        return "Graph";
    case ControlKind::Choice:
        return "Choice";
    case ControlKind::ValueText:
        return "ValueText";
    case ControlKind::TextArea:
        return "TextArea";
    case ControlKind::Table:
        return "Table";
    }
    return nullptr;
}

std::optional<ControlKind> ControlKindOfName(const QString& name) {
    // The enum's values run from 0 without gaps; the first without a name is past its end.
    for (int i = 0; const char* known = ControlKindName(static_cast<ControlKind>(i)); ++i)
        if (name == QLatin1String(known))
            return static_cast<ControlKind>(i);
    return std::nullopt;
}

std::vector<FormRow> ParseFormTable(const QString& text, int* badLine) {
    std::vector<FormRow> rows;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        FormRow row;
        const std::optional<ControlKind> kind =
            cells.size() >= 2 ? ControlKindOfName(cells[1]) : std::nullopt;
        const std::optional<int> anchors = cells.size() > 9 ? AnchorsOfText(cells[9]) : 0;
        bool ok = cells.size() >= 6 && cells.size() <= 10 && kind && anchors;
        row.kind = kind.value_or(ControlKind::Label);
        row.anchors = anchors.value_or(0);
        int* const numbers[4] = {&row.left, &row.top, &row.width, &row.height};
        for (int i = 0; ok && i < 4; ++i) {
            bool isNumber = false;
            *numbers[i] = cells[2 + i].toInt(&isNumber);
            ok = isNumber && *numbers[i] >= 0;
        }
        if (!ok || cells[0].isEmpty()) {
            if (badLine)
                *badLine = n + 1;
            return {};
        }
        row.name = cells[0];
        if (cells.size() > 6)
            row.caption = QString(cells[6]).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        if (cells.size() > 7)
            row.parent = cells[7];
        if (cells.size() > 8)
            row.note = cells[8];
        rows.push_back(row);
    }
    if (badLine)
        *badLine = 0;
    return rows;
}

QRect TwipRect(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

QSize TwipSize(int width, int height) {
    return {width / kTwipsPerPixel, height / kTwipsPerPixel};
}

QFont WindowFont(int pixelSize, bool bold) {
    QFont font(QString::fromLatin1(kJapaneseFace));
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

void FormControls::stopOnWrongControl(const char* name, int nth, const QWidget* found,
                                      const char* kind) const {
    const QByteArray window = m_window ? m_window->objectName().toLatin1() : QByteArray("?");
    if (!found)
        qFatal("window %s has no control %s (#%d)", window.constData(), name, nth);
    qFatal("window %s: control %s is a %s, not the %s its code expects", window.constData(), name,
           found->metaObject()->className(), kind);
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
    controls.m_window = window;
    AnchorFollower* follower = nullptr; // one for the window's own rows, made when the first needs it
    for (const FormRow& row : rows) {
        QWidget* parent = row.parent.isEmpty() ? window : controls.find(row.parent.toLatin1().constData());
        QWidget* widget = MakeControl(parent ? parent : window, row);
        widget->setObjectName(row.name);
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
        if (!row.note.isEmpty())
            widget->setProperty("layoutNote", row.note);
        if (row.anchors & (AnchorRight | AnchorBottom)) {
            if (parent && parent != window)
                qFatal("window %s: control %s follows an edge of a group", qPrintable(window->objectName()),
                       qPrintable(row.name));
            if (!follower)
                follower = new AnchorFollower(window);
            follower->follow(widget, row.anchors);
        }
        controls.m_widgets.push_back(widget);
    }
    return controls;
}

} // namespace mirendo

namespace mirendo {

FormControls BuildForm(QWidget* window, const QString& tablePath) {
    QFile file(tablePath);
    int badLine = -1;
    std::vector<FormRow> rows = file.open(QIODevice::ReadOnly)
                                    ? ParseFormTable(QString::fromUtf8(file.readAll()), &badLine)
                                    : std::vector<FormRow>{};
    if (badLine != 0)
        qFatal("window table %s: %s", qPrintable(tablePath),
               badLine < 0 ? "missing" : qPrintable(QStringLiteral("line %1 is malformed").arg(badLine)));
    // The captions are the catalogue's source texts under the table's name ("Form1"); a colour is
    // not a word.
    const QByteArray context = QFileInfo(tablePath).completeBaseName().toUtf8();
    for (FormRow& row : rows)
        if (row.kind != ControlKind::Fill && !row.caption.isEmpty())
            row.caption = QCoreApplication::translate(context.constData(), row.caption.toUtf8().constData());
    return BuildForm(window, rows);
}

int ConnectButtonHandlers(QWidget* window, std::initializer_list<const char*> wiredElsewhere) {
    const QMetaObject* meta = window->metaObject();
    const QByteArray windowName = window->objectName().toLatin1();
    const QMetaMethod clicked = QMetaMethod::fromSignal(&QAbstractButton::clicked);
    int connected = 0;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const QByteArray name = button->objectName().toLatin1();
        const int index = meta->indexOfSlot(name + "_Click()");
        if (index >= 0) {
            QObject::connect(button, clicked, window, meta->method(index));
            ++connected;
            continue;
        }
        // Options and picture buttons may act through their own signals; a push button is a step.
        if (!qobject_cast<QPushButton*>(button))
            continue;
        const bool elsewhere = std::any_of(wiredElsewhere.begin(), wiredElsewhere.end(),
                                           [&name](const char* wired) { return name == wired; });
        if (!name.isEmpty() && !elsewhere)
            qFatal("window %s: button %s has no handler %s_Click()", windowName.constData(), name.constData(),
                   name.constData());
    }
    // Every handler named after a control has that control: a renamed control loses no handler.
    for (int i = QWidget::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        const QByteArray signature = method.methodSignature();
        if (method.methodType() != QMetaMethod::Slot || !signature.endsWith("_Click()"))
            continue;
        const QByteArray control = signature.left(signature.size() - int(sizeof("_Click()")) + 1);
        if (!window->findChild<QWidget*>(QString::fromLatin1(control)))
            qFatal("window %s: handler %s has no control %s", windowName.constData(), signature.constData(),
                   control.constData());
    }
    return connected;
}

} // namespace mirendo
