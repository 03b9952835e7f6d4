#pragma once
// Data-format help window: fixed rules of the point-file format and the example files
// "ex_*.csv" / "ex_*.dat" of the working folder, whose lines are shown when one is clicked.
#include <QString>
#include <QWidget>

class QListWidget;

namespace mirendo {

class Form9 : public QWidget {
    Q_OBJECT
  public:
    explicit Form9(const QString& workDir, QWidget* parent = nullptr);

  private:
    void showEvent(QShowEvent* event) override;

  private slots:
    // Handlers of the controls, connected in the constructor.
    void File1_Click(const QString& name); // list the example's lines
    void Command1_Click();                 // "閉じる": empty the list and hide

  private:
    void refreshFiles();

    QString m_workDir;
    QListWidget* m_file1 = nullptr;
    QListWidget* m_list1 = nullptr;
};

} // namespace mirendo
