#pragma once
// The main calculation window: input method, scale mode, graph settings, the point plot, the
// engine run, the curve plot, the cursor readout and the way to the save dialogs. Its handlers
// read the controls, call the plain logic (graph settings, the plots, the readout) and write the
// results back; the engine is reached through the Calculation bridge, other windows only through
// its signals.
#include "core/input/PublishedPoints.h"
#include "core/state/Module1.h"
#include "core/state/SettingTexts.h"
#include "core/steps/CalculationSteps.h"
#include "core/steps/GraphSettings.h"
#include "qt/canvas/GraphPicture.h"

#include <QString>
#include <QWidget>

#include <array>
#include <optional>

class QGroupBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace mirendo {

class Calculation;
class FormControls;
class GraphPanel;
class PictureBox;
class ValueLabel;
namespace exchange {
struct LoadedResult;
} // namespace exchange

class Form1 : public QWidget {
    Q_OBJECT
  public:
    // `calculation` runs the engine; without one the window makes its own (engine beside Mirendo
    // or on PATH, exchange files in the current folder).
    explicit Form1(Module1& state, Calculation* calculation = nullptr, QWidget* parent = nullptr);

    // Prepares the window (and, through inputDialogsResetRequested, both input dialogs) for a new
    // calculation.
    void ResetMainWindow();

    // Text5..Text10 as they stand (what the data save writes).
    SettingTexts settingTexts() const;

    // The shared state and setting texts of the drawn curve, as long as the window still shows
    // what it was computed for; nothing once points, scale mode or a setting box changed.
    struct DrawnCalculation {
        Module1 state;
        SettingTexts settings;
    };
    std::optional<DrawnCalculation> drawnCalculation() const;

    // A saved curve reopened to be calculated again, once its points are published: its scale
    // mode chosen as a click on the option would, and its six setting texts in the boxes, ready
    // for the settings OK. A mode the points do not allow stays unchosen (false).
    bool takeSavedSettings(int scaleMode, const SettingTexts& texts);
    // ① shows hand entry ("直接 手入力する") as the way the points came, as after typing them.
    void showHandEntryChosen();

  public slots:
    void applyPublishedPoints(const mirendo::PublishedPoints& points);
    void enableAllScaleOptions();
    void clearDataTable();
    void clearRangeLabels();
    void enableSettingsOk();
    // The points are no longer in use (a new input began, a read failed, the input was
    // cancelled): the steps from the settings on stay off until points are published again.
    void withdrawPoints();

  signals:
    void inputDialogsResetRequested();
    void fileInputRequested();
    void manualEntryRequested();
    // "画像から" of step ①: points are to be read off a chart picture.
    void chartInputRequested();
    void backToStartRequested();
    void dataSaveRequested(const QString& defaultName);
    void imageSaveRequested(const QString& proposedName, const mirendo::GraphPicture& picture);
    // A point file dropped while the input-method OK would take new input: read it as the
    // file-input dialog reads a clicked file.
    void pointFileDropped(const QString& path);
    // Ctrl+V at the same moment: the clipboard's text, to be read as such a file.
    void pointTextPasted(const QString& text);
    // A setting box's text or the scale mode changed.
    void settingsEdited();

  private slots:
    // Handlers of the buttons, connected by their names.
    void Command9_Click();
    void CommandChart_Click(); // "画像から": the chart window
    void Command3_Click();
    void Command1_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command8_Click();
    void Command7_Click();
    void Command2_Click();

  private:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void pastePointText(const QString& text);

  private:
    void decorate(const FormControls& controls);
    void wireControls();
    void nameControlsForScreenReaders();
    void updateTabStops();
    void ScaleOption_Click(int scaleMode);
    void drawLoadedCurve(const exchange::LoadedResult& result);
    void SettingBox_Enter(QLineEdit* box);

    void writeSettingBoxes(const SettingTexts& texts);
    // Shows why a setting box cannot be used, if one cannot; true when it did.
    std::optional<ValidatedSettings> storeSettings(const SettingTexts& texts);
    bool refuseSetting(const std::optional<SettingRefusal>& refusal, const SettingTexts& texts);
    std::array<std::string, 4> rangeTexts() const;
    void showLimitCaptions();

    CalculationInputs currentInputs() const;
    // Sets the step buttons from the step sequence and stops the readout of a curve that no
    // longer matches the window (and the wait for one).
    void refreshSteps();
    void forgetDrawnCurve();
    bool pointOffLogAxes();

    CalculationSteps m_steps;
    Module1 m_drawnState; // the shared state right after that curve was drawn

    Module1& m_state;
    Calculation* m_calculation;

    QGroupBox *m_frame2 = nullptr, *m_frame1 = nullptr;
    QRadioButton *m_option5 = nullptr, *m_option6 = nullptr;
    QPushButton* m_commandChart = nullptr;
    QPushButton *m_command9 = nullptr, *m_command3 = nullptr, *m_command1 = nullptr, *m_command4 = nullptr,
                *m_command5 = nullptr, *m_command6 = nullptr, *m_command8 = nullptr, *m_command7 = nullptr,
                *m_command2 = nullptr;             // the steps and the way back
    std::array<QRadioButton*, 4> m_scaleOptions{}; // Option1..Option4
    QListWidget* m_list1 = nullptr;
    std::array<ValueLabel*, 4> m_rangeLabels{}; // Label31..Label34
    std::array<QLineEdit*, 6> m_settingBoxes{}; // Text5..Text10
    GraphPanel* m_graph = nullptr;
    QComboBox* m_compare = nullptr; // the comparison curve, in the graph panel
    PictureBox* m_picture1 = nullptr;
};

} // namespace mirendo
