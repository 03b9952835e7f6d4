#include "input/InputLayout.h"

#include "widgets/PendingEvents.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>

#include <algorithm>

namespace mirendo::inputlayout {

QRect Twips(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

void SetWindowFont(QWidget* window) {
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPointSize(9);
    window->setFont(font);
}

void SetClientSize(QWidget* window, int widthTwips, int heightTwips) {
    window->setFixedSize(widthTwips / kTwipsPerPixel, heightTwips / kTwipsPerPixel);
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
                 int height, bool blue) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    if (blue) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
        label->setPalette(palette);
    }
    label->adjustSize();
    const QSize natural = label->size();
    const QRect box = Twips(left, top, width, height);
    label->setGeometry(box.x(), box.y(), width > 0 ? box.width() : natural.width(),
                       height > 0 ? box.height() : natural.height());
    return label;
}

QLabel* AddRangeLabel(QWidget* parent, const char* name, int left, int top, int width, int height) {
    QLabel* label = AddLabel(parent, name, QString(), left, top, width, height);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, int left, int top,
                       int width, int height) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(Twips(left, top, width, height));
    return button;
}

QLineEdit* AddTextBox(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(Twips(left, top, width, height));
    return box;
}

QListWidget* AddList(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(Twips(left, top, width, height));
    return list;
}

QFrame* AddBox(QWidget* parent, const char* name, int left, int top, int width, int height,
               const QColor& colour) {
    auto* box = new QFrame(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, colour);
    box->setPalette(palette);
    const QRect r = Twips(left, top, width, height);
    box->setGeometry(r.x(), r.y(), std::max(r.width(), 1), std::max(r.height(), 1));
    return box;
}

QFrame* AddLine(QWidget* parent, const char* name, int x1, int x2, int y, const QColor& colour) {
    return AddBox(parent, name, x1, y, x2 - x1, kTwipsPerPixel, colour);
}

void RepaintPending() {
    LetPendingPaintsThrough();
}

void NameRangeLabels(const std::array<QLabel*, 4>& labels) {
    const char* const names[4] = {"X の最小値", "X の最大値", "Y の最小値", "Y の最大値"};
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->setAccessibleName(QString::fromUtf8(names[i]));
}

void SetRangeTexts(const std::array<QLabel*, 4>& labels, const std::array<std::string, 4>& texts) {
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(QString::fromStdString(texts[i]));
}

std::array<std::string, 4> RangeLabelTexts(const std::array<QLabel*, 4>& labels) {
    std::array<std::string, 4> texts;
    for (std::size_t i = 0; i < labels.size(); ++i)
        texts[i] = labels[i]->text().toStdString();
    return texts;
}

void EnterKeys::moveOn(QLineEdit* from, QWidget* to) {
    m_next.insert(from, to);
    from->installEventFilter(this);
}

void EnterKeys::clickOnEnter(QPushButton* button) {
    m_next.insert(button, nullptr);
    button->installEventFilter(this);
}

bool EnterKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key != Qt::Key_Return && key != Qt::Key_Enter) || !m_next.contains(watched))
        return QObject::eventFilter(watched, event);
    if (auto* button = qobject_cast<QPushButton*>(watched)) {
        if (button->isEnabled())
            button->click();
        return true;
    }
    if (QWidget* next = m_next.value(watched))
        next->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace mirendo::inputlayout
