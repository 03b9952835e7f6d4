#pragma once
// "Data save": writes the interpolated-data file "<name>-Mi.csv" into the folder chosen in its
// lists.
#include "core/state/Module1.h"
#include "core/state/SettingTexts.h"
#include "widgets/SaveNameDialog.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace mirendo {

// What a data save writes: a calculation's shared state and the setting texts it was made with.
struct ArchiveSource {
    Module1 state;
    SettingTexts settings;
};

class Form4 : public SaveNameDialog {
    Q_OBJECT
  public:
    explicit Form4(Module1& state, QWidget* parent = nullptr);

    // The calculation to save, asked for at save time: nothing when the main window no longer
    // shows what its curve was computed for.
    void setSource(std::function<std::optional<ArchiveSource>()> source);
    // Name box := `defaultName`, then shown.
    void openWith(const QString& defaultName) { openWithName(defaultName); }

  signals:
    // The curve was written: its points and settings are kept in a file now.
    void archiveSaved();

  private slots:
    // Handlers of the controls, connected in the constructor.
    void Command1_Click() override; // OK: validate and write

  private:
    Module1& m_state;
    std::function<std::optional<ArchiveSource>()> m_source;
};

} // namespace mirendo
