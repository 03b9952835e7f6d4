#pragma once
// "Data save": writes the interpolated-data file "<name>-Mi.csv" into the folder chosen in its
// lists.
#include "state/Module1.h"
#include "state/SettingTexts.h"
#include "widgets/SaveNameDialog.h"

#include <QString>

#include <array>
#include <functional>

namespace mirendo {

class Form4 : public SaveNameDialog {
    Q_OBJECT
  public:
    explicit Form4(Module1& state, QWidget* parent = nullptr);

    // The main window's Text5..Text10 (X start, X stop, X step, Y start, Y stop, Y step) as they
    // stand at save time.
    void setSettingTextsProvider(std::function<SettingTexts()> provider);
    // Name box := `defaultName`, then shown.
    void openWith(const QString& defaultName) { openWithName(defaultName); }

  private slots:
    // Handlers of the controls, connected in the constructor.
    void Command1_Click() override; // OK: validate and write

  private:
    Module1& m_state;
    std::function<SettingTexts()> m_settingTexts;
};

} // namespace mirendo
