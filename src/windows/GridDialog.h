#pragma once
// "等間隔": the batch window's grid of values, from a start to a stop by a step on a linear X, or N
// values per decade on a logarithmic X (ValueGrid). "OK" checks the three boxes and hands the
// values over, or says in a message why it cannot; "キャンセル" and Escape leave the batch window
// as it was. Window-modal over the batch window, which creates it on first use and keeps it, so
// that the boxes keep what was typed.
#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;

namespace mirendo {

class GridDialog : public QDialog {
    Q_OBJECT
  public:
    explicit GridDialog(QWidget* parent);

    // Offers a grid over the graph's X range [start, stop] (texts as the settings show them) of
    // the kind its X axis asks for, unless the user already typed one.
    void propose(bool logarithmic, const QString& start, const QString& stop);

  signals:
    // The values one a line, as the X box takes them.
    void gridChosen(const QString& lines);

  private slots:
    void CommandOK_Click();
    void CommandCancel_Click();
    void chooseKind(int index);

  private:
    QComboBox* m_kind = nullptr;
    QLineEdit *m_start = nullptr, *m_stop = nullptr, *m_step = nullptr;
    QLabel* m_stepCaption = nullptr;
    bool m_typed = false; // the user has changed a box: proposals no longer replace it
};

} // namespace mirendo
