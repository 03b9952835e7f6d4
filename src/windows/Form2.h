#pragma once
// The start window: introduction, four example graphs and the ways into the program. Leaving it
// ends the program.
#include <QWidget>

namespace mirendo {

class FormControls;

class Form2 : public QWidget {
    Q_OBJECT
  public:
    explicit Form2(QWidget* parent = nullptr);

  signals:
    void newCalculationRequested(); // "新規補間計算"
    void browserRequested();        // "補間データ検索"
    void helpRequested();           // "ファイルデータの書式例"
    // "Exit" or closing: the exchange files are already deleted; the program is to end at once.
    void exitRequested();

  private slots:
    // Handlers of the buttons, connected by their names.
    void Command2_Click();

  private:
    void closeEvent(QCloseEvent* event) override;

  private:
    void decorate(const FormControls& controls);
    void wireControls(const FormControls& controls);
    void deleteExchangeFiles();
};

} // namespace mirendo
