#pragma once
// Keyboard choice in a list that acts on a click (a file list that reads the clicked file): Enter,
// keypad Enter or Space on the current item chooses it, as a click does, so the list works
// without a mouse (arrows move, Enter chooses). Moving alone chooses nothing, a held key chooses
// once, and a click is left to the list's own itemClicked, so one click never chooses twice
// (itemActivated would, on styles that activate on a single click).
#include <QObject>

class QListWidget;
class QListWidgetItem;

namespace mirendo {

class ListKeyChoice : public QObject {
    Q_OBJECT
  public:
    // Watches `list` and is owned by it.
    explicit ListKeyChoice(QListWidget* list);

  signals:
    void chosen(QListWidgetItem* item);

  private:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QListWidget* m_list;
};

} // namespace mirendo
